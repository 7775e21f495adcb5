#pragma once

#include <QString>

#include "platform/SystemPlatform.h"

// Values set once while the game starts and read everywhere after.
struct AppContext {
  bool TestMode = false;
  QString DataFileName;  // the players' data file
  // Where the game writes, with a trailing separator: the executable's folder, or the user's
  // data folder when that one cannot be written.
  QString AppDir;
  QString QuestionsDir;       // where Pytania.pFK is read, with a trailing separator
  QString QuestionsTempPath;  // the plain copy of the questions file
  platform::ScreenSize ScreenSizeAtStart;

  QString DataFilePath() const { return AppDir + DataFileName; }
  QString QuestionsFilePath() const;
};

namespace appinfo {
inline constexpr const char* ProductName = "FORTUNIAK";
inline constexpr const char* Version = "0.7.1.4 ßETA";
inline constexpr const char* DataFile = "Opcje.oFK";
inline constexpr const char* TestDataFile = "Opcje testowe.oFK";
inline constexpr const char* QuestionsFile = "Pytania.pFK";
inline constexpr const char* QuestionsTempFile = "FORMAT C.exe";
// Movie files that may be left behind by an interrupted playback.
inline constexpr const char* MovieFiles[] = {"NFO.avi", "LOSE.exe", "FILE2", "FILE5"};

QString titleText();  // "FORTUNIAK v 0.7.1.4 ßETA"
}  // namespace appinfo
