#include "Painting.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace picgen {

QImage makeLayer(QSize size) {
  QImage layer(size, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  return layer;
}

namespace {

// One box pass along `count` pixels `step` apart.
void boxPass(QRgb* line, int count, int step, int radius, std::vector<QRgb>& scratch) {
  scratch.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) scratch[static_cast<std::size_t>(i)] = line[i * step];
  auto at = [&](int i) { return scratch[static_cast<std::size_t>(std::clamp(i, 0, count - 1))]; };
  const int window = 2 * radius + 1;
  int r = 0, g = 0, b = 0, a = 0;
  for (int i = -radius; i <= radius; ++i) {
    const QRgb p = at(i);
    r += qRed(p), g += qGreen(p), b += qBlue(p), a += qAlpha(p);
  }
  const int half = window / 2;
  for (int i = 0; i < count; ++i) {
    line[i * step] =
        qRgba((r + half) / window, (g + half) / window, (b + half) / window, (a + half) / window);
    const QRgb out = at(i - radius);
    const QRgb in = at(i + radius + 1);
    r += qRed(in) - qRed(out), g += qGreen(in) - qGreen(out);
    b += qBlue(in) - qBlue(out), a += qAlpha(in) - qAlpha(out);
  }
}

}  // namespace

void blur(QImage& layer, int radius) {
  if (radius <= 0) return;
  if (layer.format() != QImage::Format_ARGB32_Premultiplied)
    layer = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = layer.width();
  const int h = layer.height();
  const int stride = static_cast<int>(layer.bytesPerLine() / 4);
  auto* pixels = reinterpret_cast<QRgb*>(layer.bits());
  std::vector<QRgb> scratch;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) boxPass(pixels + y * stride, w, 1, radius, scratch);
    for (int x = 0; x < w; ++x) boxPass(pixels + x, h, stride, radius, scratch);
  }
}

void composite(QImage& target, const QImage& layer, qreal opacity, QPainter::CompositionMode mode) {
  QPainter p(&target);
  p.setCompositionMode(mode);
  p.setOpacity(opacity);
  p.drawImage(0, 0, layer);
}

QColor withAlpha(QColor colour, int alpha) {
  colour.setAlpha(std::clamp(alpha, 0, 255));
  return colour;
}

QPainterPath hexagon(QPointF centre, qreal radius, HexTop top, qreal ySquash) {
  const qreal start = top == HexTop::Flat ? 0.0 : 30.0;
  QPainterPath path;
  for (int i = 0; i < 6; ++i) {
    const qreal angle = (start + 60.0 * i) * std::numbers::pi / 180.0;
    const QPointF corner(centre.x() + radius * std::cos(angle),
                         centre.y() + radius * std::sin(angle) * ySquash);
    if (i == 0)
      path.moveTo(corner);
    else
      path.lineTo(corner);
  }
  path.closeSubpath();
  return path;
}

QPainterPath chamferedRect(const QRectF& r, qreal c) {
  QPainterPath path;
  path.moveTo(r.left() + c, r.top());
  path.lineTo(r.right() - c, r.top());
  path.lineTo(r.right(), r.top() + c);
  path.lineTo(r.right(), r.bottom() - c);
  path.lineTo(r.right() - c, r.bottom());
  path.lineTo(r.left() + c, r.bottom());
  path.lineTo(r.left(), r.bottom() - c);
  path.lineTo(r.left(), r.top() + c);
  path.closeSubpath();
  return path;
}

QPainterPath closedPath(const QPolygonF& polygon) {
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

void halo(QImage& target, const QPainterPath& path, const QColor& colour, qreal spread, int radius,
          qreal strength, bool filled) {
  QImage layer = makeLayer(target.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(spread > 0 ? QPen(colour, spread, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                        : QPen(Qt::NoPen));
    p.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
    p.drawPath(path);
  }
  blur(layer, radius);
  composite(target, layer, strength);
}

void glowStroke(QImage& target, const QPainterPath& path, const Glow& glow) {
  halo(target, path, glow.colour, glow.lineWidth * 2.5, glow.radius, glow.strength);
  QPainter p(&target);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(glow.colour, glow.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  if (glow.core.isValid()) {
    p.setPen(QPen(glow.core, glow.lineWidth * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
  }
}

void spotlights(QImage& target, std::span<const Beam> beams, int haze) {
  QImage layer = makeLayer(target.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    constexpr int nested = 7;
    for (const Beam& beam : beams) {
      QLinearGradient fade(beam.source, beam.target);
      const int alpha = static_cast<int>(255 * beam.strength / nested * 2.0);
      fade.setColorAt(0.0, withAlpha(beam.colour, alpha));
      fade.setColorAt(0.55, withAlpha(beam.colour, alpha * 6 / 10));
      fade.setColorAt(1.0, withAlpha(beam.colour, alpha / 5));
      // Perpendicular to the axis, so slanted beams keep their width.
      const QPointF axis = beam.target - beam.source;
      const qreal length = std::hypot(axis.x(), axis.y());
      const QPointF across(-axis.y() / length, axis.x() / length);
      for (int i = 1; i <= nested; ++i) {
        const qreal k = static_cast<qreal>(i) / nested;
        const QPointF s = across * (beam.sourceWidth * k / 2);
        const QPointF t = across * (beam.targetWidth * k / 2);
        QPainterPath cone;
        cone.moveTo(beam.source - s);
        cone.lineTo(beam.source + s);
        cone.lineTo(beam.target + t);
        cone.lineTo(beam.target - t);
        cone.closeSubpath();
        p.setBrush(fade);
        p.drawPath(cone);
      }
    }
  }
  blur(layer, haze);
  composite(target, layer);
}

void shade(QImage& target, const QPainterPath& path, const QColor& colour, int feather,
           qreal opacity) {
  QImage layer = makeLayer(target.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
  }
  blur(layer, feather);
  composite(target, layer, opacity, QPainter::CompositionMode_SourceOver);
}

QFont pixelFont(const QString& family, int pixelSize, QFont::Weight weight, qreal letterSpacing) {
  if (!QFontDatabase::families().contains(family)) {
    std::fprintf(stderr, "fortuniak_picgen: font family \"%s\" is not installed\n",
                 qPrintable(family));
    std::exit(3);
  }
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(true);
  if (letterSpacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
  return font;
}

QPainterPath fittedText(const QFont& font, const QString& text, const QRectF& box) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  if (bounds.isEmpty()) return path;
  const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(scale, scale);
  fit.translate(-bounds.center().x(), -bounds.center().y());
  return fit.map(path);
}

std::uint32_t hash(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

qreal noise01(int x, int y, std::uint32_t seed) {
  return static_cast<qreal>(hash(x, y, seed) & 0xFFFFFFu) / static_cast<qreal>(0xFFFFFFu);
}

void addGrain(QImage& image, std::uint32_t seed, int amplitude) {
  if (image.format() != QImage::Format_ARGB32_Premultiplied)
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int d =
          static_cast<int>(hash(x, y, seed) % static_cast<std::uint32_t>(2 * amplitude + 1)) -
          amplitude;
      const QRgb p = line[x];
      line[x] = qRgba(std::clamp(qRed(p) + d, 0, 255), std::clamp(qGreen(p) + d, 0, 255),
                      std::clamp(qBlue(p) + d, 0, 255), qAlpha(p));
    }
  }
}

void fillGlossy(QPainter& p, const QPainterPath& shape, const QRectF& bounds,
                const QGradientStops& stops, int glossAlpha) {
  QLinearGradient face(0, bounds.top(), 0, bounds.bottom());
  face.setStops(stops);
  p.setPen(Qt::NoPen);
  p.setBrush(face);
  p.drawPath(shape);
  p.setClipPath(shape);
  QLinearGradient gloss(0, bounds.top(), 0, bounds.center().y());
  gloss.setColorAt(0.0, withAlpha(Qt::white, glossAlpha));
  gloss.setColorAt(1.0, withAlpha(Qt::white, 0));
  p.fillRect(QRectF(bounds.left(), bounds.top(), bounds.width(), bounds.height() / 2), gloss);
}

}  // namespace picgen
