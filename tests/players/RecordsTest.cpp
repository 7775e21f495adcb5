#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

#include "players/GameDuration.h"
#include "players/Records.h"
#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/ScrambleFile.h"
#include "tests/support/ReadOnlyFolder.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

const QDateTime Now(QDate(2026, 6, 1), QTime(12, 30));
const QDateTime Start(QDate(2026, 6, 1), QTime(22, 15, 30));

TEST(GameDurationTest, HoursMinutesWithinTheHourAndSecondsWithinTheMinute) {
  EXPECT_EQ(GameDuration(Start.addSecs(3723), Start), QTime(1, 2, 3));
  EXPECT_EQ(GameDuration(Start.addMSecs(3723999), Start), QTime(1, 2, 3)) << "cut, not rounded";
  EXPECT_EQ(GameDuration(Start.addSecs(59 * 60 + 59), Start), QTime(0, 59, 59));
  EXPECT_EQ(GameDuration(Start.addSecs(7 * 3600), Start), QTime(7, 0, 0)) << "past midnight";
  EXPECT_EQ(GameDuration(Start, Start), QTime(0, 0));
  EXPECT_EQ(GameDuration(Start, Start.addSecs(3723)), QTime(1, 2, 3)) << "a clock set back";
}

TEST(GameDurationTest, ADayOrMoreWrapsAsATimeOfDayWhileTheLengthTextKeepsItsHours) {
  const QDateTime longGame = Start.addSecs(25 * 3600 + 3);
  EXPECT_EQ(GameDuration(longGame, Start), QTime(1, 0, 3));
  EXPECT_EQ(gameLengthText(longGame, Start), u8("25:00:03"));
  EXPECT_EQ(GameDuration(Start, longGame), QTime(1, 0, 3)) << "a clock set back";
  EXPECT_EQ(gameLengthText(Start, longGame), u8("25:00:03"));

  EXPECT_EQ(GameDuration(Start.addMSecs(86399999), Start), QTime(23, 59, 59));
  EXPECT_EQ(gameLengthText(Start.addMSecs(86399999), Start), u8("23:59:59"));
  EXPECT_EQ(GameDuration(Start.addSecs(86400), Start), QTime(0, 0));
  EXPECT_EQ(gameLengthText(Start.addSecs(86400), Start), u8("24:00:00"));
  EXPECT_EQ(GameDuration(Start.addDays(400).addSecs(5), Start), QTime(0, 0, 5));
  EXPECT_EQ(gameLengthText(Start.addDays(400).addSecs(5), Start), u8("9600:00:05"));
}

TEST(GameDurationTest, TheLengthTextHasNoLeadingZeroHour) {
  EXPECT_EQ(gameLengthText(Start.addSecs(3723), Start), u8("1:02:03"));
  EXPECT_EQ(gameLengthText(Start.addMSecs(3723999), Start), u8("1:02:03")) << "cut, not rounded";
  EXPECT_EQ(gameLengthText(Start.addSecs(9 * 60 + 7), Start), u8("0:09:07"));
  EXPECT_EQ(gameLengthText(Start, Start), u8("0:00:00"));
  EXPECT_EQ(gameLengthText(Start.addSecs(10 * 3600 + 59), Start), u8("10:00:59"));
}

TEST(GameDurationTest, TimeTextsReadWithOneOrTwoHourDigits) {
  EXPECT_EQ(parseTimeText(u8("01:02:03")), QTime(1, 2, 3));
  EXPECT_EQ(parseTimeText(u8("1:02:03")), QTime(1, 2, 3));
  EXPECT_EQ(parseTimeText(u8(" 23:59:59 ")), QTime(23, 59, 59));
  for (const char* bad : {"", "24:00:00", "1:2:3", "00:60:00", "zle", "01:02"})
    EXPECT_FALSE(parseTimeText(u8(bad)).has_value()) << bad;
}

RecordEntry entry(const char* holder, int level) {
  RecordEntry e;
  e.holder = u8(holder);
  e.prizeLevel = level;
  e.lastQuestion = level + 1;
  e.status = u8("Rezygnacja");
  e.savedAt = QDateTime(QDate(2026, 5, 30), QTime(18, 4, 9));
  e.gameTime = QTime(0, 12, 34);
  return e;
}

// The six lines of one place as the data file holds them.
QString placeText(int place, const QString& holder, int level, int question, const char* status,
                  const char* saved, const char* time) {
  return QStringLiteral("N%1=%2\r\nP%1=%3\r\nO%1=%4\r\nS%1=%5\r\nD%1=%6\r\nC%1=%7\r\n")
      .arg(place)
      .arg(holder)
      .arg(level)
      .arg(question)
      .arg(u8(status), u8(saved), u8(time));
}

QString emptyPlaces(int from) {
  QString text;
  for (int place = from; place <= RecordPlaces; ++place)
    text += placeText(place, u8("NIKT"), 0, 0, "-----", "11-11-11 00:00:00", "00:00:00");
  return text;
}

class RecordsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  QString appDir() const { return dir.path() + u'/'; }
  DataFile file() const { return DataFile(appDir(), u8("Opcje.oFK"), testMode); }
  void writePlain(const QString& text) {
    QFile f(file().path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(scrambleText(*toCp1250(text)));
  }
  QString plainText() const {
    QFile f(file().path());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return fromCp1250(scrambleText(f.readAll()));
  }
  // A table of the given levels, holders "A", "B", ... in that order.
  void seed(const QString& owner, const std::vector<int>& levels) {
    QString text = u8("[Q") + owner + u8("]\r\n");
    for (size_t i = 0; i < levels.size(); ++i)
      text += placeText(int(i) + 1, QString(QChar(u'A' + int(i))), levels[i], 15, "Wygrana",
                        "26-01-02 03:04:05", "00:20:00");
    writePlain(plainText() + text);
  }
  QString holders(const QString& owner) const {
    QString out;
    for (const RecordEntry& e : store.ReadTable(owner))
      out += e.prizeLevel > 0 ? e.holder + QString::number(e.prizeLevel) + u' ' : QString();
    return out.trimmed();
  }

  QTemporaryDir dir;
  bool testMode = false;
  RecordsStore store{[this] { return file(); }, [] { return Now; }};
};

TEST_F(RecordsTest, AnEmptyTableReadsAsFifteenDefaultPlaces) {
  const RecordEntry none = store.ReadRecord(u8("Jan"), 1);
  EXPECT_EQ(none.holder, u8("NIKT"));
  EXPECT_EQ(none.prizeLevel, 0);
  EXPECT_EQ(none.lastQuestion, 0);
  EXPECT_EQ(none.status, u8("-----"));
  EXPECT_EQ(none.savedAt, QDateTime(QDate(2011, 11, 11), QTime(0, 0)));
  EXPECT_EQ(none.gameTime, QTime(0, 0));
  for (const RecordEntry& e : store.ReadTable(u8("Gracz anonimowy"))) EXPECT_EQ(e, none);
  EXPECT_FALSE(QFile::exists(file().path())) << "reading creates no file";

  writePlain(u8("[QJan]\r\nN0=Zero\r\nN16=Szesnaście\r\n"));
  EXPECT_EQ(store.ReadRecord(u8("Jan"), 0), none) << "only places 1 to 15 exist";
  EXPECT_EQ(store.ReadRecord(u8("Jan"), 16), none);
}

TEST_F(RecordsTest, APlaceReadsEveryKeyAndFallsBackOnWhatIsUnreadable) {
  writePlain(u8("[QJan]\r\n") +
             placeText(2, u8("Łucja"), 11, 12, "Przegrana", "80-02-09 07:08:09", "1:02:03") +
             u8("N3=Ola\r\nP3=20\r\nO3=-1\r\nD3=zle\r\nC3=25:00:00\r\n"));
  const RecordEntry second = store.ReadRecord(u8("jan"), 2);
  EXPECT_EQ(second.holder, u8("Łucja"));
  EXPECT_EQ(second.prizeLevel, 11);
  EXPECT_EQ(second.lastQuestion, 12);
  EXPECT_EQ(second.status, u8("Przegrana"));
  EXPECT_EQ(second.savedAt, QDateTime(QDate(1980, 2, 9), QTime(7, 8, 9)));
  EXPECT_EQ(second.gameTime, QTime(1, 2, 3));

  const RecordEntry third = store.ReadRecord(u8("Jan"), 3);
  EXPECT_EQ(third.holder, u8("Ola"));
  EXPECT_EQ(third.prizeLevel, 0) << "no step 20 on the ladder";
  EXPECT_EQ(third.lastQuestion, 0);
  EXPECT_EQ(third.status, u8("-----"));
  EXPECT_EQ(third.savedAt, RecordEntry{}.savedAt);
  EXPECT_EQ(third.gameTime, QTime(0, 0));
}

TEST_F(RecordsTest, HostileValuesReadAsTheirKeysDefaults) {
  writePlain(u8("[QJan]\r\n") + placeText(1, u8("A"), -1, 16, "wygrana", "26-13-01", "24:00:00") +
             placeText(2, u8("B"), 16, -3, "Zwycięstwo", "26-02-30 12:00:00", "-1:00:00") +
             placeText(3, u8("C"), 0x7fffffff, 99999, "", "26-01-01 25:00:00", "12:60:00") +
             u8("P4=99999999999\r\nO4=0x10\r\nS4=Wygrana \r\n") +
             u8("P5=0xF\r\nO5=15\r\nS5=Przegrana\r\nP6=15\r\nS6=Rezygnacja\r\nS7=-----\r\n"));
  const RecordEntry none;
  for (int place = 1; place <= 3; ++place) {
    SCOPED_TRACE(place);
    const RecordEntry e = store.ReadRecord(u8("Jan"), place);
    EXPECT_EQ(e.prizeLevel, 0) << "no such ladder step";
    EXPECT_EQ(e.lastQuestion, 0);
    EXPECT_EQ(e.status, none.status) << "no outcome word";
    EXPECT_EQ(e.savedAt, none.savedAt);
    EXPECT_EQ(e.gameTime, none.gameTime);
  }
  const RecordEntry fourth = store.ReadRecord(u8("Jan"), 4);
  EXPECT_EQ(fourth.prizeLevel, 0) << "too big for an integer";
  EXPECT_EQ(fourth.lastQuestion, 0) << "0x10 is 16";
  EXPECT_EQ(fourth.status, u8("Wygrana")) << "spaces around a value are no part of it";

  const RecordEntry fifth = store.ReadRecord(u8("Jan"), 5);
  EXPECT_EQ(fifth.prizeLevel, 15) << "the ends of the ladder are steps";
  EXPECT_EQ(fifth.lastQuestion, 15);
  EXPECT_EQ(fifth.status, u8("Przegrana"));
  EXPECT_EQ(store.ReadRecord(u8("Jan"), 6).status, u8("Rezygnacja"));
  EXPECT_EQ(store.ReadRecord(u8("Jan"), 7).status, none.status);

  ASSERT_TRUE(store.InsertRecord(u8("Jan"), entry("X", 3)));
  EXPECT_EQ(holders(u8("Jan")), u8("X3 NIKT15 NIKT15")) << "the hostile first place was empty";
  for (const RecordEntry& e : store.ReadTable(u8("Jan")))
    EXPECT_TRUE(e.prizeLevel >= 0 && e.prizeLevel <= 15 && e.lastQuestion >= 0 &&
                e.lastQuestion <= 15);
  EXPECT_FALSE(plainText().contains(u8("P2=16"))) << "written back as what they read as";
  EXPECT_TRUE(plainText().contains(u8("P3=0\r\nO3=0\r\nS3=-----\r\n")));
}

TEST_F(RecordsTest, AnEntryIsStoredOnlyAsItWillReadBack) {
  seed(u8("Gracz anonimowy"), {5});
  const QString before = plainText();
  for (int level : {-1, 16, 1000}) {
    SCOPED_TRACE(level);
    EXPECT_TRUE(store.InsertRecord(u8("Jan"), entry("X", level)));
    EXPECT_EQ(plainText(), before) << "a level off the ladder enters no table";
  }

  RecordEntry odd = entry("Y", 4);
  odd.lastQuestion = 40;
  odd.status = u8("Zwycięstwo");
  odd.gameTime = QTime();
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), odd));
  RecordEntry expected = odd;
  expected.lastQuestion = 0;
  expected.status = u8("-----");
  expected.gameTime = QTime(0, 0);
  EXPECT_EQ(store.ReadRecord(u8("Gracz anonimowy"), 2), expected);
  EXPECT_TRUE(
      plainText().contains(u8("O2=0\r\nS2=-----\r\nD2=26-05-30 18:04:09\r\nC2=00:00:00\r\n")))
      << "written as the defaults, not left for the reading to mend";
}

TEST_F(RecordsTest, AnOwnerWhoseSectionCannotBeWrittenFailsAndTheOverallTableOnceOnly) {
  EXPECT_FALSE(store.InsertRecord(u8("Jan\nKowalski"), entry("Jan", 4)))
      << "no section name holds a line break";
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("Jan4")) << "the overall table still takes it";

  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy "), entry("Ola", 5)));
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("Ola5 Jan4"))
      << "spaces at the end of a section name are no part of it";
}

TEST_F(RecordsTest, AnInsertionWritesAllFifteenPlacesInKeyOrder) {
  writePlain(u8("[QJan]\r\nImi=Jan\r\nSG_I=3\r\n"));
  ASSERT_TRUE(store.InsertRecord(u8("Jan"), entry("Jan", 6)));
  const QString first =
      placeText(1, u8("Jan"), 6, 7, "Rezygnacja", "26-05-30 18:04:09", "00:12:34") + emptyPlaces(2);
  EXPECT_EQ(plainText(),
            u8("[QJan]\r\nImi=Jan\r\nSG_I=3\r\n") + first + u8("[QGracz anonimowy]\r\n") + first)
      << "the player's keys stay; the overall table had room";
  EXPECT_EQ(store.ReadRecord(u8("Jan"), 1), entry("Jan", 6));
}

TEST_F(RecordsTest, AnEntryGoesBehindEveryEqualOrHigherLevel) {
  seed(u8("Gracz anonimowy"), {10, 7, 7, 5});
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("X", 7)));
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("A10 B7 C7 X7 D5"));
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("T", 12)));
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("T12 A10 B7 C7 X7 D5"));
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("K", 1)));
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("T12 A10 B7 C7 X7 D5 K1"));
}

TEST_F(RecordsTest, AFullTableLosesItsFifteenthPlaceOnlyToABetterEntry) {
  seed(u8("Gracz anonimowy"), {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 2});
  const QString before = plainText();
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("X", 2)));
  EXPECT_EQ(plainText(), before) << "a tie with place 15 is no better";
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("Y", 0)));
  EXPECT_EQ(plainText(), before) << "a game that won nothing enters no table";

  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("X", 3)));
  EXPECT_EQ(holders(u8("Gracz anonimowy")),
            u8("A15 B14 C13 D12 E11 F10 G9 H8 I7 J6 K5 L4 M3 X3 N2"));
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("Z", 9)));
  EXPECT_EQ(holders(u8("Gracz anonimowy")),
            u8("A15 B14 C13 D12 E11 F10 G9 Z9 H8 I7 J6 K5 L4 M3 X3"));
  const RecordEntry eighth = store.ReadRecord(u8("Gracz anonimowy"), 8);
  EXPECT_EQ(eighth, entry("Z", 9)) << "every field of the entry is stored";
  const RecordEntry ninth = store.ReadRecord(u8("Gracz anonimowy"), 9);
  EXPECT_EQ(ninth.lastQuestion, 15) << "moved places keep their fields";
  EXPECT_EQ(ninth.savedAt, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
}

TEST_F(RecordsTest, ANamedPlayersEntryEntersTheOverallTableOnlyWhenItBeatsPlaceFifteen) {
  seed(u8("Gracz anonimowy"), std::vector<int>(15, 8));
  seed(u8("Jan"), {5});
  const QString overall = plainText().section(u8("[QJan]"), 0, 0);

  ASSERT_TRUE(store.InsertRecord(u8("Jan"), entry("Jan", 8)));
  EXPECT_EQ(holders(u8("Jan")), u8("Jan8 A5"));
  EXPECT_EQ(plainText().section(u8("[QJan]"), 0, 0), overall) << "a tie does not enter";

  ASSERT_TRUE(store.InsertRecord(u8("Jan"), entry("Jan", 9)));
  EXPECT_EQ(holders(u8("Jan")), u8("Jan9 Jan8 A5"));
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("Jan9 A8 B8 C8 D8 E8 F8 G8 H8 I8 J8 K8 L8 M8 N8"));
}

TEST_F(RecordsTest, TheAnonymousPlayersGameGoesIntoTheOverallTableOnce) {
  seed(u8("Jan"), {3});
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("Ala", 4)));
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("Ala4"));
  EXPECT_EQ(holders(u8("Jan")), u8("A3"));
  ASSERT_TRUE(store.InsertRecord(u8("gracz ANONIMOWY"), entry("Ola", 5)));
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("Ola5 Ala4"))
      << "the same section in other letter case is the overall table too";
}

TEST_F(RecordsTest, AHolderWithLettersTheFileCannotHoldIsStillRecorded) {
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("Żora Жора 🙂", 2)));
  EXPECT_EQ(store.ReadRecord(u8("Gracz anonimowy"), 1).holder, u8("Żora ???? ?"));
}

TEST_F(RecordsTest, InTestModeThePlainCopyShowsTheFileAfterTheInsertion) {
  testMode = true;
  ASSERT_TRUE(store.InsertRecord(u8("Gracz anonimowy"), entry("Ala", 4)));
  QFile copy(appDir() + u8("Opcje.txt"));
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(fromCp1250(copy.readAll()), plainText());
  EXPECT_TRUE(plainText().contains(u8("N1=Ala\r\n")));
}

TEST_F(RecordsTest, ClearingRemovesOnlyTheTablesKeys) {
  writePlain(u8("[QJan]\r\nImi=Jan\r\nSG_I=3\r\n"));
  ASSERT_TRUE(store.InsertRecord(u8("Jan"), entry("Jan", 6)));
  ASSERT_TRUE(store.InsertRecord(u8("Jan"), entry("Jan", 2)));
  ASSERT_TRUE(store.ClearRecords(u8("Jan")));
  EXPECT_TRUE(plainText().startsWith(u8("[QJan]\r\nImi=Jan\r\nSG_I=3\r\n[QGracz anonimowy]\r\n")));
  EXPECT_EQ(holders(u8("Jan")), QString());
  EXPECT_EQ(holders(u8("Gracz anonimowy")), u8("Jan6 Jan2")) << "the overall table stays";
  ASSERT_TRUE(store.ClearRecords(u8("Gracz anonimowy")));
  EXPECT_EQ(plainText(), u8("[QJan]\r\nImi=Jan\r\nSG_I=3\r\n[QGracz anonimowy]\r\n"));
}

TEST_F(RecordsTest, AFailedWriteIsReportedAndChangesNothing) {
  seed(u8("Jan"), {5});
  const QString before = plainText();
  const ReadOnlyFolder locked(dir.path());
  if (!locked.holds()) GTEST_SKIP() << "this system cannot make a folder read-only";
  EXPECT_FALSE(store.InsertRecord(u8("Jan"), entry("Jan", 9)));
  EXPECT_FALSE(store.ClearRecords(u8("Jan")));
  EXPECT_EQ(plainText(), before);
}

TEST_F(RecordsTest, AFileThatCannotBeReadIsNeverOverwritten) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(u8("Opcje.oFK")));
  EXPECT_FALSE(store.InsertRecord(u8("Gracz anonimowy"), entry("Ala", 4)));
  EXPECT_TRUE(QFileInfo(file().path()).isDir());
}

}  // namespace
