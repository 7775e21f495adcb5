#pragma once

#include <QImage>
#include <memory>
#include <span>
#include <string_view>

// Every movie of the game: the name the game plays it by, its canvas, its length and the
// script that paints it frame by frame.
namespace movies {

inline constexpr int kFramesPerSecond = 12;
inline constexpr int kFrameMilliseconds = 83;  // 1000 / 12, as img2webp takes whole ms

class MovieScript {
 public:
  virtual ~MovieScript() = default;
  // Paints frame `index` on an opaque black canvas of the movie's size. Frames are asked
  // for in order, so a script may keep whatever it worked out for earlier ones.
  virtual void paint(QImage& canvas, int index) = 0;
};

struct Movie {
  const char* name;
  int width;
  int height;
  int frames;
  int quality;  // lossy WebP quality, 0 .. 100
  std::unique_ptr<MovieScript> (*script)();
};

std::span<const Movie> movieList();
const Movie* findMovie(std::string_view name);

// Seconds since the first frame.
inline double frameTime(int index) { return static_cast<double>(index) / kFramesPerSecond; }

std::unique_ptr<MovieScript> makeIntro();       // IntroMovie.cpp
std::unique_ptr<MovieScript> makeMillion();     // MillionMovie.cpp
std::unique_ptr<MovieScript> makeResultLoop();  // ResultLoopMovie.cpp
std::unique_ptr<MovieScript> makeInfoCard();    // InfoMovie.cpp

}  // namespace movies
