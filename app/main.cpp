#include <QApplication>
#include <QStringList>

#include "app/GameFolders.h"
#include "app/GameServices.h"
#include "app/Shell.h"
#include "platform/SystemPlatform.h"

int main(int argc, char** argv) {
  // The desktop's own connection is opened first: start-up asks it about the development
  // window before the application object exists.
  auto desktop = platform::makeDesktopPlatform();
  GameServices services;
  Shell shell(*desktop, services);
  shell.beforeApplication();
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  shell.setScaled(args.contains(QStringLiteral("--skaluj")) ||
                  args.contains(QStringLiteral("--scaled")));
  const GameFolders folders = gamefolders::chooseGameFolders(QCoreApplication::applicationDirPath(),
                                                             qEnvironmentVariable("XDG_DATA_HOME"),
                                                             qEnvironmentVariable("HOME"));
  if (!shell.afterApplication(folders)) return 1;
  return shell.runAndShutDown();
}
