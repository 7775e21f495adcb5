#include <gtest/gtest.h>

#include "lifelines/AudienceShares.h"
#include "lifelines/Friends.h"
#include "questions/Question.h"

namespace {

TEST(ChosenFriends, KeepsTheLastTwoInTheOrderOfChoice) {
  ChosenFriends chosen;
  for (int n : {3, 1, 4}) chosen.toggle(n);
  EXPECT_EQ(chosen.text(), u"14") << "the first choice is pushed out by the third";
  chosen.toggle(1);
  EXPECT_EQ(chosen.text(), u"4") << "a chosen friend clicked again leaves the other alone";
  chosen.toggle(4);
  EXPECT_EQ(chosen.count(), 0);
  chosen.toggle(2);
  chosen.toggle(3);
  EXPECT_EQ(chosen.at(1), 2);
  EXPECT_EQ(chosen.at(2), 3);
  EXPECT_THROW(chosen.toggle(5), std::out_of_range);
}

TEST(Friends, TextsOfTheRosterAndTheCounters) {
  EXPECT_EQ(FriendRoster(4).fullName(), u"Leszek Gruszka");
  EXPECT_EQ(friendInfoText(1),
            QString::fromUtf8("Imię: Jacek\nNazwisko: Mazur\nWiek: 15\nMiejsce zamieszkania: "
                              "Kołobrzeg\nMoże pomóc w... : historii świata i trochę w sporcie"));
  EXPECT_EQ(friendStatsLine(3, 2, 1), QString::fromUtf8("Podpowiedzi: 3, Dobrych: 2, Złych: 1."));
  EXPECT_EQ(timesText(0), u"0  razy");
  EXPECT_EQ(timesText(1), u"1  raz");
  EXPECT_EQ(timesText(2), u"2  razy");
  EXPECT_EQ(timesText(11), u"11  razy");
}

TEST(PhoneScripts, VoicesAndClipsOfEachFriend) {
  EXPECT_STREQ(PhoneScripts(3, 2).voice, "M2");
  EXPECT_EQ(
      QString::fromUtf8(PhoneScripts(3, 2).before),
      QString::fromUtf8("Akurat na tym się nie znam, ale wydaje mi się, że jest to odpowiedź: "));
  EXPECT_EQ(letterClip(3, QStringLiteral("B")), u"MB") << "both variants say the letter alike";
  EXPECT_EQ(closingClip(3, 2), u"M2E");
  EXPECT_EQ(closingClip(4, 1), u"TE");
  EXPECT_EQ(closingClip(2, 2), u"GE") << "friends 1 and 2 have one wording";
  EXPECT_STREQ(PhoneScripts(1, 1).after, PhoneScripts(1, 2).after);
}

CurrentQuestionRecord withShares(std::array<std::uint8_t, 4> shares, int out1, int out2) {
  CurrentQuestionRecord q;
  q.AudiencePct = shares;
  q.FiftyOut1 = static_cast<std::uint8_t>(out1);
  q.FiftyOut2 = static_cast<std::uint8_t>(out2);
  int keep[2];
  int k = 0;
  for (int p = 1; p <= 4; ++p)
    if (p != out1 && p != out2) keep[k++] = p;
  q.FiftyKeep1 = static_cast<std::uint8_t>(keep[0]);
  q.FiftyKeep2 = static_cast<std::uint8_t>(keep[1]);
  return q;
}

TEST(AudienceShares, FiftyFiftyHandsTheRemovedSharesToTheKeptOnes) {
  const CurrentQuestionRecord q = withShares({10, 45, 30, 15}, 1, 4);
  EXPECT_EQ(shownAudience(q, true), (std::array<int, 4>{0, 58, 42, 0}));
  EXPECT_EQ(shownAudience(q, false), (std::array<int, 4>{10, 45, 30, 15}));
  // Every way of splitting 100 and removing two keeps a total of 100.
  for (int a = 0; a <= 100; a += 7)
    for (int b = 0; a + b <= 100; b += 9) {
      const int c = (100 - a - b) / 2;
      const int d = 100 - a - b - c;
      const CurrentQuestionRecord r =
          withShares({std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d)}, 2, 3);
      const auto shown = shownAudience(r, true);
      EXPECT_EQ(shown[0] + shown[3], 100) << a << " " << b;
      EXPECT_EQ(shown[1] + shown[2], 0);
    }
}

TEST(AudienceShares, StoredSharesAreShownAsStoredWithoutFiftyFifty) {
  const CurrentQuestionRecord q = withShares({0, 50, 30, 30}, 1, 2);
  EXPECT_EQ(shownAudience(q, false), (std::array<int, 4>{0, 50, 30, 30}));
}

TEST(AudienceBars, EachBarGrowsAPixelAPassToItsHeight) {
  AudienceBars bars({100, 50, 0, 7});
  int passes = 0;
  bool grew = true;
  while (grew) {
    grew = bars.pass();
    ++passes;
  }
  EXPECT_EQ(passes, 100 + 3) << "max(t) + 3 passes";
  EXPECT_EQ(bars.heights, (std::array<int, 4>{115, 59, 3, 10}));
  EXPECT_EQ(AudienceBars::Foot - bars.heights[0], 22) << "a full bar reaches the top of its area";
  AudienceBars fresh({40, 0, 0, 0});
  fresh.pass();
  EXPECT_EQ(fresh.heights[0], 40 / 8 + 2) << "the first pass starts at (t div 8) + 2";
}

}  // namespace
