#include <gtest/gtest.h>

#include <QLocale>

#include "game/Ladder.h"
#include "players/GameDuration.h"
#include "players/RecordTexts.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

const MoneyText Money = [](int level) { return AmountText(level); };

RecordEntry entry(int prize, int lastQuestion, const char* status) {
  RecordEntry e;
  e.holder = u8("Zośka & Ola");
  e.prizeLevel = prize;
  e.lastQuestion = lastQuestion;
  e.status = u8(status);
  e.savedAt = QDateTime(QDate(2026, 6, 1), QTime(9, 5, 7));
  e.gameTime = QTime(0, 12, 34);
  return e;
}

TEST(RecordTextsTest, ARowShowsItsPlaceAndHolderAndThePrizeInDollars) {
  const RecordRow empty = recordRow(3, RecordEntry{}, Money);
  EXPECT_EQ(empty.holder, u8("3. NIKT"));
  EXPECT_EQ(empty.prize, u8(" $")) << "an empty place shows the sign alone";
  const RecordRow filled = recordRow(12, entry(15, 15, "Wygrana"), Money);
  EXPECT_EQ(filled.holder, u8("12. Zośka & Ola"));
  EXPECT_EQ(filled.prize, u8("1 MILION $"));
  EXPECT_EQ(recordRow(1, entry(7, 8, "Rezygnacja"), Money).prize, u8("4 000 $"));
}

TEST(RecordTextsTest, TheDetailsOfALostGameNameTheAmountOfTheMissedQuestion) {
  const RecordDetails lost = recordDetails(4, entry(5, 8, "Przegrana"), Money);
  const std::array<QString, 7> expected = {
      u8("Zośka & Ola"),       u8("4"),         u8("1 000 $"), u8("00:12:34"),
      u8("26-06-01 09:05:07"), u8("Przegrana"), u8("8 000 $")};
  EXPECT_EQ(lost.values, expected);
  EXPECT_TRUE(lost.lastQuestionShown);
  EXPECT_FALSE(recordDetails(1, entry(7, 8, "Rezygnacja"), Money).lastQuestionShown);
  EXPECT_FALSE(recordDetails(1, entry(15, 15, "Wygrana"), Money).lastQuestionShown);
}

TEST(RecordTextsTest, ASaveAtExactlyMidnightShowsTheDateAlone) {
  EXPECT_EQ(savedAtText(QDateTime(QDate(2026, 6, 1), QTime(0, 0))), u8("26-06-01"));
  EXPECT_EQ(savedAtText(QDateTime(QDate(2026, 6, 1), QTime(0, 0, 1))), u8("26-06-01 00:00:01"));
  EXPECT_EQ(savedAtText(QDateTime(QDate(2009, 12, 31), QTime(23, 59, 59))),
            u8("09-12-31 23:59:59"));
}

TEST(LongTimeTextTest, ADurationIsAlwaysOnATwentyFourHourClockWithSeconds) {
  const QLocale polish(QLocale::Polish, QLocale::Poland);
  EXPECT_EQ(longTimeText(QTime(0, 0), polish), u8("00:00:00"));
  EXPECT_EQ(longTimeText(QTime(13, 5, 9), polish), u8("13:05:09"));
  EXPECT_EQ(longTimeText(QTime(1, 2, 3), QLocale::c()), u8("01:02:03"));
  // A locale whose clock runs to twelve keeps its own digits but no AM/PM.
  const QLocale american(QLocale::English, QLocale::UnitedStates);
  EXPECT_EQ(longTimeText(QTime(13, 5, 9), american), u8("13:05:09"));
  EXPECT_EQ(longTimeText(QTime(0, 0), american), u8("0:00:00"));
}

}  // namespace
