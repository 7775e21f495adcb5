#pragma once

#include <array>

struct CurrentQuestionRecord;

// The percentages the audience chart shows: as stored, or after fifty-fifty with the removed
// answers' shares handed to the two kept ones (the point lost by halving goes to the first).
std::array<int, 4> shownAudience(const CurrentQuestionRecord& question, bool fiftyFiftyUsed);

// The chart's bars grow one pixel a pass from (t div 8) + 2 to t + (t div 8) + 3 pixels.
struct AudienceBars {
  static constexpr int Foot = 137;  // the base line, in panel pixels
  std::array<int, 4> targets{};
  std::array<int, 4> steps{};
  std::array<int, 4> heights{};

  explicit AudienceBars(const std::array<int, 4>& shown) : targets(shown) {}
  // One pass over the four bars; false once none of them grew.
  bool pass();
  static int finalHeight(int percent) { return percent + percent / 8 + 3; }
};
