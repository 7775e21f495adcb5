#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <vector>

#include "questions/Calibration.h"
#include "questions/Question.h"
#include "storage/Cp1250.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"

namespace {

IniFile shippedQuestions() {
  QFile f(QStringLiteral(FORTUNIAK_QUESTIONS_FILE));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return IniFile(fromCp1250(scrambleText(f.readAll())));
}

std::vector<StoredQuestion> shippedLevel(const IniFile& file, int level) {
  std::vector<StoredQuestion> questions;
  while (file.sectionExists(questionSection(static_cast<int>(questions.size()) + 1, level)))
    questions.push_back(StoredQuestion::read(file, static_cast<int>(questions.size()) + 1, level));
  return questions;
}

TEST(ShippedQuestions, EveryLevelHasAHundredGoodQuestionsThatFitTheirLabels) {
  const IniFile file = shippedQuestions();
  QSet<QString> texts;
  for (int level = 1; level <= 15; ++level) {
    int n = 0;
    while (file.sectionExists(questionSection(n + 1, level))) {
      ++n;
      const StoredQuestion q = StoredQuestion::read(file, n, level);
      EXPECT_TRUE(q.usable()) << level << ";" << n << ": "
                              << q.problems().join(u"; ").toStdString();
      EXPECT_LE(q.text.size(), 150) << q.text.toStdString();
      for (const QString& a : q.answers) EXPECT_LE(a.size(), 60) << a.toStdString();
      EXPECT_FALSE(texts.contains(q.text)) << "asked twice: " << q.text.toStdString();
      texts.insert(q.text);
    }
    EXPECT_EQ(n, 100) << "level " << level;
  }
}

// The friend, the audience and the right answer's share keep the tension rising up the ladder.
TEST(ShippedQuestions, TheLifelinesGrowLessSureUpTheLadder) {
  const IniFile file = shippedQuestions();
  double previousShare = 101;
  for (int level = 1; level <= 15; ++level) {
    const LevelCalibration c = calibrate(shippedLevel(file, level));
    const CalibrationTarget t = calibrationTarget(level);
    EXPECT_NEAR(c.friendRightPercent(), t.friendRightPercent, 10) << "level " << level;
    EXPECT_NEAR(c.audienceRightPercent(), t.audienceRightPercent, 10) << "level " << level;
    EXPECT_NEAR(c.meanRightShare, t.meanRightShare, 5) << "level " << level;
    EXPECT_LT(c.meanRightShare, previousShare + 0.5) << "level " << level << " is surer";
    previousShare = c.meanRightShare;
  }
}

TEST(ShippedQuestions, TheAudienceLooksLikeARealCrowd) {
  const IniFile file = shippedQuestions();
  for (int level = 1; level <= 15; ++level)
    for (const StoredQuestion& q : shippedLevel(file, level)) {
      EXPECT_NE(q.audience, (std::array<int, 4>{25, 25, 25, 25})) << q.text.toStdString();
      for (int share : q.audience) EXPECT_LT(share, 100) << q.text.toStdString();
    }
}

}  // namespace
