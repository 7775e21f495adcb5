#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <vector>

// Timing curves, seeded chance and the glowing type every movie uses.
namespace movies {

qreal clamp01(qreal x);
// 0 before `from`, 1 after `to`, a smooth S in between.
qreal ramp(qreal x, qreal from, qreal to);
qreal easeOutCubic(qreal x);
qreal easeOutBack(qreal x);  // overshoots a little before settling
qreal mix(qreal a, qreal b, qreal k);
QPointF mix(QPointF a, QPointF b, qreal k);
// 1 inside [from, to] with `fade` long soft edges, 0 elsewhere.
qreal window(qreal x, qreal from, qreal to, qreal fade);

// Same seed, same movie: a small generator of our own, as std distributions may differ
// between standard libraries.
class Random {
 public:
  explicit Random(std::uint64_t seed) : m_state(seed) {}
  std::uint64_t next();
  qreal uniform(qreal low = 0, qreal high = 1);
  int below(int count);

 private:
  std::uint64_t m_state;
};

struct TextLook {
  QColor top;  // face gradient, top to bottom
  QColor middle;
  QColor bottom;
  QColor rim;   // thin outline
  QColor glow;  // halo colour
  qreal glowStrength = 0.8;
  int glowRadius = 8;
  qreal rimWidth = 2.0;
};
TextLook goldLook();
TextLook ivoryLook();

// The outline of `text` in `font`, scaled to fit `box` and centred in it.
QPainterPath textPath(const QFont& font, const QString& text, const QRectF& box);
// The same outline cut into one path per character, each where it sits in the whole, so
// letters can arrive one at a time and still end up as the word.
std::vector<QPainterPath> letterPaths(const QFont& font, const QString& text, const QRectF& box);
// Glowing type on an opaque canvas; `opacity` fades all of it, `shine` (0 .. 1, or
// negative for none) is where a glint band crosses the letters from left to right.
void paintGlowText(QImage& canvas, const QPainterPath& text, const TextLook& look,
                   qreal opacity = 1, qreal shine = -1);

// A four-pointed twinkle with a soft round glow.
void paintSparkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour,
                  qreal opacity = 1);

// A burst of rays turned by `angle` degrees: light from behind a title.
void paintTurningRays(QImage& canvas, QPointF centre, int count, qreal reach, const QColor& colour,
                      qreal strength, qreal angle);

}  // namespace movies
