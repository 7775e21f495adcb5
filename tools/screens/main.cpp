// fortuniak_screens: shows the game's screens one after another and saves a picture of each,
// for looking at them the way a player sees them. Runs on a desktop that is left alone and in
// a game folder of its own, so no player's data is touched. With --skaluj the game fills the
// screen by scaling and each picture is the whole screen, as the player sees it there.
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
#include "players/Profile.h"
#include "ui/MessagePanels.h"
#include "ui/Pacing.h"
#include "ui/TBGFrm.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

// The game's own waits, until the games played only to fill the records and the statistics:
// those run without them.
class ToolPacing : public EventLoopPacing {
 public:
  using EventLoopPacing::EventLoopPacing;
  void Pause(int ms) override {
    if (fast)
      ProcessMessages();
    else
      EventLoopPacing::Pause(ms);
  }
  bool fast = false;
};

class Screens {
 public:
  Screens(Shell& shell, GameServices& services, ToolPacing& pacing, QDir out, bool wholeScreen)
      : m_wholeScreen(wholeScreen),
        m_shell(shell),
        m_services(services),
        m_pacing(pacing),
        m_main(shell.mainFrm()),
        m_out(std::move(out)) {}

  void save(const char* name) {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    const QString file = m_out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (m_wholeScreen)
      QApplication::primaryScreen()->grabWindow(0).save(file);
    else
      m_main.grab().save(file);
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

    friendsAndAudience();
    playGame();

    // The whole desktop: pattern bands, the "X" and the main window.
    m_shell.bgFrm().imgBG->show();
    m_shell.bgFrm().btnClose->show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QApplication::primaryScreen()->grabWindow(0).save(m_out.filePath(QStringLiteral("screen.png")));

    recordsAndStats();
  }

  // The friends page with two chosen and one's information, then the audience's chart in the
  // game they start; the game is given up at once.
  void friendsAndAudience() {
    OptionFlags& flags = m_services.state().flags;
    flags.Kou = true;
    flags.Dzw = false;
    click("lblStart");
    click("lblCFr02");
    click("lblCFr04");
    save("friends");
    click("btnCInf03");
    save("friends-info");
    click("btnCOk");
    click("imgCStart");
    click("imgPub");
    save("game-audience");
    m_pacing.fast = true;
    click("lblRez");
    m_pacing.fast = false;
    click("lblBack");
  }

  // Answers the question of `level` and those before it correctly.
  void climbTo(int level) {
    while (m_services.state().progress.Level < level)
      answer(m_services.state().question.CurrentQuestion.Correct);
  }
  void answer(int position) {
    GamePage& page = m_services.game().page();
    QTest::mouseClick(page.answer(position).label, Qt::LeftButton);
    if (page.answer(position).fill == theme::LightOrange)
      QTest::mouseClick(page.answer(position).label, Qt::LeftButton);
  }
  enum class End { Wrong, Resign, Million };
  // A game of the logged-in player from the menu back to it, ended at `level`.
  void finish(End end, int level) {
    OptionFlags& flags = m_services.state().flags;
    flags.Kou = false;
    flags.Dzw = false;
    m_shell.handlers().run(QStringLiteral("StartGame"));
    climbTo(level);
    const int correct = m_services.state().question.CurrentQuestion.Correct;
    if (end == End::Wrong) answer(correct % 4 + 1);
    if (end == End::Resign) QTest::mouseClick(m_services.game().page().lblRez, Qt::LeftButton);
    if (end == End::Million) {
      answer(correct);
      m_shell.handlers().run(QStringLiteral("AnimStop"));
    }
    if (m_main.control(QStringLiteral("pnLName"))->isVisible()) {
      set("edtLName", QStringLiteral("Kuba"));
      click("btnLOk");
    }
    click("lblBack");
  }
  // Logs off and in again as `name`. The list is built afresh first: log-off leaves it as it
  // was, and the overall records have since added the anonymous player's section to the file,
  // which moves the names a row click looks up.
  void logIn(const QString& name, const char* password = nullptr) {
    click("lblLogOff");
    m_services.ProfilesShow();
    for (int row = 0;; ++row) {
      auto* label = m_main.control<TextLabel>(QStringLiteral("lblPName%1").arg(row));
      if (!label) return;
      if (TextLabel::shownText(label->caption()) != name) continue;
      QTest::mouseClick(label, Qt::LeftButton);
      break;
    }
    click("lblPLog");
    if (password) {
      set("edtPPHas", QString::fromLatin1(password));
      click("btnPPOk");
    }
  }

  // The records and the statistics after a few games of both players and of the anonymous one.
  void recordsAndStats() {
    m_pacing.fast = true;
    click("lblBack");
    finish(End::Resign, 9);
    finish(End::Wrong, 12);
    finish(End::Million, 15);
    finish(End::Resign, 4);
    logIn(QStringLiteral("Zofia"), "kot");
    finish(End::Wrong, 11);
    finish(End::Resign, 7);
    finish(End::Wrong, 8);
    logIn(AnonymousName);
    finish(End::Wrong, 9);
    finish(End::Resign, 3);
    m_pacing.fast = false;

    logIn(QStringLiteral("Marek"));
    click("lblRec");
    save("records-own");
    click("btnRecAll");
    save("records-all");
    click("lblR2");
    save("records-details");
    click("btnRHide");
    click("btnDelRec");
    save("records-clear");
    click("btnYes");
    save("records-all-cleared");
    click("btnRecMy");
    save("records-own-after-clear");
    click("lblStats");
    save("stats");
    logIn(AnonymousName);
    click("lblRec");
    save("records-anonymous");
    click("lblStats");
    save("stats-anonymous");
  }

 private:
  bool m_wholeScreen;
  Shell& m_shell;
  GameServices& m_services;
  ToolPacing& m_pacing;
  TMainFrm& m_main;
  QDir m_out;
};

}  // namespace

int main(int argc, char** argv) {
  platform::NullPlatform desktop;
  GameServices services;
  Shell shell(desktop, services);
  ToolPacing* pacing = nullptr;
  shell.setPacingFactory([&pacing](InputGate& gate) {
    auto made = std::make_unique<ToolPacing>(gate);
    pacing = made.get();
    return made;
  });
  shell.beforeApplication();
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const bool scaled = args.size() == 4 && args[3] == u"--skaluj";
  if (args.size() != 3 && !scaled) {
    fprintf(stderr, "usage: fortuniak_screens GAME_DIR OUTPUT_DIR [--skaluj]\n");
    return 2;
  }
  if (scaled) shell.setDisplay(Shell::Display::Scaled);
  QTemporaryDir gameDir;
  QFile::copy(QDir(args[1]).filePath(QStringLiteral("Pytania.pFK")),
              gameDir.filePath(QStringLiteral("Pytania.pFK")));
  if (!shell.afterApplication(gameDir.path())) return 1;
  Screens(shell, services, *pacing, QDir(args[2]), scaled).run();
  shell.FormDestroy();
  return 0;
}
