#pragma once

#include <QImage>
#include <QString>

#include "Movie.h"

namespace movies {

// One frame on a fresh opaque canvas; `script` must be asked for frames in order.
QImage renderFrame(MovieScript& script, const Movie& movie, int index);

// Renders all frames as frameDir/frame0000.png ... and returns false with `error` set
// when one cannot be written.
bool writeFrames(const Movie& movie, const QString& frameDir, QString& error);

// Packs the frames of writeFrames() into an endlessly looping animated WebP. Every frame
// is stored whole (a key frame), so the game can jump to any of them cheaply.
bool encodeWebp(const Movie& movie, const QString& frameDir, const QString& output, QString& error);

}  // namespace movies
