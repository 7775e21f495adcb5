// fortuniak_screens: shows the game's screens one after another and saves a picture of each,
// for looking at them the way a player sees them. Runs on a desktop that is left alone.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include "app/MessagePanels.h"
#include "app/Shell.h"
#include "app/ShellServices.h"
#include "app/TBGFrm.h"
#include "app/TMainFrm.h"
#include "app/platform/NullPlatform.h"
#include "app/widgets/PictureBox.h"
#include "app/widgets/TextLabel.h"

namespace {

void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

void save(QWidget& window, const QString& path) {
  settle();
  window.grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
  platform::NullPlatform desktop;
  ShellServices services;
  Shell shell(desktop, services);
  shell.beforeApplication();
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    fprintf(stderr, "usage: fortuniak_screens GAME_DIR OUTPUT_DIR\n");
    return 2;
  }
  if (!shell.afterApplication(args[1])) return 1;
  const QDir out(args[2]);
  TMainFrm& main = shell.mainFrm();

  main.showPage(main.tsMenu);
  save(main, out.filePath(QStringLiteral("menu.png")));
  shell.panels().showError(QString::fromUtf8(
      "UWAGA! Musisz wybrać dwóch przyjaciół. Aby wybrać przyjaciela kliknij na jego imię i "
      "nazwisko. Aby zobaczyć informacje o przyjacielu kliknij na \"i\"."));
  save(main, out.filePath(QStringLiteral("error-panel.png")));
  shell.handlers().run(QStringLiteral("btnCHideClick"));
  shell.panels().showYesNo();
  save(main, out.filePath(QStringLiteral("yesno-panel.png")));
  shell.panels().hideYesNo();
  main.showPage(main.tsProfiles);
  save(main, out.filePath(QStringLiteral("profiles.png")));

  // The whole desktop, as after the intro: pattern bands, the "X" and the main window.
  main.showPage(main.tsMenu);
  shell.bgFrm().imgBG->show();
  shell.bgFrm().btnClose->show();
  settle();
  QApplication::primaryScreen()->grabWindow(0).save(out.filePath(QStringLiteral("screen.png")));
  shell.FormDestroy();
  return 0;
}
