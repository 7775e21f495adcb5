#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdlib>

#include "media/WebpAnimation.h"

namespace {

const QString kLoop = QStringLiteral(FORTUNIAK_SOURCE_DIR "/assets/movies/FILE3.webp");

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The largest difference of one colour channel between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  int largest = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

TEST(WebpAnimation, EveryFrameMatchesQtsOwnReader) {
  const QByteArray bytes = fileBytes(kLoop);
  WebpAnimation movie;
  ASSERT_TRUE(movie.open(bytes));
  QImageReader reader(kLoop);
  ASSERT_EQ(movie.frameCount(), reader.imageCount());
  for (int frame = 0; frame < movie.frameCount(); ++frame) {
    const QImage ours = movie.next();
    const QImage theirs = reader.read();
    ASSERT_FALSE(ours.isNull()) << "frame " << frame;
    ASSERT_EQ(ours.size(), theirs.size());
    EXPECT_LE(largestDifference(ours, theirs), 1) << "frame " << frame;
  }
  EXPECT_TRUE(movie.next().isNull()) << "nothing after the last frame";
}

TEST(WebpAnimation, RewindingStartsAgainFromTheFirstFrame) {
  const QByteArray bytes = fileBytes(kLoop);
  WebpAnimation movie;
  ASSERT_TRUE(movie.open(bytes));
  const QImage first = movie.next();
  const QImage second = movie.next();
  ASSERT_GT(largestDifference(first, second), 0) << "the frames must differ for this test";
  for (int i = 2; i < 10; ++i) movie.next();
  movie.rewind();
  EXPECT_EQ(movie.nextIndex(), 0);
  EXPECT_EQ(movie.next(), first);
  EXPECT_EQ(movie.next(), second);
}

TEST(WebpAnimation, BytesThatAreNoWebpPictureGiveNoFrames) {
  const QByteArray whole = fileBytes(kLoop);
  for (const QByteArray& bytes :
       {QByteArray(), QByteArray("RIFF"), QByteArray(4096, 'x'), whole.left(30)}) {
    WebpAnimation movie;
    EXPECT_FALSE(movie.open(bytes)) << bytes.size() << " bytes";
    EXPECT_EQ(movie.frameCount(), 0);
    EXPECT_TRUE(movie.next().isNull());
  }
}

// A file cut short anywhere is refused whole: no frame is decoded from missing bytes.
TEST(WebpAnimation, AFileCutShortIsRefused) {
  const QByteArray whole = fileBytes(kLoop);
  for (qsizetype size : {whole.size() / 4, whole.size() / 2, whole.size() - 1}) {
    WebpAnimation movie;
    EXPECT_FALSE(movie.open(whole.left(size))) << size << " of " << whole.size() << " bytes";
    EXPECT_TRUE(movie.next().isNull());
  }
}

// A broken header that claims a giant canvas is refused before anything is allocated for it.
TEST(WebpAnimation, APictureClaimingAGiantCanvasIsRefused) {
  QByteArray bytes = fileBytes(kLoop);
  ASSERT_EQ(bytes.mid(12, 4), "VP8X");
  WebpAnimation fits;
  ASSERT_TRUE(fits.open(bytes));
  // Canvas width and height less one, 24 bits each, little-endian.
  for (int side : {WebpAnimation::MaxSide + 1, 16384}) {
    for (int i = 0; i < 3; ++i) {
      bytes[24 + i] = static_cast<char>(((side - 1) >> (8 * i)) & 0xFF);
      bytes[27 + i] = static_cast<char>(((side - 1) >> (8 * i)) & 0xFF);
    }
    WebpAnimation movie;
    EXPECT_FALSE(movie.open(bytes)) << side;
  }
}

}  // namespace
