#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>

// The corner of the studio where Tolmir stands: the set behind him and the host desk
// in front of him, shared by his pictures and the movies.
namespace picgen {

// Back wall with its honeycomb, crossing spotlights and a large hexagon frame around
// the host; `hostHead` is where his head will be. `lights` dims the beams (0 .. 1).
void paintHostStudio(QImage& canvas, QPointF hostHead, qreal lights = 1.0);

// The desk: `top` is its top slab, the front panel reaches down to the bottom edge.
void paintHostDesk(QImage& canvas, const QRectF& top);

}  // namespace picgen
