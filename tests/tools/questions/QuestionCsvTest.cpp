#include <gtest/gtest.h>

#include <algorithm>

#include "questions/Calibration.h"
#include "tools/questions/QuestionCsv.h"
#include "ui/Random.h"

namespace {

const QByteArray kHeader = "poziom,pytanie,A,B,C,D,poprawna\n";

// `count` good rows, the level left empty; question i has its right answer at "ABCD"[i % 4].
QByteArray sheet(int count, const QByteArray& level = {}) {
  QByteArray csv = kHeader;
  for (int i = 0; i < count; ++i)
    csv += level + QStringLiteral(",Pytanie %1?,Alfa %1,Beta %1,Gamma %1,Delta %1,%2\n")
                       .arg(i)
                       .arg(QChar(u'A' + i % 4))
                       .toUtf8();
  return csv;
}

CsvImport import(const QByteArray& csv, std::uint32_t seed = 7) {
  Random random(seed);
  return importQuestions(csv, QStringLiteral("arkusz.csv"), random);
}

// The bounds assets/questions/FORMAT.md gives for the lifelines an import draws.
TEST(QuestionCsv, DrawnLifelinesFollowTheShippedFiguresOnEveryLevel) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const CsvImport imported = import(sheet(3000), seed);
    ASSERT_TRUE(imported.errors.isEmpty()) << imported.errors.join(u'\n').toStdString();
    EXPECT_TRUE(imported.warnings.isEmpty());
    for (int level = 1; level <= 15; ++level) {
      const std::vector<StoredQuestion>& questions = imported.levels[size_t(level - 1)];
      ASSERT_EQ(questions.size(), 200u);
      const LevelCalibration c = calibrate(questions);
      const CalibrationTarget t = calibrationTarget(level);
      EXPECT_NEAR(c.friendRightPercent(), t.friendRightPercent, 0.5) << level;
      EXPECT_NEAR(c.audienceRightPercent(), t.audienceRightPercent, 0.5) << level;
      EXPECT_NEAR(c.meanRightShare, t.meanRightShare, 3) << level;
      for (const StoredQuestion& q : questions) {
        EXPECT_TRUE(q.usable()) << q.problems().join(u"; ").toStdString();
        EXPECT_LT(*std::max_element(q.audience.begin(), q.audience.end()), 100);
        EXPECT_NE(q.audience, (std::array<int, 4>{25, 25, 25, 25}));
        if (q.friendAnswer == q.correct) continue;
        for (int a = 1; a <= 4; ++a) {  // a wrong friend goes with the crowd's favourite wrong one
          if (a == q.correct) continue;
          EXPECT_GE(q.audience[size_t(q.friendAnswer - 1)], q.audience[size_t(a - 1)]);
        }
      }
    }
  }
}

TEST(QuestionCsv, RowsWithoutALevelAreSpreadInFileOrderAndOthersKeepTheirs) {
  QByteArray csv = sheet(30);
  csv += "15,Ostatnie?,Tak,Nie,Może,Nigdy,B\n";
  const CsvImport imported = import(csv);
  ASSERT_TRUE(imported.errors.isEmpty());
  EXPECT_TRUE(imported.warnings.isEmpty());
  for (int level = 1; level <= 14; ++level) {
    const auto& questions = imported.levels[size_t(level - 1)];
    ASSERT_EQ(questions.size(), 2u) << level;
    EXPECT_EQ(questions[0].text, QStringLiteral("Pytanie %1?").arg(2 * level - 2));
    EXPECT_EQ(questions[1].text, QStringLiteral("Pytanie %1?").arg(2 * level - 1));
  }
  ASSERT_EQ(imported.levels[14].size(), 3u);
  EXPECT_EQ(imported.levels[14][2].text, u"Ostatnie?");
  EXPECT_EQ(imported.levels[14][2].correct, 2);
  EXPECT_EQ(imported.levels[0][1].correct, 2) << "question 1 has its answer at B";
}

TEST(QuestionCsv, TooFewQuestionsForEveryLevelSayHowManyMore) {
  const CsvImport imported = import(sheet(10));
  EXPECT_TRUE(imported.errors.isEmpty());
  EXPECT_EQ(imported.warnings,
            QStringList{QStringLiteral("levels without a question: 3, 6, 9, 12, 15; the game "
                                       "needs one on every level at least: add 5 more")});
}

TEST(QuestionCsv, ASheetAsSpreadsheetsSaveIt) {
  // Semicolons, columns in another order and letter case, a column of the sheet's own, a line
  // break and doubled spaces in cells, a lower-case letter and empty rows.
  const QByteArray csv =
      "\xEF\xBB\xBFPytanie;uwagi;POZIOM;poprawna;A;B;C;D\r\n"
      "\"Który  ptak\r\nnie lata?\";łatwe;4;c;Wróbel;Sikora;Struś;Jaskółka\r\n"
      ";;;;;;;\r\n";
  const CsvImport imported = import(csv);
  ASSERT_TRUE(imported.errors.isEmpty()) << imported.errors.join(u'\n').toStdString();
  ASSERT_EQ(imported.levels[3].size(), 1u);
  const StoredQuestion& q = imported.levels[3][0];
  EXPECT_EQ(q.text, u"Który ptak nie lata?");
  EXPECT_EQ(q.answers[2], u"Struś");
  EXPECT_EQ(q.correct, 3);
  EXPECT_TRUE(q.usable());
}

TEST(QuestionCsv, EveryFaultIsReportedWithItsLineAndNoQuestionsAreGiven) {
  QByteArray csv = kHeader;
  csv += "0,Poziom zero?,a,b,c,d,A\n";                               // 2
  csv += ",\"Pytanie\nw dwóch liniach?\",a,b,c,d,X\n";               // 3-4
  csv += ",,a,b,c,d,A\n";                                            // 5
  csv += ",Za krótki wiersz?,a,b,c,A\n";                             // 6
  csv += ",Bez odpowiedzi?,a,,c,d,A\n";                              // 7
  csv += ",Długa odpowiedź?,a," + QByteArray(61, 'b') + ",c,d,A\n";  // 8
  const CsvImport imported = import(csv);
  EXPECT_EQ(imported.errors,
            QStringList({QStringLiteral("arkusz.csv:2: poziom \"0\" is not a level 1-15"),
                         QStringLiteral("arkusz.csv:3: poprawna \"X\" is not A, B, C or D"),
                         QStringLiteral("arkusz.csv:5: pytanie: the question is empty"),
                         QStringLiteral("arkusz.csv:6: 6 columns, the header has 7"),
                         QStringLiteral("arkusz.csv:7: B: the answer is empty"),
                         QStringLiteral("arkusz.csv:8: B: 61 characters, more than 60")}));
  EXPECT_TRUE(imported.warnings.isEmpty()) << "the faults come first";
  EXPECT_TRUE(import(kHeader).errors.contains(u"arkusz.csv:1: no questions under the header"));
  EXPECT_TRUE(import({}).errors.contains(u"arkusz.csv:1: the file is empty"));
}

TEST(QuestionCsv, ALevelHoldsAsManyQuestionsAsTheGameReads) {
  const CsvImport imported = import(sheet(256, "7"));
  EXPECT_EQ(imported.errors, QStringList{QStringLiteral(
                                 "arkusz.csv:257: level 7 already has 255 questions, the most "
                                 "the game reads")});
}

TEST(QuestionCsv, ExportWritesEveryQuestionWithItsLevel) {
  QuestionLevels levels(15);
  StoredQuestion q;
  q.text = QStringLiteral("Kto, jak i \"gdzie\"?");
  q.answers = {QStringLiteral("Ja"), QStringLiteral("Ty"), QStringLiteral("On"),
               QStringLiteral("Ona")};
  q.correct = 4;
  levels[11].push_back(q);
  EXPECT_EQ(QString::fromUtf8(exportQuestions(levels)),
            QStringLiteral("poziom,pytanie,A,B,C,D,poprawna\n"
                           "12,\"Kto, jak i \"\"gdzie\"\"?\",Ja,Ty,On,Ona,D\n"));
}

}  // namespace
