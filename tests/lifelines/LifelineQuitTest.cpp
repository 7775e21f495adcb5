#include <QFrame>

#include "lifelines/AudienceChart.h"
#include "lifelines/Lifelines.h"
#include "lifelines/PhoneCall.h"
#include "stats/PlayerStats.h"
#include "tests/lifelines/LifelinesHarness.h"
#include "ui/widgets/PictureBox.h"

namespace {

// A request to quit in the middle of a lifeline stops it where it is: no pause after it, and
// nothing more of the lifeline happens.
class LifelineQuitTest : public LifelinesTest {
 protected:
  void begin(bool sound) {
    startAs(QStringLiteral("Jan"), janData());
    OptionFlags& f = services.state().flags;
    f.Kou = true;
    f.Akc = false;
    f.Dzw = sound;
    play();
    services.lifelines().phoneCall().setFriends(1, 4);
  }
  // The game is asked to quit during the lifeline's `n`th pause; the pauses it makes from here
  // on are the lifeline's.
  void quitAtPause(int n) {
    from = pacing->pauses.size();
    pacing->quitAtPause = static_cast<int>(from) + n;
  }
  void use(Lifelines::Button& lifeline) {
    QTest::mouseClick(lifeline.button, Qt::LeftButton);
    ASSERT_TRUE(lifetime::terminationRequested()) << "the request came during the lifeline";
  }
  size_t from = 0;
};

TEST_F(LifelineQuitTest, TheAudienceStopsDuringTheCrowd) {
  begin(true);
  quitAtPause(1);
  use(lifelines().audience());
  EXPECT_EQ(pausesSince(from), std::vector<int>{3800});
  for (TextLabel* label : lifelines().audienceChart().lblP) EXPECT_TRUE(label->isHidden());
}

TEST_F(LifelineQuitTest, TheAudienceStopsWhileTheBarsGrow) {
  begin(false);
  quitAtPause(3);
  use(lifelines().audience());
  EXPECT_EQ(pausesSince(from), (std::vector<int>{5, 5, 5}));
  for (TextLabel* label : lifelines().audienceChart().lblP) EXPECT_TRUE(label->isHidden());
}

TEST_F(LifelineQuitTest, FiftyFiftyStopsDuringItsSound) {
  begin(true);
  quitAtPause(1);
  use(lifelines().fiftyFifty());
  EXPECT_EQ(pausesSince(from), std::vector<int>{500});
  const CurrentQuestionRecord& q = services.state().question.CurrentQuestion;
  EXPECT_FALSE(page().answer(q.FiftyOut1).box->isHidden()) << "the answers were not taken off";
  EXPECT_FALSE(page().answer(q.FiftyOut2).box->isHidden());
  EXPECT_FALSE(services.state().progress.FiftyFiftyUsed);
}

TEST_F(LifelineQuitTest, ThePhoneCallStopsAtItsStartAndIsNotCounted) {
  begin(true);
  QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
  quitAtPause(1);
  QTest::mouseClick(lifelines().phoneCall().btnTFr01, Qt::LeftButton);
  ASSERT_TRUE(lifetime::terminationRequested());
  EXPECT_EQ(pausesSince(from), std::vector<int>{400});
  EXPECT_FALSE(clips().contains(QStringLiteral("K"))) << "the friend never spoke";
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).Friends.at(0).Asked, 0);
}

}  // namespace
