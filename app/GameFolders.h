#pragma once

#include <QString>

// Where the game keeps what it writes (the data file, the plain questions copy, the movie
// files) and where it reads its questions from. Both end with a separator.
struct GameFolders {
  QString dataDir;
  QString questionsDir;

  bool operator==(const GameFolders&) const = default;
};

namespace gamefolders {

// The installed questions, seen from the folder of the installed executable (games/ of the
// prefix); the install rules of the root CMakeLists.txt put them there.
inline constexpr const char* InstalledDataFromExecutable = "../share/games/fortuniak";
// The user's own folder under the XDG data home.
inline constexpr const char* UserFolderName = "fortuniak";

// True when a file can really be made in `dir` (and is removed again at once): modes alone
// do not tell, for root or on a read-only mount.
bool canWriteIn(const QString& dir);

// The user's data folder: $XDG_DATA_HOME/fortuniak/, else $HOME/.local/share/fortuniak/.
// Empty when neither value is usable.
QString userDataDir(const QString& xdgDataHome, const QString& home);

// A writable executable folder keeps every file beside the executable, as a game unpacked or
// built in place always did. An installed one cannot be written: then the user's data folder
// holds what the game writes, and its Pytania.pFK, when the user put one there, is read
// instead of the installed questions.
GameFolders chooseGameFolders(const QString& executableDir, const QString& xdgDataHome,
                              const QString& home);

}  // namespace gamefolders
