#include <QFrame>

#include "lifelines/AudienceChart.h"
#include "lifelines/Lifelines.h"
#include "lifelines/PhoneCall.h"
#include "tests/lifelines/LifelinesHarness.h"
#include "ui/widgets/PictureBox.h"

namespace {

// However a lifeline's panel closes, the mouse is the player's again: the answers, the
// resignation and the lifelines left answer it for the rest of the game.
class PanelCloseTest : public LifelinesTest {
 protected:
  void begin() {
    startAs(QStringLiteral("Jan"), janData());
    OptionFlags& f = services.state().flags;
    f.Kou = true;
    f.Kla = true;
    f.Akc = false;
    play();
    phone().setFriends(1, 4);
    climbTo(2);  // the resignation is offered
  }
  void openPhone() {
    QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
    ASSERT_TRUE(phone().pnTel->isVisible());
    ASSERT_FALSE(page().answer(1).label->isEnabled()) << "the panel holds the mouse";
  }
  void openAudience() {
    QTest::mouseClick(lifelines().audience().button, Qt::LeftButton);
    ASSERT_TRUE(chart().pnPubl->isVisible());
  }
  // An answer by the keyboard, as a player gives it with a panel holding the mouse: its
  // letter (Enter would close the panel first).
  void answerByKeys(int target) { press(Qt::Key(Qt::Key_A + target - 1)); }
  void expectMouseWorks() {
    EXPECT_TRUE(phone().pnTel->isHidden());
    EXPECT_TRUE(phone().pnTInfo->isHidden());
    for (int position = 1; position <= 4; ++position) {
      const GamePage::Answer& a = page().answer(position);
      for (QWidget* w : {static_cast<QWidget*>(a.box), static_cast<QWidget*>(a.tile),
                         static_cast<QWidget*>(a.label)})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    }
    // Hidden on the first question, it must still answer once it shows.
    EXPECT_TRUE(page().lblRez->isEnabled());
    EXPECT_TRUE(page().imgRez->isEnabled());
    for (Lifelines::Button* b :
         {&lifelines().fiftyFifty(), &lifelines().phone(), &lifelines().audience()})
      EXPECT_EQ(b->button->isEnabled(), b->used->isHidden())
          << b->button->objectName().toStdString() << ": left ones enabled, used ones not";
    // And by the mouse itself: the right answer takes the game a step up.
    const int before = level();
    answer(correct());
    EXPECT_EQ(level(), before + 1);
  }
};

TEST_F(PanelCloseTest, ThePhonePanelClosedByAnAnswerByKeys) {
  begin();
  openPhone();
  answerByKeys(correct());
  ASSERT_EQ(level(), 3);
  expectMouseWorks();
  EXPECT_FALSE(lifelines().phone().button->isEnabled()) << "used";
}

TEST_F(PanelCloseTest, TheFriendInformationClosedByAnAnswerByKeys) {
  begin();
  openPhone();
  QTest::mouseClick(phone().btnTInfo02, Qt::LeftButton);
  ASSERT_TRUE(phone().pnTInfo->isVisible());
  answerByKeys(correct());
  ASSERT_EQ(level(), 3);
  expectMouseWorks();
}

TEST_F(PanelCloseTest, TheFriendInformationClosedByItsButtonThenACall) {
  begin();
  openPhone();
  QTest::mouseClick(phone().btnTInfo01, Qt::LeftButton);
  QTest::mouseClick(phone().btnTOk, Qt::LeftButton);
  EXPECT_TRUE(phone().pnTInfo->isHidden());
  EXPECT_TRUE(phone().btnTFr01->isEnabled()) << "back on the phone panel";
  EXPECT_FALSE(page().answer(1).label->isEnabled()) << "which still holds the mouse";
  QTest::mouseClick(phone().btnTFr02, Qt::LeftButton);
  expectMouseWorks();
}

TEST_F(PanelCloseTest, ThePhonePanelOpenWhenAWrongAnswerEndsTheGameLeavesTheNextGameFree) {
  begin();
  openPhone();
  answerByKeys(wrong());
  ASSERT_EQ(main().shownPage(), u"tsLose");
  play();
  expectMouseWorks();
  for (Lifelines::Button* b :
       {&lifelines().fiftyFifty(), &lifelines().phone(), &lifelines().audience()})
    EXPECT_TRUE(b->button->isEnabled()) << "a new game has every lifeline";
}

TEST_F(PanelCloseTest, TheAudienceChartClosedByItsButton) {
  begin();
  openAudience();
  QTest::mouseClick(chart().btnClosePub, Qt::LeftButton);
  EXPECT_TRUE(chart().pnPubl->isHidden());
  expectMouseWorks();
}

TEST_F(PanelCloseTest, TheAudienceChartClosedByAnAnswerByKeys) {
  begin();
  openAudience();
  answerByKeys(correct());
  EXPECT_TRUE(chart().pnPubl->isHidden());
  expectMouseWorks();
}

TEST_F(PanelCloseTest, TheAudienceChartAndThePhonePanelClosedTogetherByAnAnswer) {
  begin();
  openAudience();
  openPhone();
  EXPECT_FALSE(chart().btnClosePub->isEnabled());
  answerByKeys(correct());
  EXPECT_TRUE(chart().pnPubl->isHidden());
  EXPECT_TRUE(chart().btnClosePub->isEnabled());
  expectMouseWorks();
}

TEST_F(PanelCloseTest, PanelsOpenAtAResignationLeaveTheNextGameFree) {
  begin();
  openAudience();
  QTest::mouseClick(page().lblRez, Qt::LeftButton);
  ASSERT_EQ(main().shownPage(), u"tsLose");
  EXPECT_TRUE(chart().pnPubl->isHidden());
  play();
  expectMouseWorks();
}

}  // namespace
