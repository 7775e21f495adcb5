#include <gtest/gtest.h>

#include "players/Profile.h"
#include "tests/lifelines/LifelinesHarness.h"
#include "ui/widgets/TextLabel.h"

// The friends page and the audience's chart as the player sees and works them.
namespace {

// "&START" shows S underlined: the key must start the game with the friends on screen, not
// open the menu's statistics.
class StartKeyTest : public LifelinesTest, public testing::WithParamInterface<const char*> {};

TEST_P(StartKeyTest, TheUnderlinedSOfTheFriendsPageIsStart) {
  openChoice(QString::fromUtf8(GetParam()));
  QWidget* error = main().require(QStringLiteral("pnCError"));
  clickFriend(2);
  press(Qt::Key_S);
  EXPECT_EQ(main().shownMenuPage(), u"tsChoose");
  EXPECT_TRUE(error->isVisible()) << "one friend is not enough";
  EXPECT_TRUE(main()
                  .require<TextLabel>(QStringLiteral("lblCError"))
                  ->caption()
                  .startsWith(QString::fromUtf8("UWAGA! Musisz wybrać dwóch przyjaciół.")));
  press(Qt::Key_S);
  EXPECT_FALSE(error->isVisible());

  QTest::mouseClick(friends().entry(4).info, Qt::LeftButton);
  ASSERT_TRUE(friends().pnCInfo->isVisible());
  press(Qt::Key_S);  // "&Schowaj" of the panel
  EXPECT_FALSE(friends().pnCInfo->isVisible());
  EXPECT_EQ(main().shownMenuPage(), u"tsChoose");

  clickFriend(4);
  press(Qt::Key_S);
  ASSERT_EQ(main().shownPage(), u"tsGra");
  EXPECT_EQ(phone().btnTFr01->caption(), u"Dorota Malec");
  EXPECT_EQ(phone().btnTFr02->caption(), u"Leszek Gruszka");
}

INSTANTIATE_TEST_SUITE_P(NamedAndAnonymous, StartKeyTest,
                         testing::Values("Jan", "Gracz anonimowy"));

TEST_F(LifelinesTest, TheFriendInformationHidesTheWholePageAroundIt) {
  openChoice();
  clickFriend(1);
  QTest::mouseClick(friends().entry(3).info, Qt::LeftButton);
  ASSERT_TRUE(friends().pnCInfo->isVisible());
  const QImage shown = main().tsChoose->grab().toImage();
  const QRect panel = friends().pnCInfo->geometry();
  int lit = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (!panel.contains(x, y) && qGray(shown.pixel(x, y)) > 40) ++lit;
  EXPECT_EQ(lit, 0) << "title, roster or START show beside the panel";

  press(Qt::Key_S);
  const QImage after = main().tsChoose->grab().toImage();
  EXPECT_GT(qGray(after.pixel(100, 70)), 40) << "the roster is back";
}

}  // namespace
