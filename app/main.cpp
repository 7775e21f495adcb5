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
  platform::preferX11UnderWayland();
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  auto asked = [&](const char* polish, const char* english) {
    return args.contains(QString::fromLatin1(polish)) ||
           args.contains(QString::fromLatin1(english));
  };
  if (asked("--okno", "--window"))
    shell.setDisplay(Shell::Display::Window);
  else if (asked("--skaluj", "--scaled"))
    shell.setDisplay(Shell::Display::Scaled);
  const GameFolders folders = gamefolders::chooseGameFolders(QCoreApplication::applicationDirPath(),
                                                             qEnvironmentVariable("XDG_DATA_HOME"),
                                                             qEnvironmentVariable("HOME"));
  if (!shell.afterApplication(folders)) return 1;
  return shell.runAndShutDown();
}
