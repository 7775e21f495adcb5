#include "tools/questions/LifelineDraw.h"

#include <algorithm>
#include <cmath>

#include "questions/Calibration.h"
#include "ui/Random.h"

namespace {

// How far a question's right share strays from its kind's mean, either way.
constexpr int Spread = 8;

// `count` of `n` marks set, at random places.
std::vector<bool> marks(size_t n, long count, Random& random) {
  std::vector<bool> out(n, false);
  std::fill_n(out.begin(), std::clamp<long>(count, 0, long(n)), true);
  for (size_t i = n; i > 1; --i) {
    const size_t j = size_t(random.between(0, int(i - 1)));
    std::vector<bool>::swap(out[i - 1], out[j]);
  }
  return out;
}

// Shares `total` among the answers `who`, each at most `cap` (total <= cap * who.size()).
void share(std::array<int, 4>& audience, const std::vector<int>& who, int total, int cap,
           Random& random) {
  std::vector<int> weight;
  int sum = 0;
  for (size_t i = 0; i < who.size(); ++i) sum += weight.emplace_back(random.between(1, 10));
  int given = 0;
  for (size_t i = 0; i < who.size(); ++i)
    given += audience[size_t(who[i])] = total * weight[i] / sum;
  for (; given < total; ++given)
    ++audience[size_t(who[size_t(random.between(0, int(who.size()) - 1))])];
  auto byShare = [&](int a, int b) { return audience[size_t(a)] < audience[size_t(b)]; };
  for (;;) {
    const int most = *std::max_element(who.begin(), who.end(), byShare);
    if (audience[size_t(most)] <= cap) break;
    --audience[size_t(most)];
    ++audience[size_t(*std::min_element(who.begin(), who.end(), byShare))];
  }
}

void drawAudience(StoredQuestion& q, bool favouriteRight, double rightMean, double wrongMean,
                  Random& random) {
  const int right = q.correct - 1;
  std::vector<int> wrong;
  for (int i = 0; i < 4; ++i)
    if (i != right) wrong.push_back(i);
  q.audience = {};
  const int noise = random.between(-Spread, Spread);
  if (favouriteRight) {
    // Above a quarter the right answer can lead three wrong ones; well below 100.
    const int s = std::clamp(int(std::lround(rightMean)) + noise, 27, 90);
    q.audience[size_t(right)] = s;
    share(q.audience, wrong, 100 - s, s - 1, random);
    return;
  }
  const int s = std::clamp(int(std::lround(wrongMean)) + noise, 3, 40);
  const size_t pick = size_t(random.between(0, 2));
  const int favourite = wrong[pick];
  // The favourite leads the right answer and can lead the other two.
  const int f = std::max(s + random.between(3, 15), (100 - s + 2) / 3 + 1);
  q.audience[size_t(right)] = s;
  q.audience[size_t(favourite)] = f;
  wrong.erase(wrong.begin() + long(pick));
  share(q.audience, wrong, 100 - s - f, f, random);
}

}  // namespace

void drawLifelines(std::vector<StoredQuestion>& level, int levelNumber, Random& random) {
  const size_t n = level.size();
  if (n == 0) return;
  const CalibrationTarget target = calibrationTarget(levelNumber);
  const long friendRight = std::lround(target.friendRightPercent * double(n) / 100);
  const long favouriteRight = std::lround(target.audienceRightPercent * double(n) / 100);
  const std::vector<bool> friendMarks = marks(n, friendRight, random);
  const std::vector<bool> favouriteMarks = marks(n, favouriteRight, random);
  // A wrong favourite leaves the right answer well under the level's mean (and room for the
  // favourite above it); the rest make the mean up.
  const double wrongMean = std::min(target.meanRightShare * 0.6, 32.0);
  const double rightShare = double(favouriteRight) / double(n);
  const double rightMean =
      favouriteRight ? (target.meanRightShare - (1 - rightShare) * wrongMean) / rightShare : 0;
  for (size_t i = 0; i < n; ++i) {
    StoredQuestion& q = level[i];
    drawAudience(q, favouriteMarks[i], rightMean, wrongMean, random);
    std::vector<int> wrong;
    for (int a = 1; a <= 4; ++a)
      if (a != q.correct) wrong.push_back(a);
    const auto crowd = std::max_element(wrong.begin(), wrong.end(), [&](int a, int b) {
      return q.audience[size_t(a - 1)] < q.audience[size_t(b - 1)];
    });
    q.friendAnswer = friendMarks[i] ? q.correct : *crowd;
    wrong.erase(wrong.begin() + random.between(0, 2));
    q.fiftyOut1 = wrong[0];
    q.fiftyOut2 = wrong[1];
  }
}
