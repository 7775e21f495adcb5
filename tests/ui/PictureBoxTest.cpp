#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "ui/widgets/PictureBox.h"

namespace {

QImage filled(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QImage rendered(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

class PictureBoxTest : public ::testing::Test {
 protected:
  PictureBoxTest() { box->setGeometry(0, 0, 20, 10); }

  // A source that counts how often it is asked.
  std::function<QImage()> source(QColor colour) {
    return [this, colour] {
      ++made;
      return filled(QSize(20, 10), colour);
    };
  }

  QWidget parent;
  PictureBox* box = new PictureBox(&parent, QStringLiteral("imgTest"));
  int made = 0;
};

TEST_F(PictureBoxTest, APictureFromASourceIsMadeOnceAndOnlyWhenNeeded) {
  box->setPictureSource(source(Qt::red));
  EXPECT_EQ(made, 0);
  EXPECT_EQ(box->picture().pixel(3, 3), qRgb(255, 0, 0));
  EXPECT_EQ(rendered(*box).pixel(3, 3), qRgb(255, 0, 0));
  (void)box->picture();
  EXPECT_EQ(made, 1);
}

TEST_F(PictureBoxTest, PaintingMakesThePictureFromItsSource) {
  box->setPictureSource(source(Qt::green));
  EXPECT_EQ(rendered(*box).pixel(10, 5), qRgb(0, 255, 0));
  EXPECT_EQ(made, 1);
}

TEST_F(PictureBoxTest, ALaterPictureOrSourceReplacesOneNotMadeYet) {
  box->setPictureSource(source(Qt::red));
  box->setPicture(filled(QSize(20, 10), Qt::blue));
  EXPECT_EQ(box->picture().pixel(0, 0), qRgb(0, 0, 255));
  box->setPictureSource(source(Qt::green));
  EXPECT_EQ(box->picture().pixel(0, 0), qRgb(0, 255, 0));
  EXPECT_EQ(made, 1) << "the red source was never asked";
}

TEST_F(PictureBoxTest, DrawingOnThePictureOfASourceKeepsWhatItMade) {
  box->setPictureSource(source(Qt::red));
  QPainter(&box->canvas()).fillRect(0, 0, 5, 5, Qt::blue);
  EXPECT_EQ(box->picture().pixel(2, 2), qRgb(0, 0, 255));
  EXPECT_EQ(box->picture().pixel(10, 5), qRgb(255, 0, 0));
  EXPECT_EQ(made, 1);
}

TEST_F(PictureBoxTest, WithoutAPictureTheCanvasIsWhiteAtTheControlsSize) {
  const QImage& canvas = box->canvas();
  EXPECT_EQ(canvas.size(), QSize(20, 10));
  EXPECT_EQ(canvas.pixel(19, 9), qRgb(255, 255, 255));
}

TEST_F(PictureBoxTest, ATransparentPictureLetsWhatIsBehindShowWhereItIsWhite) {
  parent.resize(20, 10);
  parent.setAutoFillBackground(true);
  QPalette pal = parent.palette();
  pal.setColor(QPalette::Window, Qt::green);
  parent.setPalette(pal);
  box->setPictureSource([] {
    QImage image = filled(QSize(20, 10), Qt::white);
    image.setPixel(1, 1, qRgb(255, 0, 0));
    return image;
  });
  box->setTransparent(true);
  const QImage shown = rendered(parent);
  EXPECT_EQ(shown.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(shown.pixel(10, 5), qRgb(0, 255, 0));
}

TEST_F(PictureBoxTest, AProportionalPictureKeepsItsShapeAndStandsInTheMiddle) {
  box->setProportional(true);
  box->setPicture(filled(QSize(10, 10), Qt::red));  // square in a 20 x 10 box
  QImage shown = rendered(*box);
  EXPECT_EQ(shown.pixel(4, 5), qRgb(0, 0, 0));
  EXPECT_EQ(shown.pixel(5, 0), qRgb(255, 0, 0));
  EXPECT_EQ(shown.pixel(14, 9), qRgb(255, 0, 0));
  EXPECT_EQ(shown.pixel(15, 5), qRgb(0, 0, 0));

  box->setPicture(filled(QSize(80, 10), Qt::blue));  // four times as wide: 20 x 2.5
  shown = rendered(*box);
  EXPECT_EQ(shown.pixel(10, 1), qRgb(0, 0, 0));
  EXPECT_EQ(shown.pixel(0, 4), qRgb(0, 0, 255));
  EXPECT_EQ(shown.pixel(19, 5), qRgb(0, 0, 255));
  EXPECT_EQ(shown.pixel(10, 8), qRgb(0, 0, 0));
}

}  // namespace
