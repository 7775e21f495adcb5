#include "app/GameFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include "ui/AppContext.h"

namespace {

QString withSeparator(const QString& dir) { return QDir(dir).absolutePath() + u'/'; }

bool holdsQuestions(const QString& dir) {
  return QFile::exists(dir + QString::fromUtf8(appinfo::QuestionsFile));
}

// Beside the executable when it is there (a build, an unpacked folder); else the installed
// share folder; else beside the executable again, where start-up then reports it missing.
QString shippedQuestionsDir(const QString& executableDir) {
  if (holdsQuestions(executableDir)) return executableDir;
  const QString installed =
      withSeparator(executableDir + QString::fromUtf8(gamefolders::InstalledDataFromExecutable));
  return holdsQuestions(installed) ? installed : executableDir;
}

}  // namespace

bool gamefolders::canWriteIn(const QString& dir) {
  QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".fortuniak-probe-XXXXXX")));
  return probe.open();
}

QString gamefolders::userDataDir(const QString& xdgDataHome, const QString& home) {
  const QString folder = QString::fromUtf8(UserFolderName);
  // A relative XDG_DATA_HOME is invalid and is ignored, as the base directory rules say.
  if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
    return withSeparator(QDir(xdgDataHome).filePath(folder));
  if (!home.isEmpty() && QDir::isAbsolutePath(home))
    return withSeparator(QDir(home).filePath(QStringLiteral(".local/share/") + folder));
  return {};
}

GameFolders gamefolders::chooseGameFolders(const QString& executableDir, const QString& xdgDataHome,
                                           const QString& home) {
  const QString executable = withSeparator(executableDir);
  const QString shipped = shippedQuestionsDir(executable);
  if (canWriteIn(executable)) return {executable, shipped};
  const QString user = userDataDir(xdgDataHome, home);
  // No home to go to: the game stays beside the executable and reports the failed writes.
  if (user.isEmpty()) return {executable, shipped};
  return {user, holdsQuestions(user) ? user : shipped};
}
