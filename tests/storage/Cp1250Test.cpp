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

// Long ASCII runs go through a faster path: a letter beyond ASCII, or one the code page
// lacks, must be caught wherever it falls in a run.
TEST(Cp1250, EveryPositionInALongTextIsConverted) {
  const QString ascii = QStringLiteral("[QGracz anonimowy]\r\nL8=1|2|3|");
  for (qsizetype at = 0; at <= ascii.size(); ++at) {
    QString text = ascii;
    text.insert(at, QString::fromUtf8("ń"));
    const auto bytes = toCp1250(text);
    ASSERT_TRUE(bytes.has_value()) << at;
    EXPECT_EQ(static_cast<unsigned char>(bytes->at(at)), 0xF1) << at;
    EXPECT_EQ(fromCp1250(*bytes), text) << at;

    text[at] = QChar(0x0416);  // Ж
    EXPECT_FALSE(toCp1250(text).has_value()) << at;
  }
}

TEST(Cp1250, UndefinedBytesDecodeToReplacementCharacters) {
  // 0x98 has no character in Windows-1250.
  const QString decoded =
      fromCp1250(QByteArray("a\x98"
                            "b"));
  EXPECT_EQ(decoded.size(), 3);
  EXPECT_EQ(decoded[0], u'a');
  EXPECT_EQ(decoded[2], u'b');
}

}  // namespace
