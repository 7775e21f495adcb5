#include <gtest/gtest.h>

#include <QFontMetrics>

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

// Every percentage, "100%" included, is readable whole, and the close button stands apart.
TEST_F(LifelinesTest, TheAudienceChartKeepsItsLabelsApart) {
  playWith(1, 2);
  const QRect inside = chart().pnPubl->contentsRect();
  std::vector<QRect> taken;
  for (TextLabel* label : chart().lblP) {
    const QRect box = label->geometry();
    EXPECT_TRUE(inside.contains(box)) << label->objectName().toStdString();
    const QFontMetrics metrics(label->font());
    for (int percent = 0; percent <= 100; ++percent) {
      const QRect text = metrics.boundingRect(QString::number(percent) + u'%');
      EXPECT_LE(text.width(), box.width()) << percent;
      EXPECT_LE(metrics.height(), box.height());
    }
    for (const QRect& other : taken) EXPECT_FALSE(box.intersects(other)) << box.x();
    taken.push_back(box);
  }
  const QRect close = chart().btnClosePub->geometry();
  EXPECT_TRUE(inside.contains(close));
  for (const QRect& label : taken) EXPECT_FALSE(close.intersects(label)) << label.x();
  for (QWidget* bar : chart().sh) EXPECT_FALSE(close.intersects(bar->geometry()));
}

}  // namespace
