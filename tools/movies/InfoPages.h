#pragma once

#include <QImage>

// The pages of the information card (FILE4): 0 and 1 tell how to play, 2 who made it.
namespace movies {

// Paints page `page` below the heading, faded by `opacity` and lowered by `drop` pixels;
// `t` is the movie's time in seconds.
void paintInfoPage(QImage& canvas, int page, qreal opacity, qreal drop, qreal t);

}  // namespace movies
