// The lock-key lights of a real game on a real X server: they follow the lifelines during the
// game and are the player's own again after it. Runs under Xvfb (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "app/GameServices.h"
#include "app/Shell.h"
#include "game/Game.h"
#include "game/GamePage.h"
#include "lifelines/FriendsPage.h"
#include "lifelines/Lifelines.h"
#include "platform/X11Platform.h"
#include "tests/media/ScriptedOutput.h"
#include "tests/platform/TestDisplay.h"
#include "tests/support/QuestionsFile.h"
#include "ui/Lifetime.h"
#include "ui/Pacing.h"
#include "ui/TMainFrm.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

using platform::LockKeyStates;

// The real game on the real X server, in a folder of its own, on a virtual clock.
class XvfbGameLights : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x.ready()) << "no X server with XKB on DISPLAY";
    lifetime::reset();
    QFile questions(dir.filePath(QStringLiteral("Pytania.pFK")));
    ASSERT_TRUE(questions.open(QIODevice::WriteOnly));
    questions.write(questionsFile());
  }
  void TearDown() override {
    shell.FormDestroy();
    x.setLocks(false, false, false);
    lifetime::reset();
  }
  // Started with the lifelines on, friends `a` and `b` chosen, the first question shown.
  void startGame(int a, int b) {
    ASSERT_TRUE(desktop.connected());
    services.setAudioOutput([] { return std::make_unique<ScriptedOutput>(); });
    shell.setPacingFactory([](InputGate&) { return std::make_unique<VirtualPacing>(); });
    shell.beforeApplication();
    ASSERT_TRUE(shell.afterApplication(dir.path()));
    services.session().CurrentPlayer.name = QStringLiteral("Jan");
    OptionFlags& flags = services.state().flags;
    flags.Dzw = false;
    flags.Akc = false;
    flags.Kou = true;
    FriendsPage& friends = services.lifelines().friendsPage();
    shell.mainFrm().showPage(shell.mainFrm().tsMenu);
    friends.OpenFriendsChoice();
    friends.ToggleFriend(a);
    friends.ToggleFriend(b);
    friends.btnCStartClick();
    ASSERT_EQ(shell.mainFrm().shownPage(), u"tsGra");
  }

  TestDisplay x;
  QTemporaryDir dir;
  platform::X11Platform desktop;
  GameServices services;
  Shell shell{desktop, services};
};

TEST_F(XvfbGameLights, FollowTheLifelinesThenComeBack) {
  x.setLocks(true, false, true);  // the player's own lights
  startGame(1, 2);
  EXPECT_EQ(x.indicators(), (LockKeyStates{1, 1, 1})) << "all three lifelines are left";

  QTest::mouseClick(services.lifelines().fiftyFifty().button, Qt::LeftButton);
  EXPECT_EQ(x.indicators(), (LockKeyStates{0, 1, 1})) << "fifty-fifty is used";

  x.setLocks(true, false, false);  // the player presses lock keys during the game
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : static_cast<QWidget*>(&shell.mainFrm()), Qt::Key_NumLock);
  EXPECT_EQ(x.indicators(), (LockKeyStates{0, 1, 1})) << "the next key puts them back";

  const auto& q = services.state().question.CurrentQuestion;
  const int wrong = q.FiftyKeep1 == q.Correct ? q.FiftyKeep2 : q.FiftyKeep1;
  QTest::mouseClick(services.game().page().answer(wrong).label, Qt::LeftButton);
  ASSERT_EQ(shell.mainFrm().shownPage(), u"tsLose");
  EXPECT_EQ(x.indicators(), (LockKeyStates{1, 0, 1})) << "the player's own again";

  shell.FormDestroy();
  EXPECT_EQ(x.indicators(), (LockKeyStates{1, 0, 1})) << "the shutdown leaves them alone";
}

TEST_F(XvfbGameLights, AGameCutShortGivesThemBack) {
  x.setLocks(false, true, false);
  startGame(3, 4);
  EXPECT_EQ(x.indicators(), (LockKeyStates{1, 1, 1}));
  lifetime::requestTermination();  // as SIGTERM does
  shell.FormDestroy();
  EXPECT_EQ(x.indicators(), (LockKeyStates{0, 1, 0}));
}

}  // namespace
