#include <gtest/gtest.h>

#include <QSet>

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

// A file may hold any byte, also the five Windows-1250 leaves undefined and NUL: each decodes
// to a character of its own and encodes back to itself, so nothing read can stop a save.
TEST(Cp1250, EveryByteValueComesBackAsItWas) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const QString decoded = fromCp1250(all);
  ASSERT_EQ(decoded.size(), 256);
  EXPECT_FALSE(decoded.contains(QChar::ReplacementCharacter));
  EXPECT_EQ(QSet<QChar>(decoded.begin(), decoded.end()).size(), 256) << "no two bytes alike";
  EXPECT_EQ(toCp1250(decoded).value_or(QByteArray()), all);
}

}  // namespace
