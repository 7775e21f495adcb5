#include <gtest/gtest.h>

#include "game/GameRules.h"
#include "game/MusicChoice.h"

namespace {

TEST(GameRules, AnswerFontShrinksWithLength) {
  const auto size = [](int length) { return answerFontSize(QString(length, QLatin1Char('x'))); };
  EXPECT_EQ(size(0), 11);
  EXPECT_EQ(size(26), 11);
  EXPECT_EQ(size(27), 9);
  EXPECT_EQ(size(33), 9);
  EXPECT_EQ(size(34), 8);
  EXPECT_EQ(size(45), 8);
  EXPECT_EQ(size(46), 7);
  EXPECT_EQ(size(120), 7);
  EXPECT_EQ(answerFontSize(QString(26, QChar(0x017C))), 11) << "characters, not bytes";
}

TEST(GameRules, SuspenseLengthensUpTheLadder) {
  const int pauses[16] = {0,    1000, 1000, 1000, 1000, 1000, 1500, 1500,
                          2000, 2500, 3000, 3500, 4000, 4250, 4700, 5300};
  for (int level = 1; level <= 15; ++level) {
    const Suspense s = suspenseFor(level);
    EXPECT_EQ(s.pauseMs, pauses[level]) << level;
    EXPECT_EQ(s.markSoundFirst, level >= 6) << level;
  }
}

TEST(GameRules, CorrectAnswerSound) {
  for (int level = 1; level <= 15; ++level) {
    const char* expected = level <= 4                    ? "dobra_przed"
                           : (level == 5 || level == 10) ? "dobra_gwara"
                                                         : "dobra_po";
    EXPECT_EQ(correctAnswerSound(level), QLatin1String(expected)) << level;
  }
}

TEST(GameRules, HostPoses) {
  for (int base : {2, 3}) {
    for (int level = 1; level <= 15; ++level) {
      EXPECT_EQ(suspenseHostPose(level, base), level >= 6 ? 1 : base) << level;
      EXPECT_EQ(correctAnswerHostPose(level, base), level >= 5 ? 4 : base) << level;
    }
  }
  EXPECT_EQ(resignationHostPose(7), std::nullopt);
  EXPECT_EQ(resignationHostPose(8), 4);
  EXPECT_EQ(resignationHostPose(15), 4);
  EXPECT_EQ(resignationHostPose(2), std::nullopt);
}

TEST(GameRules, BannerAndResignation) {
  for (int level = 1; level <= 15; ++level)
    EXPECT_EQ(showsWonCaption(level), level == 5 || level == 10) << level;
  EXPECT_FALSE(resignationOffered(1));
  EXPECT_TRUE(resignationOffered(2));
  EXPECT_TRUE(resignationOffered(15));
}

TEST(MusicChoice, PieceChangesAfterTheGuaranteedSteps) {
  EXPECT_EQ(musicForLevel(1), QStringLiteral("MUSIC_1"));
  EXPECT_EQ(musicForLevel(5), QStringLiteral("MUSIC_1"));
  EXPECT_EQ(musicForLevel(6), QStringLiteral("MUSIC_2"));
  EXPECT_EQ(musicForLevel(10), QStringLiteral("MUSIC_2"));
  EXPECT_EQ(musicForLevel(11), QStringLiteral("MUSIC_3"));
  EXPECT_EQ(musicForLevel(15), QStringLiteral("MUSIC_3"));
}

}  // namespace
