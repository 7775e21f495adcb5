#include <gtest/gtest.h>

#include <QSet>

#include "game/HostPhrases.h"

namespace {

TEST(HostPhrases, SixLinesFromTheSecondQuestionOn) {
  for (int level = 2; level <= 15; ++level)
    for (const QString& line : HostPhrases(level)) EXPECT_FALSE(line.isEmpty()) << level;
  for (int level : {0, 1, 16})
    for (const QString& line : HostPhrases(level)) EXPECT_TRUE(line.isEmpty()) << level;
}

TEST(HostPhrases, SecondAndThirdQuestionsHaveSixDifferentLines) {
  for (int level : {2, 3}) {
    const auto lines = HostPhrases(level);
    EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), 6) << level;
  }
}

TEST(HostPhrases, LaterQuestionsSayTheSecondLineFiveTimesInSix) {
  for (int level = 4; level <= 15; ++level) {
    const auto lines = HostPhrases(level);
    EXPECT_NE(lines[0], lines[1]) << level;
    for (int i = 2; i < 6; ++i) EXPECT_EQ(lines[i], lines[1]) << level << " " << i;
  }
}

TEST(HostPhrases, ExactTexts) {
  EXPECT_EQ(HostPhrases(2)[0], QStringLiteral("Brawo! Wygrałeś 100 $. Grasz teraz o 200 $."));
  EXPECT_EQ(HostPhrases(2)[5],
            QStringLiteral("Oczywiście poprawna odpowiedź. Pytanie za 200 $ jest następujące..."));
  EXPECT_EQ(
      HostPhrases(3)[1],
      QStringLiteral("Gratuluję! Jak narazie idzie Ci bardzo dobrze. A teraz pytanie za 300 $."));
  EXPECT_EQ(HostPhrases(6)[0], QStringLiteral("Masz za sobą już 5 pytań. Grasz teraz o 2000 $."));
  EXPECT_EQ(HostPhrases(10)[1], QStringLiteral("A teraz pytanie za gwarantowaną sumę - 32000 $."));
  EXPECT_EQ(
      HostPhrases(11)[0],
      QStringLiteral("Masz za sobą już 10 pytań, a przed sobą 4. A teraz pytanie za 64000 $."));
  EXPECT_EQ(HostPhrases(12)[1], QStringLiteral("A teraz pytanie za 125000 $"));
  EXPECT_EQ(HostPhrases(15)[0], QStringLiteral("Grasz teraz o 1 MILION $."));
  // Code points, so a mangled source encoding cannot pass by comparing with itself.
  EXPECT_EQ(HostPhrases(2)[0].mid(12, 3), QString::fromUtf16(u"\u0142e\u015b"));
  EXPECT_EQ(HostPhrases(10)[1].at(30), QChar(0x0105));
  EXPECT_EQ(HostPhrases(10)[1].at(35), QChar(0x0119));
}

TEST(HostPhrases, OnlyTwoLinesNameALetter) {
  for (int level = 2; level <= 15; ++level) {
    const auto lines = HostPhrases(level);
    for (int i = 0; i < 6; ++i) {
      const bool named = level == 3 && (i == 4 || i == 5);
      EXPECT_EQ(lines[i].count(QStringLiteral("%s")), named ? 1 : 0) << level << " " << i;
    }
  }
}

TEST(HostPhrases, ShownLineIsPrefixedAndNamesTheLetter) {
  EXPECT_EQ(hostLine(3, 4, QStringLiteral("C")),
            QStringLiteral("<Tolmir> Tak to jest odpowiedź C. Grasz teraz o 300 $."));
  EXPECT_EQ(hostLine(3, 5, QStringLiteral("B")),
            QStringLiteral("<Tolmir> Oczywiście to jest poprawna odpowiedź - B. Gratuluję! A "
                           "teraz pytanie za 300 $."));
  EXPECT_EQ(hostLine(4, 0, QStringLiteral("A")), QStringLiteral("<Tolmir> Grasz teraz o 500 $."));
  EXPECT_EQ(hostLine(4, 3, QStringLiteral("A")),
            QStringLiteral("<Tolmir> A teraz pytanie za 500 $."));
  for (int pick = 0; pick < 6; ++pick)
    EXPECT_EQ(hostLine(2, pick, QStringLiteral("D")),
              QStringLiteral("<Tolmir> ") + HostPhrases(2)[pick]);
}

}  // namespace
