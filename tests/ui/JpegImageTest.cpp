#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include "ui/JpegImage.h"
#include "ui/Pictures.h"

namespace {

QByteArray encodedJpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "JPG", 95));
  return bytes;
}

QImage sample() {
  QImage image(40, 24, QImage::Format_RGB32);
  image.fill(QColor(255, 128, 0));
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 24; ++y) image.setPixel(x, y, qRgb(0, 0, 255));
  return image;
}

TEST(JpegImage, DecodesSizeAndColours) {
  const QImage decoded = decodeJpeg(encodedJpeg(sample()));
  ASSERT_FALSE(decoded.isNull());
  EXPECT_EQ(decoded.size(), QSize(40, 24));
  const QColor left = decoded.pixelColor(5, 12);
  const QColor right = decoded.pixelColor(34, 12);
  EXPECT_LT(left.red(), 40);
  EXPECT_GT(left.blue(), 210);
  EXPECT_GT(right.red(), 220);
  EXPECT_NEAR(right.green(), 128, 20);
  EXPECT_LT(right.blue(), 40);
}

TEST(JpegImage, DamagedOrMissingPicturesAreEmptyNotFatal) {
  const QByteArray good = encodedJpeg(sample());
  EXPECT_TRUE(decodeJpeg({}).isNull());
  EXPECT_TRUE(decodeJpeg("not a picture at all").isNull());
  EXPECT_TRUE(decodeJpeg(good.left(good.size() / 2)).isNull()) << "truncated";
  EXPECT_TRUE(decodeJpeg(good.left(3)).isNull());
  QByteArray scribbled = good;
  for (qsizetype i = 200; i < scribbled.size() - 2; i += 7) scribbled[i] = '\xFF';
  EXPECT_TRUE(decodeJpeg(scribbled).isNull()) << "corrupt";
  QTemporaryDir dir;
  EXPECT_TRUE(loadJpegFile(dir.filePath(QStringLiteral("none.jpg"))).isNull());
}

TEST(JpegImage, GamePicturesAreEmbeddedAtTheirScreenSizes) {
  EXPECT_EQ(gamePicture("imgMenuTlo").size(), QSize(790, 425));
  EXPECT_EQ(gamePicture("imgMB").size(), QSize(162, 31));
  EXPECT_EQ(gamePicture("imgBGp").size(), QSize(87, 88));
  EXPECT_TRUE(gamePicture("noSuchPicture").isNull());
}

}  // namespace
