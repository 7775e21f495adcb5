// The movie decoder against arbitrary bytes: whatever a movie file holds, opening it,
// decoding every frame and starting over never crash, and a refused file has no frames.

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "media/WebpAnimation.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly `size` bytes: the decoder gets no more than the file holds.
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  WebpAnimation movie;
  if (!movie.open(bytes)) {
    CHECK(movie.frameCount() == 0);
    CHECK(movie.next().isNull());
    return 0;
  }
  CHECK(movie.frameCount() > 0);
  for (int pass = 0; pass < 2; ++pass) {
    int shown = 0;
    while (!movie.next().isNull()) ++shown;  // broken data inside a frame ends the movie there
    CHECK(shown <= movie.frameCount());
    movie.rewind();
    CHECK(movie.nextIndex() == 0);
  }
  return 0;
}
