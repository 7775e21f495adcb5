#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <limits>

#include "stats/PlayerStats.h"
#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/ScrambleFile.h"
#include "tests/support/ReadOnlyFolder.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

class StatsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  QString appDir() const { return dir.path() + u'/'; }
  DataFile file() const { return DataFile(appDir(), u8("Opcje.oFK"), false); }
  void writePlain(const char* text) {
    QFile f(file().path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(scrambleText(*toCp1250(u8(text))));
  }
  QString plainText() const {
    QFile f(file().path());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return fromCp1250(scrambleText(f.readAll()));
  }

  QTemporaryDir dir;
  StatsStore store{[this] { return file(); }};
};

PlayerStats sampleStats() {
  PlayerStats s;
  s.TotalWon = 1064000;
  s.TotalTime = QTime(3, 4, 5);
  s.Games = 9;
  s.Resigned = 4;
  s.Lost = 3;
  s.Millions = 1;
  s.Friends[0] = {5, 4, 1};
  s.Friends[3] = {2, 0, 2};
  return s;
}

TEST_F(StatsStoreTest, MissingAndUnreadableValuesReadAsZeroAndMidnight) {
  const PlayerStats none = store.LoadStats(u8("Jan"));
  EXPECT_EQ(none, PlayerStats{});
  EXPECT_EQ(none.TotalTime, QTime(0, 0));
  EXPECT_EQ(none.Games, 0);
  EXPECT_FALSE(QFile::exists(file().path())) << "reading creates no file";

  writePlain(
      "[QJan]\r\nImi=Jan\r\nSG_S=abc\r\nSG_C=25:00:00\r\nSG_I=7\r\nsf_3_d=2\r\n"
      "[QOla]\r\nSG_C=1:02:03\r\nSG_M=0x10\r\n");
  const PlayerStats jan = store.LoadStats(u8("Jan"));
  EXPECT_EQ(jan.TotalWon, 0);
  EXPECT_EQ(jan.TotalTime, QTime(0, 0));
  EXPECT_EQ(jan.Games, 7);
  EXPECT_EQ(jan.Friends[2].Right, 2) << "friend 3 is the third counter set";
  EXPECT_EQ(jan.Friends[2].Asked, 0);
  EXPECT_EQ(jan.Lost, 0);
  const PlayerStats ola = store.LoadStats(u8("Ola"));
  EXPECT_EQ(ola.TotalTime, QTime(1, 2, 3)) << "a one-digit hour as some systems write it";
  EXPECT_EQ(ola.Millions, 16);
  EXPECT_EQ(store.LoadStats(u8("Gracz anonimowy")), PlayerStats{});
}

TEST_F(StatsStoreTest, NegativeCountsReadAsZeroAndOverflowedOnesAsTheLargest) {
  writePlain(
      "[QJan]\r\nSG_S=-5\r\nSG_I=99999999999\r\nSG_R=2147483647\r\nSG_P=2147483648\r\n"
      "SG_M=0x80000000\r\nSF_1_W=-99999999999\r\nSF_1_D=0\r\nSF_1_Z=-0\r\n"
      "SF_2_W=0x7FFFFFFF\r\nSF_2_D=+5\r\nSF_2_Z=12x\r\nSF_3_W=0x\r\nSF_3_D=0xG\r\n"
      "SF_3_Z=-2147483648\r\nSF_4_W=00000000000000000000042\r\n");
  constexpr int Largest = std::numeric_limits<int>::max();
  const PlayerStats s = store.LoadStats(u8("Jan"));
  EXPECT_EQ(s.TotalWon, 0);
  EXPECT_EQ(s.Games, Largest) << "an overflowed total keeps the player's history";
  EXPECT_EQ(s.Resigned, Largest);
  EXPECT_EQ(s.Lost, Largest);
  EXPECT_EQ(s.Millions, Largest) << "in hexadecimal too";
  EXPECT_EQ(s.Friends[0], (FriendCounters{0, 0, 0})) << "an enormous negative is still negative";
  EXPECT_EQ(s.Friends[1], (FriendCounters{Largest, 0, 0})) << "no sign or other letters";
  EXPECT_EQ(s.Friends[2], (FriendCounters{0, 0, 0}));
  EXPECT_EQ(s.Friends[3].Asked, 42);

  ASSERT_TRUE(store.SaveStats(u8("Jan"), s));
  EXPECT_EQ(store.LoadStats(u8("Jan")), s) << "the mended values are stored as they read";
}

TEST_F(StatsStoreTest, SavingWritesTheEighteenKeysInOrderAndReadsBack) {
  writePlain("[QJan]\r\nImi=Jan\r\nSG_I=1\r\n[QOla]\r\nImi=Ola\r\n");
  const PlayerStats saved = sampleStats();
  ASSERT_TRUE(store.SaveStats(u8("Jan"), saved));
  EXPECT_EQ(plainText(), u8("[QJan]\r\nImi=Jan\r\nSG_I=9\r\nSG_S=1064000\r\nSG_C=03:04:05\r\n"
                            "SG_R=4\r\nSG_P=3\r\nSG_M=1\r\n"
                            "SF_1_W=5\r\nSF_1_D=4\r\nSF_1_Z=1\r\n"
                            "SF_2_W=0\r\nSF_2_D=0\r\nSF_2_Z=0\r\n"
                            "SF_3_W=0\r\nSF_3_D=0\r\nSF_3_Z=0\r\n"
                            "SF_4_W=2\r\nSF_4_D=0\r\nSF_4_Z=2\r\n"
                            "[QOla]\r\nImi=Ola\r\n"))
      << "an existing key keeps its place, new keys follow in their order";
  EXPECT_EQ(store.LoadStats(u8("Jan")), saved);
  EXPECT_EQ(store.LoadStats(u8("Ola")), PlayerStats{});

  const QString before = plainText();
  EXPECT_FALSE(store.SaveStats(u8("Jan\nKowalski"), saved)) << "no section name holds a line break";
  EXPECT_EQ(plainText(), before);
}

TEST_F(StatsStoreTest, TheAnonymousPlayerKeepsNoStatistics) {
  writePlain("[QGracz anonimowy]\r\nN1=Jan\r\n");
  EXPECT_TRUE(store.SaveStats(u8("Gracz anonimowy"), sampleStats()));
  EXPECT_TRUE(store.SaveStats(u8("GRACZ ANONIMOWY"), sampleStats()))
      << "the same section in other letter case";
  EXPECT_TRUE(store.SaveStats(u8("Gracz anonimowy "), sampleStats()))
      << "spaces at the end of a section name are no part of it";
  EXPECT_EQ(plainText(), u8("[QGracz anonimowy]\r\nN1=Jan\r\n"));
}

TEST_F(StatsStoreTest, AFailedWriteIsReportedAndChangesNothing) {
  writePlain("[QJan]\r\nSG_I=1\r\n");
  const ReadOnlyFolder locked(dir.path());
  if (!locked.holds()) GTEST_SKIP() << "this system cannot make a folder read-only";
  EXPECT_FALSE(store.SaveStats(u8("Jan"), sampleStats()));
  EXPECT_EQ(store.LoadStats(u8("Jan")).Games, 1);
}

TEST_F(StatsStoreTest, AFileThatCannotBeReadIsNeverOverwritten) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(u8("Opcje.oFK")));
  EXPECT_FALSE(store.SaveStats(u8("Jan"), sampleStats()));
  EXPECT_TRUE(QFileInfo(file().path()).isDir());
}

// A finished game counted as the end of a game does it.
TEST(FinishedGame, EachOutcomeCountsTheGameItsPrizeAndItsKind) {
  const PlayerStats before = sampleStats();
  struct Case {
    const char* outcome;
    int dollars;
    int PlayerStats::*counter;
  };
  for (const Case& c : {Case{"Przegrana", 1000, &PlayerStats::Lost},
                        Case{"Rezygnacja", 4000, &PlayerStats::Resigned},
                        Case{"Wygrana", 1000000, &PlayerStats::Millions}}) {
    SCOPED_TRACE(c.outcome);
    PlayerStats expected = before;
    expected.TotalWon += c.dollars;
    expected.Games += 1;
    expected.TotalTime = QTime(4, 6, 10);
    expected.*c.counter += 1;
    EXPECT_EQ(addFinishedGame(before, u8(c.outcome), c.dollars, QTime(1, 2, 5)), expected);
  }
  const PlayerStats lostEarly = addFinishedGame(before, u8("Przegrana"), 0, QTime(0, 0, 40));
  EXPECT_EQ(lostEarly.TotalWon, before.TotalWon);
  EXPECT_EQ(lostEarly.Games, before.Games + 1);
  EXPECT_EQ(lostEarly.Friends, before.Friends) << "calls are counted by the phone, not here";
}

TEST(FinishedGame, TotalTimeIsATimeOfDay) {
  PlayerStats s;
  s = addFinishedGame(s, u8("Wygrana"), 1000000, QTime(1, 2, 5));
  EXPECT_EQ(s.TotalTime, QTime(1, 2, 5));
  s = addFinishedGame(s, u8("Rezygnacja"), 100, QTime(0, 57, 55));
  EXPECT_EQ(s.TotalTime, QTime(2, 0, 0)) << "seconds and minutes carry over";
  s.TotalTime = QTime(23, 30, 0);
  s = addFinishedGame(s, u8("Przegrana"), 0, QTime(1, 30, 0));
  EXPECT_EQ(s.TotalTime, QTime(1, 0, 0)) << "games summing to 25 hours show 1 hour";

  s.TotalTime = QTime();
  s = addFinishedGame(s, u8("Przegrana"), 0, QTime(0, 1, 0));
  EXPECT_EQ(s.TotalTime, QTime(0, 1, 0)) << "a total that is no time counts from midnight";
}

TEST(FinishedGame, TotalsStopAtTheLargestStoredNumber) {
  PlayerStats s;
  s.TotalWon = std::numeric_limits<int>::max() - 10;
  s.Games = std::numeric_limits<int>::max();
  s = addFinishedGame(s, u8("Wygrana"), 1000000, QTime(0, 30));
  EXPECT_EQ(s.TotalWon, std::numeric_limits<int>::max());
  EXPECT_EQ(s.Games, std::numeric_limits<int>::max());
  EXPECT_EQ(s.Millions, 1);

  PlayerStats negative;
  negative.TotalWon = -500;
  negative.Games = std::numeric_limits<int>::min();
  negative = addFinishedGame(negative, u8("Przegrana"), 100, QTime(0, 30));
  EXPECT_EQ(negative.TotalWon, 100) << "a negative total counts from nothing";
  EXPECT_EQ(negative.Games, 1);
  EXPECT_EQ(addFinishedGame(PlayerStats{}, u8("Przegrana"), -100, QTime(0, 30)).TotalWon, 0);
}

}  // namespace
