#include "lifelines/AudienceShares.h"

#include <algorithm>

#include "questions/Question.h"

namespace {
int share(const CurrentQuestionRecord& q, int position) {
  // Shares outside 0-100 never reach the chart: the bank refuses such questions, and a
  // hand-made one is kept within the bar's area here.
  return std::clamp(static_cast<int>(q.AudiencePct.at(static_cast<size_t>(position - 1))), 0, 100);
}
}  // namespace

std::array<int, 4> shownAudience(const CurrentQuestionRecord& q, bool fiftyFiftyUsed) {
  std::array<int, 4> shown{};
  if (!fiftyFiftyUsed) {
    for (int k = 1; k <= 4; ++k) shown[static_cast<size_t>(k - 1)] = share(q, k);
    return shown;
  }
  const int half = (share(q, q.FiftyOut1) + share(q, q.FiftyOut2)) / 2;
  int b = std::min(100, share(q, q.FiftyKeep2) + half);
  int a = share(q, q.FiftyKeep1) + half;
  if (a + b != 100) a = 100 - b;
  shown[static_cast<size_t>(q.FiftyKeep1 - 1)] = std::clamp(a, 0, 100);
  shown[static_cast<size_t>(q.FiftyKeep2 - 1)] = b;
  return shown;
}

bool AudienceBars::pass() {
  bool grew = false;
  for (size_t n = 0; n < 4; ++n) {
    if (steps[n] <= targets[n] + 1) {
      ++steps[n];
      heights[n] = steps[n] + targets[n] / 8 + 1;
      grew = true;
    }
  }
  return grew;
}
