// The lock-key lights of a real game on a real X server: they follow the lifelines during the
// game and are the player's own again after it. Runs under Xvfb (see CMakeLists.txt).
#include <gtest/gtest.h>

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

TEST(XvfbGameLights, FollowTheLifelinesThenComeBack) {
  TestDisplay x;
  ASSERT_TRUE(x.ready()) << "no X server with XKB on DISPLAY";
  x.setLocks(true, false, true);  // the player's own lights

  lifetime::reset();
  QTemporaryDir dir;
  {
    QFile questions(dir.filePath(QStringLiteral("Pytania.pFK")));
    ASSERT_TRUE(questions.open(QIODevice::WriteOnly));
    questions.write(questionsFile());
  }
  platform::X11Platform desktop;
  ASSERT_TRUE(desktop.connected());
  GameServices services;
  services.setAudioOutput([] { return std::make_unique<ScriptedOutput>(); });
  Shell shell(desktop, services);
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
  friends.ToggleFriend(1);
  friends.ToggleFriend(2);
  friends.btnCStartClick();
  ASSERT_EQ(shell.mainFrm().shownPage(), u"tsGra");
  EXPECT_EQ(x.indicators(), (LockKeyStates{1, 1, 1})) << "all three lifelines are left";

  QTest::mouseClick(services.lifelines().fiftyFifty().button, Qt::LeftButton);
  EXPECT_EQ(x.indicators(), (LockKeyStates{0, 1, 1})) << "fifty-fifty is used";

  x.setLocks(true, false, false);  // the player presses lock keys during the game
  shell.mainFrm().FormKeyDown();
  EXPECT_EQ(x.indicators(), (LockKeyStates{0, 1, 1})) << "the next key puts them back";

  const auto& q = services.state().question.CurrentQuestion;
  const int wrong = q.FiftyKeep1 == q.Correct ? q.FiftyKeep2 : q.FiftyKeep1;
  QTest::mouseClick(services.game().page().answer(wrong).label, Qt::LeftButton);
  ASSERT_EQ(shell.mainFrm().shownPage(), u"tsLose");
  EXPECT_EQ(x.indicators(), (LockKeyStates{1, 0, 1})) << "the player's own again";

  shell.FormDestroy();
  EXPECT_EQ(x.indicators(), (LockKeyStates{1, 0, 1})) << "the shutdown leaves them alone";
  x.setLocks(false, false, false);
  lifetime::reset();
}

TEST(XvfbGameLights, AGameCutShortGivesThemBack) {
  TestDisplay x;
  ASSERT_TRUE(x.ready());
  x.setLocks(false, true, false);
  lifetime::reset();
  QTemporaryDir dir;
  {
    QFile questions(dir.filePath(QStringLiteral("Pytania.pFK")));
    ASSERT_TRUE(questions.open(QIODevice::WriteOnly));
    questions.write(questionsFile());
  }
  platform::X11Platform desktop;
  GameServices services;
  services.setAudioOutput([] { return std::make_unique<ScriptedOutput>(); });
  Shell shell(desktop, services);
  shell.setPacingFactory([](InputGate&) { return std::make_unique<VirtualPacing>(); });
  shell.beforeApplication();
  ASSERT_TRUE(shell.afterApplication(dir.path()));
  services.state().flags.Dzw = false;
  services.state().flags.Kou = true;
  FriendsPage& friends = services.lifelines().friendsPage();
  friends.OpenFriendsChoice();
  friends.ToggleFriend(3);
  friends.ToggleFriend(4);
  friends.btnCStartClick();
  EXPECT_EQ(x.indicators(), (LockKeyStates{1, 1, 1}));
  lifetime::requestTermination();  // as SIGTERM does
  shell.FormDestroy();
  EXPECT_EQ(x.indicators(), (LockKeyStates{0, 1, 0}));
  x.setLocks(false, false, false);
  lifetime::reset();
}

}  // namespace
