#include <gtest/gtest.h>

#include "app/widgets/TextLabel.h"

namespace {

TEST(TextLabel, AmpersandMarksTheUnderlinedLetter) {
  EXPECT_EQ(TextLabel::captionToRichText(QStringLiteral("&Opcje")), u"<u>O</u>pcje");
  EXPECT_EQ(TextLabel::captionToRichText(QStringLiteral("R&ekordy")), u"R<u>e</u>kordy");
  EXPECT_EQ(TextLabel::captionToRichText(QStringLiteral("Opcje")), u"Opcje");
  EXPECT_EQ(TextLabel::captionToRichText(QStringLiteral("A && B")), u"A &amp; B");
  EXPECT_EQ(TextLabel::captionToRichText(QStringLiteral("a<b>")), u"a&lt;b&gt;");
  EXPECT_EQ(TextLabel::captionToRichText(QStringLiteral("end&")), u"end&amp;");
}

}  // namespace
