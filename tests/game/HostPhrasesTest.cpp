#include <gtest/gtest.h>

#include "game/HostPhrases.h"
#include "tests/game/ExpectedHostLines.h"

namespace {

TEST(HostPhrases, EveryLineOfEveryLevelReadsAsWritten) {
  for (int level = 2; level <= 15; ++level) {
    const auto lines = HostPhrases(level);
    const auto expected = expectedHostLines(level);
    for (size_t i = 0; i < 6; ++i)
      EXPECT_EQ(lines[i], expected[i]) << "level " << level << ", line " << i + 1;
  }
  for (int level : {0, 1, 16})
    for (const QString& line : HostPhrases(level)) EXPECT_TRUE(line.isEmpty()) << level;
  // Code points, so a mangled source encoding cannot pass by comparing with itself.
  EXPECT_EQ(HostPhrases(2)[0].mid(12, 3), QString::fromUtf16(u"\u0142e\u015b"));
  EXPECT_EQ(HostPhrases(10)[1].at(30), QChar(0x0105));
  EXPECT_EQ(HostPhrases(10)[1].at(35), QChar(0x0119));
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
