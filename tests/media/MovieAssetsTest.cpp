#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QString>
#include <algorithm>
#include <cmath>
#include <memory>
#include <ostream>
#include <string>

// The movies tools/movies writes into assets/movies, checked through QMovie and Qt's WebP
// reader: a decoder apart from the game's own, which WebpAnimationTest holds to this one.
namespace {

struct MovieAsset {
  const char* name;
  int frames;
  int width;
  int height;
};

void PrintTo(const MovieAsset& movie, std::ostream* out) { *out << movie.name; }

constexpr MovieAsset kIntro{"FILE2", 235, 782, 415};
constexpr MovieAsset kMillion{"FILE5", 195, 782, 415};
constexpr MovieAsset kResultLoop{"FILE3", 26, 409, 301};  // beside the result texts
constexpr MovieAsset kInfoCard{"FILE4", 131, 333, 287};   // information page
constexpr MovieAsset kMovies[] = {kIntro, kMillion, kResultLoop, kInfoCard};
constexpr MovieAsset kLoops[] = {kResultLoop, kInfoCard};  // the two played over and over

constexpr int kFrameMilliseconds = 83;

QString moviePath(const MovieAsset& movie) {
  return QStringLiteral(FORTUNIAK_SOURCE_DIR "/assets/movies/%1.webp")
      .arg(QString::fromLatin1(movie.name));
}

// "782x415", so a wrong size reads plainly in a failure.
std::string sizeText(QSize size) {
  return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

std::string expectedSize(const MovieAsset& movie) {
  return sizeText(QSize(movie.width, movie.height));
}

std::unique_ptr<QMovie> openMovie(const MovieAsset& movie) {
  auto player = std::make_unique<QMovie>(moviePath(movie));
  player->setCacheMode(QMovie::CacheAll);
  return player;
}

QImage frameAt(QMovie& player, int frame) {
  if (!player.jumpToFrame(frame)) return {};
  return player.currentImage().convertToFormat(QImage::Format_RGB32);
}

double luma(QRgb pixel) {
  return 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
}

// Standard deviation of the brightness: near 0 for a blank or single-colour frame.
double brightnessSpread(const QImage& image) {
  double sum = 0;
  double squares = 0;
  const double count = static_cast<double>(image.width()) * image.height();
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double l = luma(line[x]);
      sum += l;
      squares += l * l;
    }
  }
  const double mean = sum / count;
  return std::sqrt(std::max(0.0, squares / count - mean * mean));
}

// Mean absolute difference of the colour channels, 0 .. 255.
double difference(const QImage& a, const QImage& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x)
      total += std::abs(qRed(la[x]) - qRed(lb[x])) + std::abs(qGreen(la[x]) - qGreen(lb[x])) +
               std::abs(qBlue(la[x]) - qBlue(lb[x]));
  }
  return total / (3.0 * a.width() * a.height());
}

class MovieAssets : public ::testing::TestWithParam<MovieAsset> {};

TEST_P(MovieAssets, HasTheFrameCountAndSizeTheGameShows) {
  const MovieAsset& movie = GetParam();
  ASSERT_TRUE(QFileInfo(moviePath(movie)).isFile()) << qPrintable(moviePath(movie));
  const auto player = openMovie(movie);
  ASSERT_TRUE(player->isValid()) << qPrintable(player->lastErrorString());
  EXPECT_EQ(player->frameCount(), movie.frames);
  const QImage first = frameAt(*player, 0);
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(sizeText(first.size()), expectedSize(movie));
  EXPECT_EQ(sizeText(player->frameRect().size()), expectedSize(movie));
}

TEST_P(MovieAssets, JumpsStraightToTheLastFrame) {
  const MovieAsset& movie = GetParam();
  const auto player = openMovie(movie);
  ASSERT_TRUE(player->isValid()) << qPrintable(player->lastErrorString());
  ASSERT_TRUE(player->jumpToFrame(movie.frames - 1));
  EXPECT_EQ(player->currentFrameNumber(), movie.frames - 1);
  EXPECT_EQ(sizeText(player->currentImage().size()), expectedSize(movie));
}

TEST_P(MovieAssets, FramesShowAPictureAndItMoves) {
  const MovieAsset& movie = GetParam();
  const auto player = openMovie(movie);
  ASSERT_TRUE(player->isValid()) << qPrintable(player->lastErrorString());
  const int last = movie.frames - 1;
  for (int frame : {0, last / 4, last / 2, last * 3 / 4, last}) {
    const QImage image = frameAt(*player, frame);
    ASSERT_FALSE(image.isNull()) << "frame " << frame;
    EXPECT_GT(brightnessSpread(image), 6.0) << "frame " << frame << " looks blank";
  }
  EXPECT_GT(difference(frameAt(*player, 0), frameAt(*player, last / 2)), 1.0)
      << "the movie stands still";
}

// Every frame its own 83 ms, and the movie starts over when it ends.
TEST_P(MovieAssets, PlaysAtTwelveFramesASecondForever) {
  const MovieAsset& movie = GetParam();
  QImageReader reader(moviePath(movie));
  ASSERT_TRUE(reader.canRead()) << qPrintable(reader.errorString());
  EXPECT_EQ(reader.loopCount(), -1);
  int frames = 0;
  while (reader.canRead()) {
    const QImage image = reader.read();
    if (image.isNull()) break;
    EXPECT_EQ(reader.nextImageDelay(), kFrameMilliseconds) << "frame " << frames;
    ++frames;
  }
  EXPECT_EQ(frames, movie.frames);
}

// A loop must not jump: from the last frame to the first is no bigger a step than the
// biggest one between neighbours inside the movie.
class LoopingMovies : public ::testing::TestWithParam<MovieAsset> {};

TEST_P(LoopingMovies, FlowFromTheLastFrameIntoTheFirst) {
  const MovieAsset& movie = GetParam();
  const auto player = openMovie(movie);
  ASSERT_TRUE(player->isValid()) << qPrintable(player->lastErrorString());
  QImage previous = frameAt(*player, 0);
  const QImage first = previous;
  ASSERT_FALSE(first.isNull());
  double biggestStep = 0;
  for (int frame = 1; frame < movie.frames; ++frame) {
    const QImage image = frameAt(*player, frame);
    ASSERT_FALSE(image.isNull()) << "frame " << frame;
    biggestStep = std::max(biggestStep, difference(previous, image));
    previous = image;
  }
  EXPECT_LE(difference(previous, first), biggestStep * 1.1 + 0.2);
}

std::string movieName(const ::testing::TestParamInfo<MovieAsset>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Movies, MovieAssets, ::testing::ValuesIn(kMovies), movieName);
INSTANTIATE_TEST_SUITE_P(Movies, LoopingMovies, ::testing::ValuesIn(kLoops), movieName);

}  // namespace
