#include <gtest/gtest.h>

#include "game/Ladder.h"
#include "ui/Theme.h"

namespace {

TEST(Ladder, AmountTexts) {
  EXPECT_EQ(AmountText(0), QString());
  EXPECT_EQ(AmountText(1), QStringLiteral("100"));
  EXPECT_EQ(AmountText(4), QStringLiteral("500"));
  EXPECT_EQ(AmountText(5), QStringLiteral("1 000"));
  EXPECT_EQ(AmountText(9), QStringLiteral("16 000"));
  EXPECT_EQ(AmountText(12), QStringLiteral("125 000"));
  EXPECT_EQ(AmountText(14), QStringLiteral("500 000"));
  EXPECT_EQ(AmountText(15), QStringLiteral("1 MILION"));
  EXPECT_EQ(AmountText(-1), QString());
  EXPECT_EQ(AmountText(16), QString());
}

TEST(Ladder, AmountTextsAreTheLadderDollarsGroupedByThrees) {
  for (int level = 1; level <= 14; ++level) {
    const QString text = AmountText(level);
    EXPECT_EQ(QString(text).remove(QLatin1Char(' ')).toInt(), LadderAmounts[level]) << level;
    const QStringList groups = text.split(QLatin1Char(' '));
    for (qsizetype i = 1; i < groups.size(); ++i)
      EXPECT_EQ(groups[i].size(), 3) << text.toStdString();
    EXPECT_LE(groups.front().size(), 3) << text.toStdString();
  }
  EXPECT_EQ(LadderAmounts[0], 0);
  EXPECT_EQ(LadderAmounts[11], 64000) << "a resignation at 12 adds this to the player's total";
  EXPECT_EQ(LadderAmounts[15], 1000000);
}

TEST(Ladder, WrongAnswerFallsBackToTheLastGuaranteedStep) {
  for (int level = 1; level <= 5; ++level)
    EXPECT_EQ(keptAfterWrongAnswer(level), (KeptAmount{QStringLiteral("0"), 0})) << level;
  for (int level = 6; level <= 10; ++level)
    EXPECT_EQ(keptAfterWrongAnswer(level), (KeptAmount{QStringLiteral("1 000"), 5})) << level;
  for (int level = 11; level <= 15; ++level)
    EXPECT_EQ(keptAfterWrongAnswer(level), (KeptAmount{QStringLiteral("32 000"), 10})) << level;
}

TEST(Ladder, ResignationKeepsTheStepReached) {
  EXPECT_EQ(keptAfterResignation(2), (KeptAmount{QStringLiteral("100"), 1}));
  EXPECT_EQ(keptAfterResignation(6), (KeptAmount{QStringLiteral("1 000"), 5}));
  EXPECT_EQ(keptAfterResignation(12), (KeptAmount{QStringLiteral("64 000"), 11}));
  EXPECT_EQ(keptAfterResignation(15), (KeptAmount{QStringLiteral("500 000"), 14}));
}

TEST(Ladder, RowsArePaintedTopDownWithOneDigitNumbersShifted) {
  const auto rows = ladderRows(1);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(rows[i].level, 15 - i);
  EXPECT_EQ(rows.front().top, 54);
  EXPECT_EQ(rows.back().top, 320);
  for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_EQ(rows[i].top - rows[i - 1].top, 19);
  for (const LadderRow& row : rows) EXPECT_EQ(row.numberX, row.level < 10 ? 29 : 20) << row.level;
}

TEST(Ladder, FirstQuestionHighlightsNothing) {
  for (const LadderRow& row : ladderRows(1)) {
    EXPECT_FALSE(row.highlighted) << row.level;
    EXPECT_FALSE(row.diamond) << row.level;
    EXPECT_EQ(row.fill, QColor(Qt::black)) << row.level;
  }
}

TEST(Ladder, TheWonStepIsHighlightedAndTheStepsBelowCarryDiamonds) {
  for (int level = 2; level <= 15; ++level) {
    for (const LadderRow& row : ladderRows(level)) {
      EXPECT_EQ(row.highlighted, row.level == level - 1) << level << " " << row.level;
      EXPECT_EQ(row.diamond, row.level < level - 1) << level << " " << row.level;
    }
  }
  const auto atSeven = ladderRows(7);
  const LadderRow& six = atSeven[15 - 6];
  EXPECT_TRUE(six.highlighted);
  EXPECT_EQ(six.fill, theme::Orange);
  EXPECT_EQ(six.text, QColor(Qt::black));
  EXPECT_EQ(six.numberColour, theme::Ivory);
  EXPECT_TRUE(atSeven[15 - 1].diamond);
  EXPECT_TRUE(atSeven[15 - 5].diamond);
  EXPECT_FALSE(atSeven[15 - 7].diamond);
}

TEST(Ladder, GuaranteedStepsAreIvoryUnlessHighlighted) {
  for (int level = 1; level <= 15; ++level) {
    for (const LadderRow& row : ladderRows(level)) {
      if (row.highlighted) continue;
      const QColor expected = row.level % 5 == 0 ? theme::Ivory : theme::Orange;
      EXPECT_EQ(row.fill, QColor(Qt::black)) << level << " " << row.level;
      EXPECT_EQ(row.text, expected) << level << " " << row.level;
      EXPECT_EQ(row.numberColour, expected) << level << " " << row.level;
    }
  }
  const LadderRow five = ladderRows(6)[15 - 5];
  EXPECT_TRUE(five.highlighted);
  EXPECT_EQ(five.text, QColor(Qt::black));
  EXPECT_EQ(theme::Orange, QColor(0xFF8000));
  EXPECT_EQ(theme::Ivory, QColor(0xFFFFEB));
}

}  // namespace
