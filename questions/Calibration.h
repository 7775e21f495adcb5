#pragma once

#include <vector>

struct StoredQuestion;

// How a level's lifelines play: how often the phoned friend and the audience's favourite are
// right, and how sure the audience is of the right answer on average.
struct LevelCalibration {
  int questions = 0;
  int friendRight = 0;
  int audienceRight = 0;      // the right answer has the largest share, alone
  double meanRightShare = 0;  // percent

  double friendRightPercent() const { return percentOf(friendRight); }
  double audienceRightPercent() const { return percentOf(audienceRight); }

 private:
  double percentOf(int n) const { return questions ? 100.0 * n / questions : 0; }
};

LevelCalibration calibrate(const std::vector<StoredQuestion>& level);

// The figures a level's lifelines aim at (assets/questions/FORMAT.md, "Calibration"): the
// friend and the favourite grow less reliable in three steps of five levels, and the right
// answer's mean share falls evenly from 75 % at level 1 to 30 % at level 15.
struct CalibrationTarget {
  double friendRightPercent;
  double audienceRightPercent;
  double meanRightShare;
};

CalibrationTarget calibrationTarget(int level);
