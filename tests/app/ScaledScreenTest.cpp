#include <gtest/gtest.h>

#include <QTest>

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
    shell.setScaled(true);
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

}  // namespace
