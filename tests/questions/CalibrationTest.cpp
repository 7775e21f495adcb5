#include <gtest/gtest.h>

#include "questions/Calibration.h"
#include "questions/Question.h"

namespace {

StoredQuestion question(int correct, int friendAnswer, std::array<int, 4> audience) {
  StoredQuestion q;
  q.correct = correct;
  q.friendAnswer = friendAnswer;
  q.audience = audience;
  return q;
}

TEST(Calibration, CountsTheFriendTheFavouriteAndTheMeanShare) {
  const LevelCalibration c = calibrate({
      question(1, 1, {70, 10, 10, 10}),  // both right
      question(2, 3, {20, 40, 30, 10}),  // friend wrong, favourite right
      question(3, 3, {45, 10, 45, 0}),   // a tie for the favourite is no favourite
      question(4, 4, {50, 10, 10, 30}),  // favourite wrong
  });
  EXPECT_EQ(c.questions, 4);
  EXPECT_EQ(c.friendRight, 3);
  EXPECT_EQ(c.audienceRight, 2);
  EXPECT_DOUBLE_EQ(c.meanRightShare, (70 + 40 + 45 + 30) / 4.0);
  EXPECT_DOUBLE_EQ(c.friendRightPercent(), 75.0);
}

TEST(Calibration, ABrokenQuestionIsLeftOutAndAnEmptyLevelGivesZeros) {
  const LevelCalibration c = calibrate({question(0, 1, {100, 0, 0, 0})});
  EXPECT_EQ(c.questions, 0);
  EXPECT_EQ(c.meanRightShare, 0);
  EXPECT_EQ(c.audienceRightPercent(), 0);
}

}  // namespace
