// Tolmir's hands. Each is drawn in its own frame with the wrist at the origin and the
// fingers along +y, then turned into place; cartoon hands, four fingers and a thumb.
#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "HostParts.h"
#include "Painting.h"

namespace picgen::host {

namespace {

constexpr qreal kHandScale = 1.35;

QPointF polar(qreal degrees, qreal length) {
  // 0 degrees is +y, the way the fingers point.
  const qreal a = degrees * std::numbers::pi / 180.0;
  return {-std::sin(a) * length, std::cos(a) * length};
}

QBrush skinBrush() {
  QRadialGradient light(QPointF(-4, 8), 26);
  light.setColorAt(0.0, ink::skinLight);
  light.setColorAt(0.6, ink::skin);
  light.setColorAt(1.0, ink::skinShade);
  return light;
}

void fingerLines(QPainter& p, std::span<const QPointF> from, std::span<const QPointF> to) {
  p.setPen(QPen(withAlpha(ink::outline, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
  for (std::size_t i = 0; i < from.size() && i < to.size(); ++i) p.drawLine(from[i], to[i]);
}

void paintOpen(QPainter& p) {
  QPainterPath hand;
  hand.addRoundedRect(QRectF(-10, -1, 20, 21), 7, 7);
  const std::array<qreal, 4> x{-7.2, -2.4, 2.4, 7.0};
  const std::array<qreal, 4> tip{31, 34, 33, 29};
  for (std::size_t i = 0; i < x.size(); ++i)
    hand = hand.united(capsule({x[i], 14}, {x[i] * 1.05, tip[i]}, 2.7, 2.5));
  hand = hand.united(capsule({7, 5}, {15.5, 15}, 3.8, 3.0));
  inkFill(p, hand, skinBrush(), 1.3);
  const std::array<QPointF, 3> from{QPointF(-4.8, 21), QPointF(0, 22), QPointF(4.7, 21)};
  const std::array<QPointF, 3> to{QPointF(-4.9, 31), QPointF(0, 32), QPointF(4.8, 30)};
  fingerLines(p, from, to);
  p.setPen(QPen(withAlpha(ink::skinShade, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(-6, 4, 12, 12), 200 * 16, 120 * 16);  // palm crease
}

void paintSpread(QPainter& p) {
  QPainterPath hand;
  hand.addRoundedRect(QRectF(-10, -1, 20, 20), 7, 7);
  const std::array<qreal, 4> angle{-26, -9, 8, 25};
  const std::array<qreal, 4> length{15, 18, 17, 13};
  const std::array<qreal, 4> x{-6.5, -2.2, 2.2, 6.5};
  for (std::size_t i = 0; i < angle.size(); ++i) {
    const QPointF base(x[i], 14);
    hand = hand.united(capsule(base, base + polar(angle[i], length[i]), 2.7, 2.4));
  }
  hand = hand.united(capsule({7, 6}, QPointF(7, 6) + polar(-70, 11), 3.8, 3.0));
  inkFill(p, hand, skinBrush(), 1.3);
  p.setPen(QPen(withAlpha(ink::skinShade, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(-6, 3, 12, 12), 200 * 16, 120 * 16);
}

void paintFist(QPainter& p, bool indexUp) {
  QPainterPath fist;
  fist.addRoundedRect(QRectF(-11, -1, 22, 24), 8, 8);
  if (indexUp) fist = fist.united(capsule({-7, 14}, {-13, 34}, 3.0, 2.7));
  inkFill(p, fist, skinBrush(), 1.3);
  // Curled fingers seen from the knuckles, then the thumb across them.
  const std::array<QPointF, 3> from{QPointF(-5, 12), QPointF(0, 12), QPointF(5, 12)};
  const std::array<QPointF, 3> to{QPointF(-5, 22), QPointF(0, 22.5), QPointF(5, 22)};
  fingerLines(p, indexUp ? std::span<const QPointF>(from).subspan(1) : from,
              indexUp ? std::span<const QPointF>(to).subspan(1) : to);
  inkFill(p, capsule({9.5, 4}, {-1, 11}, 4.2, 3.6), skinBrush(), 1.4);
}

}  // namespace

void paintHand(QPainter& p, QPointF wrist, qreal angle, Hand hand, bool mirrored) {
  p.save();
  p.translate(wrist);
  p.rotate(angle);
  // Cartoon hands are drawn a little large, so gestures read at picture size.
  p.scale(mirrored ? -kHandScale : kHandScale, kHandScale);
  switch (hand) {
    case Hand::Open:
      paintOpen(p);
      break;
    case Hand::Spread:
      paintSpread(p);
      break;
    case Hand::Fist:
      paintFist(p, false);
      break;
    case Hand::ChinRest:
      paintFist(p, true);
      break;
  }
  p.restore();
}

}  // namespace picgen::host
