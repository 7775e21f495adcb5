#include "questions/Calibration.h"

#include "questions/Question.h"

LevelCalibration calibrate(const std::vector<StoredQuestion>& level) {
  LevelCalibration c;
  long long shares = 0;
  for (const StoredQuestion& q : level) {
    if (q.correct < 1 || q.correct > 4) continue;  // a broken question is reported elsewhere
    ++c.questions;
    const int right = q.audience.at(static_cast<size_t>(q.correct - 1));
    shares += right;
    if (q.friendAnswer == q.correct) ++c.friendRight;
    bool favourite = true;
    for (int k = 1; k <= 4; ++k)
      if (k != q.correct && q.audience.at(static_cast<size_t>(k - 1)) >= right) favourite = false;
    if (favourite) ++c.audienceRight;
  }
  if (c.questions) c.meanRightShare = static_cast<double>(shares) / c.questions;
  return c;
}

CalibrationTarget calibrationTarget(int level) {
  const int step = level <= 5 ? 0 : level <= 10 ? 1 : 2;
  static constexpr double friendRight[] = {95, 80, 60};
  static constexpr double audienceRight[] = {98, 85, 60};
  return {friendRight[step], audienceRight[step], 75 - (level - 1) * 45.0 / 14};
}
