#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "tests/support/GameHarness.h"
#include "ui/ScaledStage.h"
#include "ui/TBGFrm.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

TEST(ScaledStageFactor, TheLargestFactorThatFitsAndTheAreaAroundTheScene) {
  struct Case {
    QSize screen;
    double factor;
    QSize area;
  };
  for (const Case& c : {Case{{1920, 1080}, 1.8, {1067, 600}}, Case{{3840, 2160}, 3.6, {1067, 600}},
                        Case{{1280, 1024}, 1.6, {800, 640}}, Case{{800, 600}, 1.0, {800, 600}},
                        Case{{1920, 1200}, 2.0, {960, 600}}}) {
    EXPECT_DOUBLE_EQ(ScaledStage::factorFor(c.screen), c.factor) << c.screen.width();
    EXPECT_EQ(ScaledStage::sceneAreaFor(c.screen), c.area) << c.screen.width();
  }
}

// The whole game asked to fill a 1920 x 1080 screen by scaling: the display is left alone,
// the scene is centred at 1.8 times its size, and the mouse and keys work as unscaled.
class ScaledScreenTest : public testing::Test, public GameHarness {
 protected:
  void SetUp() override {
    shell.setDisplay(Shell::Display::Scaled);
    ASSERT_TRUE(start());
    stage().resize(1920, 1080);
    QCoreApplication::processEvents();
  }
  ScaledStage& stage() { return *shell.stage(); }
  // Where a control of the main window shows on the screen.
  QPoint onScreen(QWidget* control) {
    const QPoint inMain = control->mapTo(&main(), control->rect().center());
    return stage().mapFromScene(QPointF(stage().mainPosition() + inMain));
  }
};

TEST_F(ScaledScreenTest, TheSceneIsCentredAndScaledAndTheDisplayIsLeftAlone) {
  EXPECT_TRUE(log.withPrefix("SetScreenMode(800").empty()) << "no switch to 800 x 600";
  EXPECT_DOUBLE_EQ(stage().factor(), 1.8);
  EXPECT_EQ(shell.bgFrm().size(), QSize(1067, 600)) << "the background covers the screen";
  EXPECT_EQ(stage().mainPosition(), QPoint(137, 86));
  const QPoint centre = onScreen(&main());
  EXPECT_NEAR(centre.x(), 960, 4) << "centred on the screen";
  EXPECT_NEAR(centre.y(), 540, 4);
  TBGFrm& bg = shell.bgFrm();
  EXPECT_EQ(bg.btnClose->x(), 1047) << "the X at the screen's top right";
  // The pattern runs along both edges of the whole width.
  const QImage& canvas = bg.imgBG->picture();
  const QImage& tile = bg.imgBGp->picture();
  ASSERT_EQ(canvas.size(), QSize(1067, 600));
  for (int x : {10, 600, 1060}) {
    EXPECT_EQ(canvas.pixel(x, 40), tile.pixel(x % tile.width(), 40)) << x;
    EXPECT_EQ(canvas.pixel(x, 600 - 88 + 40), tile.pixel(x % tile.width(), 40)) << x;
  }
}

TEST_F(ScaledScreenTest, ClicksAndKeysReachTheControlsUnderThem) {
  QTest::keyClick(stage().viewport(), Qt::Key_Space);
  EXPECT_EQ(main().shownPage(), u"tsProfiles") << "a key ends the intro";
  // A click at the scaled place of "Stwórz gracza" opens the form, and typing fills its field.
  QTest::mouseClick(stage().viewport(), Qt::LeftButton, {}, onScreen(c(QStringLiteral("lblPNew"))));
  ASSERT_TRUE(c(QStringLiteral("edtPImi"))->isVisible());
  QTest::keyClicks(stage().viewport(), QStringLiteral("Ola"));
  EXPECT_EQ(c<QLineEdit>(QStringLiteral("edtPImi"))->text(), u"Ola");
  QTest::mouseClick(stage().viewport(), Qt::LeftButton, {},
                    onScreen(c(QStringLiteral("lblPQuit"))));
  EXPECT_TRUE(lifetime::terminationRequested()) << "\"Wyjdź z gry\" ends the game";
}

// Where the display cannot be switched the game scales by itself: under XWayland (whatever
// sizes its RandR claims) and on a server that offers no 800 x 600 or refuses the switch.
// Where the switch works, or in TestMode, nothing is scaled.
TEST(AutomaticScaling, TheSceneIsScaledWhereTheDisplayCannotBeSwitched) {
  struct Case {
    const char* desktop;
    platform::ScreenSize screen;
    bool xwayland;
    bool switches;
    bool devWindow;
    bool scaled;
    bool switchTried;
  };
  for (const Case& c :
       {Case{"XWayland", {1920, 1080}, true, true, false, true, false},
        Case{"XWayland at 800 x 600", {800, 600}, true, true, false, true, false},
        Case{"a server that refuses", {1024, 768}, false, false, false, true, true},
        Case{"a server that switches", {1024, 768}, false, true, false, false, true},
        Case{"TestMode under XWayland", {1920, 1080}, true, false, true, false, false}}) {
    GameHarness game;
    game.desktop.screen = c.screen;
    game.desktop.xwayland = c.xwayland;
    game.desktop.modesSwitch = c.switches;
    game.desktop.devWindow = c.devWindow;
    ASSERT_TRUE(game.start()) << c.desktop;
    EXPECT_EQ(game.shell.stage() != nullptr, c.scaled) << c.desktop;
    EXPECT_EQ(game.log.contains("SetScreenMode(800,600)"), c.switchTried) << c.desktop;
    if (c.scaled) {
      EXPECT_TRUE(game.shell.stage()->isFullScreen()) << c.desktop;
      EXPECT_NE(game.shell.bgFrm().graphicsProxyWidget(), nullptr)
          << c.desktop << ": shown in the stage";
    }
    game.shell.FormDestroy();
    EXPECT_EQ(game.desktop.screen, c.screen) << c.desktop << ": the display as it was";
  }
}

// An ordinary desktop window: it opens at a whole multiple of 800 x 600, the scene follows
// every size the player gives it, and closing it is the background's "X".
class WindowedTest : public testing::Test, public GameHarness {};

TEST_F(WindowedTest, TheSceneFollowsTheWindowAndClosingItEndsTheGame) {
  shell.setDisplay(Shell::Display::Window);
  ASSERT_TRUE(start());
  ScaledStage& stage = *shell.stage();
  EXPECT_FALSE(stage.isFullScreen());
  EXPECT_EQ(stage.windowTitle(), QString::fromUtf8("FORTUNIAK v 0.7.1.4 ßETA"));
  const QSize work = QApplication::primaryScreen()->availableGeometry().size();
  const int k = std::max(1, std::min(work.width() / 800, work.height() / 600));
  EXPECT_EQ(stage.size(), QSize(800 * k, 600 * k));
  EXPECT_TRUE(log.withPrefix("SetScreenMode(800").empty());

  struct Case {
    QSize window;
    double factor;
    QSize area;
    QPoint main;
  };
  for (const Case& c : {Case{{1600, 1200}, 2.0, {800, 600}, {4, 86}},
                        Case{{1000, 600}, 1.0, {1000, 600}, {104, 86}}}) {
    stage.resize(c.window);
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(stage.factor(), c.factor) << c.window.width();
    EXPECT_EQ(shell.bgFrm().size(), c.area) << "the pattern fills the window";
    EXPECT_EQ(stage.mainPosition(), c.main) << "the main window centred";
  }
  EXPECT_FALSE(lifetime::terminationRequested());
  stage.close();
  EXPECT_TRUE(lifetime::terminationRequested());
}

// A request to quit (a signal, "Zamknij") ends the event loop whatever shows the game.
TEST(StageQuitTest, ARequestToQuitEndsTheLoopInEveryMode) {
  for (Shell::Display display : {Shell::Display::Scaled, Shell::Display::Window}) {
    GameHarness game;
    game.shell.setDisplay(display);
    ASSERT_TRUE(game.start());
    QTimer::singleShot(0, [] { lifetime::requestTermination(); });
    QTimer::singleShot(2000, [] { QCoreApplication::exit(1); });  // the quit was called off
    EXPECT_EQ(QApplication::exec(), 0) << static_cast<int>(display);
    lifetime::reset();
  }
}

}  // namespace
