#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/widgets/TextLabel.h"

namespace {

TEST(TextLabel, AmpersandMarksTheAcceleratorAndIsNotShown) {
  EXPECT_EQ(TextLabel::shownText(QStringLiteral("&Opcje")), u"Opcje");
  EXPECT_EQ(TextLabel::shownText(QStringLiteral("R&ekordy")), u"Rekordy");
  EXPECT_EQ(TextLabel::shownText(QStringLiteral("A && B")), u"A & B");
  EXPECT_EQ(TextLabel::shownText(QStringLiteral("end&")), u"end&");
}

// Rows of the label's picture that hold any text colour.
std::vector<int> inkedRows(TextLabel& label) {
  QImage image(label.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  std::vector<int> rows;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qRed(image.pixel(x, y)) > 128) {
        rows.push_back(y);
        break;
      }
  return rows;
}

TEST(TextLabel, TheAcceleratorLetterIsUnderlined) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(16);
  TextLabel plain(nullptr, QStringLiteral("a"), QStringLiteral("Tak"));
  TextLabel marked(nullptr, QStringLiteral("b"), QStringLiteral("&Tak"));
  for (TextLabel* l : {&plain, &marked}) {
    l->setFont(font);
    l->resize(129, 29);
    l->setAlignment(Qt::AlignCenter);
    l->setColour(Qt::white);
  }
  const auto a = inkedRows(plain), b = inkedRows(marked);
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(b.empty());
  EXPECT_EQ(a.front(), b.front()) << "same text, same place";
  EXPECT_GT(b.back(), a.back()) << "the underline reaches below the plain caption";
}

}  // namespace
