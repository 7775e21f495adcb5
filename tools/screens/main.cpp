// fortuniak_screens: shows the game's screens one after another and saves a picture of each,
// for looking at them the way a player sees them. Runs on a desktop that is left alone and in
// a game folder of its own, so no player's data is touched.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/GameServices.h"
#include "app/Shell.h"
#include "game/Game.h"
#include "game/GamePage.h"
#include "platform/NullPlatform.h"
#include "players/DateEdit.h"
#include "ui/MessagePanels.h"
#include "ui/TBGFrm.h"
#include "ui/TMainFrm.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

class Screens {
 public:
  Screens(Shell& shell, GameServices& services, QDir out)
      : m_shell(shell), m_services(services), m_main(shell.mainFrm()), m_out(std::move(out)) {}

  void save(const char* name) {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    m_main.grab().save(m_out.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
  }
  void click(const char* name) {
    QTest::mouseClick(m_main.control(QString::fromLatin1(name)), Qt::LeftButton);
  }
  void set(const char* field, const QString& text) {
    m_main.control<QLineEdit>(QString::fromLatin1(field))->setText(text);
  }

  // A game of the logged-in player, without lifelines or sound: the first question, a
  // pre-selected answer, the verdict's banner, then a wrong answer and the result page.
  void playGame() {
    OptionFlags& flags = m_services.state().flags;
    flags.Kou = false;
    flags.Dzw = false;
    m_shell.handlers().run(QStringLiteral("StartGame"));
    save("game-question");
    GamePage& page = m_services.game().page();
    const int correct = m_services.state().question.CurrentQuestion.Correct;
    QTest::mouseClick(page.answer(correct).label, Qt::LeftButton);
    save("game-preselected");
    QTest::mouseClick(page.answer(correct).label, Qt::LeftButton);
    save("game-second-question");
    const int wrong = m_services.state().question.CurrentQuestion.Correct % 4 + 1;
    QTest::mouseClick(page.answer(wrong).label, Qt::LeftButton);
    QTest::mouseClick(page.answer(wrong).label, Qt::LeftButton);
    save("result");
  }

  void run() {
    m_main.showPage(m_main.tsProfiles);
    save("profiles-first-run");
    click("lblPNew");
    set("edtPImi", QString::fromUtf8("Zofia"));
    set("edtPMie", QString::fromUtf8("Kołobrzeg"));
    m_main.control<DateEdit>(QStringLiteral("edtPUro"))->setDateText(QStringLiteral("81-02-29"));
    set("edtPPas", QStringLiteral("kot"));
    set("edtPPas2", QStringLiteral("kot"));
    set("edtPPue", QStringLiteral("K"));
    save("profiles-create-red-date");
    m_main.control<DateEdit>(QStringLiteral("edtPUro"))->setDateText(QStringLiteral("81-02-28"));
    click("lblPCreate");
    click("lblPNew");
    set("edtPImi", QString::fromUtf8("Marek"));
    set("edtPMie", QString::fromUtf8("Gdańsk"));
    m_main.control<DateEdit>(QStringLiteral("edtPUro"))->setDateText(QStringLiteral("64-07-12"));
    set("edtPPue", QStringLiteral("M"));
    click("lblPCreate");
    click("lblPName1");
    save("profiles-list");
    click("lblPEdit");
    save("profiles-password");
    set("edtPPHas", QStringLiteral("kot"));
    click("btnPPOk");
    save("profiles-edit");
    click("lblPList");
    click("lblPName2");
    click("lblPLog");
    save("menu");
    click("lblOpcje");
    click("cbAkc");
    click("rysDzw");
    save("options");
    m_shell.panels().showError(QString::fromUtf8(
        "UWAGA! Musisz wybrać dwóch przyjaciół. Aby wybrać przyjaciela kliknij na jego imię i "
        "nazwisko. Aby zobaczyć informacje o przyjacielu kliknij na \"i\"."));
    save("error-panel");
    m_shell.handlers().run(QStringLiteral("btnCHideClick"));
    m_shell.panels().showYesNo();
    save("yesno-panel");
    m_shell.panels().hideYesNo();

    playGame();

    // The whole desktop: pattern bands, the "X" and the main window.
    m_shell.bgFrm().imgBG->show();
    m_shell.bgFrm().btnClose->show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QApplication::primaryScreen()->grabWindow(0).save(m_out.filePath(QStringLiteral("screen.png")));
  }

 private:
  Shell& m_shell;
  GameServices& m_services;
  TMainFrm& m_main;
  QDir m_out;
};

}  // namespace

int main(int argc, char** argv) {
  platform::NullPlatform desktop;
  GameServices services;
  Shell shell(desktop, services);
  shell.beforeApplication();
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    fprintf(stderr, "usage: fortuniak_screens GAME_DIR OUTPUT_DIR\n");
    return 2;
  }
  QTemporaryDir gameDir;
  QFile::copy(QDir(args[1]).filePath(QStringLiteral("Pytania.pFK")),
              gameDir.filePath(QStringLiteral("Pytania.pFK")));
  if (!shell.afterApplication(gameDir.path())) return 1;
  Screens(shell, services, QDir(args[2])).run();
  shell.FormDestroy();
  return 0;
}
