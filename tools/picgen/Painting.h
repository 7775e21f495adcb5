#pragma once

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <span>

// Drawing helpers every picture shares. Pictures are built from layers: transparent
// premultiplied images that are drawn, blurred and then added (light) or laid over
// (shade) onto the canvas.
namespace picgen {

QImage makeLayer(QSize size);

// Three box passes of the given radius, close to a gaussian; edges are clamped.
void blur(QImage& layer, int radius);

// Plus adds light, which is how glows and beams mix on a dark stage.
void composite(QImage& target, const QImage& layer, qreal opacity = 1.0,
               QPainter::CompositionMode mode = QPainter::CompositionMode_Plus);

QColor withAlpha(QColor colour, int alpha);

// Fills `shape` with a top-to-bottom gradient over `bounds` (stops at positions 0-1) and lays a
// white gloss of `glossAlpha` over its upper half. The painter is left clipped to the shape,
// for anything drawn on top of it.
void fillGlossy(QPainter& p, const QPainterPath& shape, const QRectF& bounds,
                const QGradientStops& stops, int glossAlpha);

enum class HexTop { Flat, Pointy };
// ySquash < 1 flattens the hexagon the way a floor seen from the front does.
QPainterPath hexagon(QPointF centre, qreal radius, HexTop top = HexTop::Flat, qreal ySquash = 1.0);
QPainterPath chamferedRect(const QRectF& rect, qreal chamfer);
QPainterPath closedPath(const QPolygonF& polygon);

// Soft light around a shape: stroked with `spread` (and filled, if asked) on a layer,
// blurred by `radius`, then added to the target with `strength`.
void halo(QImage& target, const QPainterPath& path, const QColor& colour, qreal spread, int radius,
          qreal strength, bool filled = false);

struct Glow {
  QColor colour;
  qreal lineWidth = 1.5;
  int radius = 5;        // blur of the halo
  qreal strength = 1.0;  // halo brightness
  QColor core = {};      // bright centre line of a neon tube; invalid means none
};
// A neon line: blurred halo added under a crisp stroke.
void glowStroke(QImage& target, const QPainterPath& path, const Glow& glow);

struct Beam {
  QPointF source;  // usually above the picture
  QPointF target;  // centre of the beam where it ends
  qreal sourceWidth = 10;
  qreal targetWidth = 120;
  QColor colour;
  qreal strength = 0.2;
};
// Stage spotlights: nested cones give a bright core and a soft edge, then haze blurs them.
void spotlights(QImage& target, std::span<const Beam> beams, int haze = 8);

// Darkens (or tints) a soft-edged area: the path filled with colour, feathered, laid over.
void shade(QImage& target, const QPainterPath& path, const QColor& colour, int feather,
           qreal opacity);

// Fonts by family and pixel size only, so the output does not follow the machine's DPI
// or hinting settings. Stops the program when the family is missing instead of letting
// fontconfig substitute something else.
QFont pixelFont(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal,
                qreal letterSpacing = 0);
// Text as an outline scaled to fit `box` and centred in it; outlines rasterise the same
// everywhere, unlike hinted glyphs.
QPainterPath fittedText(const QFont& font, const QString& text, const QRectF& box);

// Deterministic noise so repeated runs give identical files.
std::uint32_t hash(int x, int y, std::uint32_t seed);
qreal noise01(int x, int y, std::uint32_t seed);
// A little film grain hides the banding of dark gradients once saved as JPEG.
// Meant for opaque canvases: it shifts colour channels without looking at alpha.
void addGrain(QImage& image, std::uint32_t seed, int amplitude);

}  // namespace picgen
