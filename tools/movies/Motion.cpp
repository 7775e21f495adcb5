#include "Motion.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Painting.h"
#include "Palette.h"

namespace movies {

using picgen::withAlpha;

qreal clamp01(qreal x) { return std::clamp(x, 0.0, 1.0); }

qreal ramp(qreal x, qreal from, qreal to) {
  const qreal k = clamp01((x - from) / (to - from));
  return k * k * (3 - 2 * k);
}

qreal easeOutCubic(qreal x) {
  const qreal k = 1 - clamp01(x);
  return 1 - k * k * k;
}

qreal easeOutBack(qreal x) {
  const qreal k = clamp01(x) - 1;
  constexpr qreal s = 1.70158;
  return 1 + (s + 1) * k * k * k + s * k * k;
}

qreal mix(qreal a, qreal b, qreal k) { return a + (b - a) * k; }
QPointF mix(QPointF a, QPointF b, qreal k) { return a + (b - a) * k; }

qreal window(qreal x, qreal from, qreal to, qreal fade) {
  return std::min(ramp(x, from - fade, from), 1 - ramp(x, to, to + fade));
}

std::uint64_t Random::next() {
  // SplitMix64.
  std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

qreal Random::uniform(qreal low, qreal high) {
  const qreal unit = static_cast<qreal>(next() >> 11) / static_cast<qreal>(1ull << 53);
  return low + (high - low) * unit;
}

int Random::below(int count) {
  return static_cast<int>(next() % static_cast<std::uint64_t>(count));
}

TextLook goldLook() {
  return {picgen::palette::ivory,
          QColor(255, 214, 120),
          QColor(214, 120, 20),
          QColor(120, 50, 0),
          picgen::palette::orange,
          0.9,
          10,
          2.2};
}

TextLook ivoryLook() {
  return {picgen::palette::ivory,
          picgen::palette::ivory,
          QColor(236, 214, 168),
          picgen::palette::orange,
          picgen::palette::orange,
          0.7,
          6,
          1.8};
}

QPainterPath textPath(const QFont& font, const QString& text, const QRectF& box) {
  return picgen::fittedText(font, text, box);
}

std::vector<QPainterPath> letterPaths(const QFont& font, const QString& text, const QRectF& box) {
  QPainterPath whole;
  whole.addText(0, 0, font, text);
  const QRectF bounds = whole.boundingRect();
  std::vector<QPainterPath> letters;
  if (bounds.isEmpty()) return letters;
  const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(scale, scale);
  fit.translate(-bounds.center().x(), -bounds.center().y());
  const QFontMetricsF metrics(font);
  for (qsizetype i = 0; i < text.size(); ++i) {
    QPainterPath letter;
    letter.addText(metrics.horizontalAdvance(text.left(i)), 0, font, text.mid(i, 1));
    letters.push_back(fit.map(letter));
  }
  return letters;
}

void paintGlowText(QImage& canvas, const QPainterPath& text, const TextLook& look, qreal opacity,
                   qreal shine) {
  if (opacity <= 0.003) return;
  const QRectF bounds = text.boundingRect();
  QImage layer = picgen::makeLayer(canvas.size());
  picgen::halo(layer, text, look.glow, look.glowRadius * 1.2, look.glowRadius,
               look.glowStrength * 0.7, true);
  picgen::halo(layer, text, look.glow, look.rimWidth * 2, 3, look.glowStrength, true);
  picgen::composite(canvas, layer, opacity);

  QImage face = picgen::makeLayer(canvas.size());
  {
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(
        QPen(QColor(30, 10, 0), look.rimWidth * 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(0, 2));
    p.setPen(QPen(look.rim, look.rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
    picgen::fillGlossy(p, text, bounds, {{0.0, look.top}, {0.48, look.middle}, {1.0, look.bottom}},
                       130);
    if (shine >= 0 && shine <= 1) {
      // A slanted band of light sweeping across.
      const qreal x = mix(bounds.left() - bounds.height(), bounds.right() + bounds.height(), shine);
      QLinearGradient band(x - bounds.height() * 0.4, 0, x + bounds.height() * 0.4, 0);
      band.setColorAt(0.0, withAlpha(Qt::white, 0));
      band.setColorAt(0.5, withAlpha(Qt::white, 210));
      band.setColorAt(1.0, withAlpha(Qt::white, 0));
      p.setTransform(QTransform().shear(-0.35, 0), true);
      p.fillRect(bounds.adjusted(-bounds.height(), 0, bounds.height() * 2, 0), band);
    }
  }
  picgen::composite(canvas, face, opacity, QPainter::CompositionMode_SourceOver);
}

void paintSparkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour, qreal opacity) {
  if (opacity <= 0.003 || radius <= 0.1) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setOpacity(clamp01(opacity));
  p.setPen(Qt::NoPen);
  QRadialGradient glow(centre, radius * 1.2);
  glow.setColorAt(0.0, withAlpha(colour, 200));
  glow.setColorAt(0.3, withAlpha(colour, 70));
  glow.setColorAt(1.0, withAlpha(colour, 0));
  p.setBrush(glow);
  p.drawEllipse(centre, radius * 1.2, radius * 1.2);
  QPainterPath star;
  const qreal w = radius * 0.16;
  star.moveTo(centre + QPointF(0, -radius));
  star.quadTo(centre + QPointF(w, -w), centre + QPointF(radius, 0));
  star.quadTo(centre + QPointF(w, w), centre + QPointF(0, radius));
  star.quadTo(centre + QPointF(-w, w), centre + QPointF(-radius, 0));
  star.quadTo(centre + QPointF(-w, -w), centre + QPointF(0, -radius));
  p.setBrush(QColor(255, 255, 245));
  p.drawPath(star);
  p.restore();
}

void paintTurningRays(QImage& canvas, QPointF centre, int count, qreal reach, const QColor& colour,
                      qreal strength, qreal angle) {
  QImage layer = picgen::makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRadialGradient fade(centre, reach);
    fade.setColorAt(0.0, withAlpha(colour, static_cast<int>(255 * strength)));
    fade.setColorAt(0.35, withAlpha(colour, static_cast<int>(120 * strength)));
    fade.setColorAt(1.0, withAlpha(colour, 0));
    p.setBrush(fade);
    const qreal step = 2 * std::numbers::pi / count;
    for (int i = 0; i < count; ++i) {
      const qreal a = angle * std::numbers::pi / 180.0 + i * step;
      const qreal half = step * (i % 2 ? 0.18 : 0.28);
      QPainterPath ray;
      ray.moveTo(centre);
      ray.lineTo(centre + QPointF(std::cos(a - half), std::sin(a - half)) * reach);
      ray.lineTo(centre + QPointF(std::cos(a + half), std::sin(a + half)) * reach);
      ray.closeSubpath();
      p.drawPath(ray);
    }
  }
  picgen::blur(layer, 7);
  picgen::composite(canvas, layer);
}

}  // namespace movies
