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

}  // namespace
