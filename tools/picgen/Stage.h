#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <cstdint>

// The night-time studio every full-screen picture stands in: back wall, honeycomb of
// hexagon tiles, glossy floor and the dark glass plates the game writes on.
namespace picgen {

// Black at the top, deep navy where the lights reach the wall, a darker floor below
// `horizon`; `glow` is the centre of the light on the back wall.
void paintBackdrop(QImage& canvas, qreal horizon, QPointF glow);

struct Honeycomb {
  QRectF area;  // cells whose centre falls outside are skipped
  qreal cellRadius = 22;
  qreal gap = 0.12;   // share of the radius left dark between neighbours
  QPointF light;      // cells are brightest here ...
  QSizeF lightReach;  // ... and fade out over this ellipse
  int outlineAlpha = 90;
  qreal litShare = 0.10;  // share of cells glowing from inside, like LED panels
  std::uint32_t seed = 1;
};
void paintHoneycomb(QImage& canvas, const Honeycomb& honeycomb);

// A burst of soft rays from behind a title, fading out by `reach`.
void paintRays(QImage& canvas, QPointF centre, int count, qreal reach, const QColor& colour,
               qreal strength, std::uint32_t seed);

// Mirrors the wall above `horizon` into the floor, fading with depth, and lays the
// bright edge where wall meets floor.
void paintFloorReflection(QImage& canvas, qreal horizon, int depth, qreal opacity);
void paintHorizonLine(QImage& canvas, qreal horizon, qreal centreX, qreal halfLength);

// Concentric hexagon rings lying on the floor: the stage platform.
void paintFloorRings(QImage& canvas, QPointF centre, qreal radius, qreal squash);

// The show's lit diamond: an orange glow of `glowRadius` under an ivory-to-orange face.
void paintDiamond(QImage& canvas, QPointF centre, QSizeF halfSize, int glowRadius);

// A calm, dark plate with chamfered corners and a faint blue edge, for text or pages
// the game lays on top.
void paintGlassPanel(QImage& canvas, const QRectF& rect, qreal chamfer, qreal darkness);

}  // namespace picgen
