#include <gtest/gtest.h>

#include "game/HostPhrases.h"
#include "game/Speech.h"

namespace {

QString chars(int n) { return QString(n, QLatin1Char('x')); }

TEST(Speech, OneLineIgnoresTheLength) {
  EXPECT_EQ(speechStrip({}, chars(10), false, true), (SpeechStrip{chars(10), 241, 21}));
  EXPECT_EQ(speechStrip({}, chars(300), false, true), (SpeechStrip{chars(300), 241, 21}));
}

TEST(Speech, GrowsUpwardsEveryFullEightyTwoCharacters) {
  EXPECT_EQ(speechStrip({}, {}, false, false), (SpeechStrip{{}, 241, 20}));
  EXPECT_EQ(speechStrip({}, chars(81), false, false).top, 241);
  EXPECT_EQ(speechStrip({}, chars(82), false, false), (SpeechStrip{chars(82), 221, 40}));
  EXPECT_EQ(speechStrip({}, chars(163), false, false), (SpeechStrip{chars(163), 221, 40}));
  EXPECT_EQ(speechStrip({}, chars(164), false, false), (SpeechStrip{chars(164), 201, 60}));
  // Polish letters are one character each.
  EXPECT_EQ(speechStrip({}, QString(82, QChar(0x0142)), false, false).top, 221);
}

TEST(Speech, AppendCountsTheWholeText) {
  EXPECT_EQ(speechStrip(chars(50), chars(40), true, false), (SpeechStrip{chars(90), 221, 40}));
  EXPECT_EQ(speechStrip(chars(50), chars(40), false, false), (SpeechStrip{chars(40), 241, 20}));
}

TEST(Speech, HostLineIsShownThenSizedThenHidden) {
  const QString line = hostLine(3, 0, QStringLiteral("A"));
  ASSERT_GE(line.size(), 82);
  ASSERT_LE(line.size(), 163);
  const SpeechStrip shown = speechStrip(QStringLiteral("old"), line, false, true);
  EXPECT_EQ(shown, (SpeechStrip{line, 241, 21}));
  EXPECT_EQ(speechStrip(shown.text, {}, true, false), (SpeechStrip{line, 221, 40}));
  EXPECT_EQ(speechStrip(line, {}, false, true), (SpeechStrip{{}, 241, 21}));
}

}  // namespace
