#include <gtest/gtest.h>

#include "players/Profile.h"

namespace {

TEST(ProfileDates, TwoDigitYearsFallInTheHundredYearsEndingNow) {
  EXPECT_EQ(fullYear(75, 2026), 1975);
  EXPECT_EQ(fullYear(11, 2026), 2011);
  EXPECT_EQ(fullYear(26, 2026), 2026);
  EXPECT_EQ(fullYear(27, 2026), 1927);
  EXPECT_EQ(fullYear(0, 2026), 2000);
  EXPECT_EQ(fullYear(99, 2000), 1999);
  EXPECT_EQ(fullYear(0, 2000), 2000);
}

TEST(ProfileDates, TextsAreYearMonthDayAndTwentyFourHourTimes) {
  EXPECT_EQ(dateText(QDate(2011, 11, 11)), u"11-11-11");
  EXPECT_EQ(dateText(QDate(1980, 2, 9)), u"80-02-09");
  EXPECT_EQ(dateText(QDate(2000, 1, 1)), u"00-01-01");
  EXPECT_EQ(timeText(QTime(0, 0)), u"00:00:00");
  EXPECT_EQ(dateTimeText(QDateTime(QDate(2011, 11, 11), QTime(0, 0))), u"11-11-11 00:00:00");
  EXPECT_EQ(dateTimeText(QDateTime(QDate(2026, 12, 8), QTime(17, 5, 9))), u"26-12-08 17:05:09");
}

TEST(ProfileDates, ParsingReadsBackWhatIsWrittenAndRefusesTheRest) {
  const QDate today(2026, 12, 8);
  EXPECT_EQ(parseDateTimeText(QStringLiteral("75-03-14"), today)->date(), QDate(1975, 3, 14));
  EXPECT_EQ(*parseDateTimeText(QStringLiteral("11-11-11 00:00:00"), today),
            QDateTime(QDate(2011, 11, 11), QTime(0, 0)));
  EXPECT_EQ(parseDateTimeText(QStringLiteral("26-12-08 23:59:58"), today)->time(),
            QTime(23, 59, 58));
  for (const char* bad : {"", "RR-MM-DD", "80-13-01", "81-02-29", "11-11", "11/11/11",
                          "11-11-11 25:00:00", "11-11-11x", " 1-11-11"})
    EXPECT_FALSE(parseDateTimeText(QString::fromLatin1(bad), today).has_value()) << bad;
}

TEST(ProfileDates, AgeCountsWholeYearsOfDaysEitherWay) {
  const QDateTime birth(QDate(2011, 11, 11), QTime(0, 0));
  EXPECT_EQ(ageInYears(birth, QDateTime(QDate(2026, 6, 1), QTime(12, 0))), 14);
  EXPECT_EQ(ageInYears(QDateTime(QDate(1975, 3, 14), QTime(0, 0)),
                       QDateTime(QDate(2026, 12, 8), QTime(0, 0))),
            51);
  EXPECT_EQ(ageInYears(QDateTime(QDate(2030, 1, 1), QTime(0, 0)),
                       QDateTime(QDate(2026, 1, 1), QTime(0, 0))),
            4)
      << "a birth date in the future gives a positive age";
}

TEST(ProfileDates, TheAnonymousPlayerStartsBornOnTheEleventhOfNovember2011) {
  const Profile p = AnonymousPlayer();
  EXPECT_EQ(p.name, u"Gracz anonimowy");
  EXPECT_EQ(p.place, u"bezdomny");
  EXPECT_EQ(p.birthDate, QDateTime(QDate(2011, 11, 11), QTime(0, 0)));
  EXPECT_EQ(p.sex, u'M');
  EXPECT_TRUE(p.password.isEmpty());
}

TEST(ProfileNames, OnlyNamesTheDataFileGivesBackUnchangedAreStorable) {
  for (const char* ok : {"Jan", "Zażółć Gęśląjaźń", "Anna-Maria", "Jan Kowalski 2", "A=B", "50%"})
    EXPECT_TRUE(isStorableName(QString::fromUtf8(ok))) << ok;
  for (const char* bad :
       {"[Jan", "Jan]", "Ja]n", ";Jan", " Jan", "Jan ", "Ja\tn", "Mañana", "日本"})
    EXPECT_FALSE(isStorableName(QString::fromUtf8(bad))) << bad;
  EXPECT_TRUE(isStorableName(QStringLiteral("Jan;")));
  EXPECT_TRUE(isStorableValue(QStringLiteral("Kołobrzeg [PL]")));
  EXPECT_FALSE(isStorableValue(QStringLiteral("\"quoted\"")));
  EXPECT_FALSE(isStorableValue(QStringLiteral(" space")));
}

}  // namespace
