#include <gtest/gtest.h>

#include "storage/Cp1250.h"

namespace {

TEST(Cp1250, PolishTextRoundTripsThroughTheCodePage) {
  const QString text = QString::fromUtf8("Zażółć gęślą jaźń — „cudzysłów” … ZAŻÓŁĆ ßETA");
  const auto bytes = toCp1250(text);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), text.size()) << "one byte per character";
  EXPECT_EQ(static_cast<unsigned char>(bytes->at(2)), 0xBF);  // ż
  EXPECT_EQ(fromCp1250(*bytes), text);
}

TEST(Cp1250, CharactersTheCodePageLacksAreRefusedNotMangled) {
  for (const char* text : {"mañana", "Ørsted", "€ and ✓", "日本"}) {
    const QString s = QString::fromUtf8(text);
    if (s.contains(QChar(0x20AC))) {
      // The euro sign exists in Windows-1250, the tick does not.
      EXPECT_FALSE(fitsCp1250(s));
      EXPECT_TRUE(fitsCp1250(QString::fromUtf8("€")));
      continue;
    }
    EXPECT_FALSE(fitsCp1250(s)) << text;
  }
}

TEST(Cp1250, UndefinedBytesDecodeToReplacementCharacters) {
  // 0x98 has no character in Windows-1250.
  const QString decoded = fromCp1250(QByteArray("a\x98" "b"));
  EXPECT_EQ(decoded.size(), 3);
  EXPECT_EQ(decoded[0], u'a');
  EXPECT_EQ(decoded[2], u'b');
}

}  // namespace
