// Tolmir's neck and suit: torso with lapels, shirt, bow tie and pocket square, and the sleeves.
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "HostParts.h"
#include "Painting.h"
#include "Palette.h"

namespace picgen::host {

QPainterPath capsule(QPointF a, QPointF b, qreal radiusA, qreal radiusB) {
  const QPointF d = b - a;
  const qreal length = std::hypot(d.x(), d.y());
  QPainterPath ends;
  ends.addEllipse(a, radiusA, radiusA);
  QPainterPath other;
  other.addEllipse(b, radiusB, radiusB);
  ends = ends.united(other);
  if (length < 0.01) return ends;
  const QPointF n(-d.y() / length, d.x() / length);
  QPainterPath middle;
  middle.addPolygon(QPolygonF{a + n * radiusA, b + n * radiusB, b - n * radiusB, a - n * radiusA});
  middle.closeSubpath();
  return ends.united(middle);
}

void inkFill(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal line) {
  p.setPen(line > 0 ? QPen(ink::outline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                    : QPen(Qt::NoPen));
  p.setBrush(brush);
  p.drawPath(path);
}

namespace {

QPainterPath mirroredX(const QPainterPath& path) { return QTransform::fromScale(-1, 1).map(path); }

QPainterPath suitShape() {
  QPainterPath s;
  s.moveTo(-15, 116);
  s.cubicTo(-30, 124, -48, 128, -58, 133);
  s.cubicTo(-68, 138, -72, 150, -71, 166);
  s.lineTo(-67, 284);
  s.lineTo(67, 284);
  s.lineTo(71, 166);
  s.cubicTo(72, 150, 68, 138, 58, 133);
  s.cubicTo(48, 128, 30, 124, 15, 116);
  s.closeSubpath();
  return s;
}

// The left lapel seen by the viewer; the other one is its mirror image.
QPainterPath lapelShape() {
  QPainterPath l;
  l.moveTo(-15, 117);
  l.lineTo(-25, 124);
  l.lineTo(-35, 147);
  l.lineTo(-28, 151);
  l.cubicTo(-36, 166, -30, 196, -1, 228);
  l.lineTo(-15, 117);
  l.closeSubpath();
  return l;
}

// Soft light from the stage: a blue crescent along the left edge of a shape.
void rimLight(QPainter& p, const QPainterPath& shape, qreal width, int alpha) {
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(ink::rim, alpha), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(shape.translated(width * 0.45, 0));
  p.restore();
}

void paintShirt(QPainter& p) {
  QPainterPath front;
  front.moveTo(-16, 116);
  front.lineTo(16, 116);
  front.lineTo(0, 230);
  front.closeSubpath();
  QLinearGradient light(0, 116, 0, 230);
  light.setColorAt(0.0, ink::shirtShade);
  light.setColorAt(0.25, ink::shirt);
  light.setColorAt(1.0, ink::shirtShade);
  inkFill(p, front, light, 0);
  // Collar wings either side of the bow tie.
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath wing;
    wing.moveTo(s * 2, 121);
    wing.lineTo(s * 16, 113);
    wing.lineTo(s * 13, 133);
    wing.closeSubpath();
    inkFill(p, wing, ink::shirt, 1.4);
  }
  // Buttons placket.
  p.setPen(QPen(withAlpha(ink::shirtShade, 255), 1.0));
  p.drawLine(QPointF(0, 134), QPointF(0, 226));
}

void paintBowTie(QPainter& p) {
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath wing;
    wing.moveTo(s * 3, 124);
    wing.cubicTo(s * 10, 117, s * 18, 115, s * 20, 118);
    wing.cubicTo(s * 22, 123, s * 22, 129, s * 20, 134);
    wing.cubicTo(s * 17, 136, s * 10, 133, s * 3, 128);
    wing.closeSubpath();
    QLinearGradient lit(0, 116, 0, 136);
    lit.setColorAt(0.0, palette::amber);
    lit.setColorAt(0.45, palette::orange);
    lit.setColorAt(1.0, QColor(170, 70, 0));
    inkFill(p, wing, lit, 1.6);
    p.setPen(QPen(withAlpha(QColor(140, 55, 0), 200), 1.0));
    p.drawLine(QPointF(s * 6, 126), QPointF(s * 16, 122));
    p.drawLine(QPointF(s * 6, 127), QPointF(s * 16, 131));
  }
  QPainterPath knot;
  knot.addRoundedRect(QRectF(-4.5, 121, 9, 10), 3, 3);
  QLinearGradient lit(0, 121, 0, 131);
  lit.setColorAt(0.0, palette::amber);
  lit.setColorAt(1.0, QColor(200, 90, 0));
  inkFill(p, knot, lit, 1.5);
}

void paintPocketSquare(QPainter& p) {
  QPainterPath peaks;
  peaks.moveTo(32, 196);
  peaks.lineTo(36, 185);
  peaks.lineTo(40, 191);
  peaks.lineTo(45, 183);
  peaks.lineTo(49, 192);
  peaks.lineTo(52, 194);
  peaks.closeSubpath();
  QLinearGradient lit(0, 183, 0, 196);
  lit.setColorAt(0.0, palette::ivory);
  lit.setColorAt(0.5, palette::amber);
  lit.setColorAt(1.0, palette::orange);
  inkFill(p, peaks, lit, 1.3);
  p.setPen(QPen(ink::outline, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(30, 196), QPointF(54, 194));
}

}  // namespace

void paintNeck(QPainter& p, const Look& look) {
  QPainterPath neck;
  neck.moveTo(-14, 100);
  neck.lineTo(-15, 128);
  neck.lineTo(15, 128);
  neck.lineTo(14, 100);
  neck.closeSubpath();
  QLinearGradient shade(0, 100, 0, 128);
  shade.setColorAt(0.0, look.neck);
  shade.setColorAt(1.0, look.skinShade);
  inkFill(p, neck, shade);
}

void paintTorso(QPainter& p) {
  const QPainterPath suit = suitShape();
  QRadialGradient cloth(QPointF(-24, 150), 130);
  cloth.setColorAt(0.0, ink::suitLight);
  cloth.setColorAt(0.45, ink::suit);
  cloth.setColorAt(1.0, ink::suitShade);
  inkFill(p, suit, cloth);
  paintShirt(p);

  for (bool mirror : {false, true}) {
    const QPainterPath lapel = mirror ? mirroredX(lapelShape()) : lapelShape();
    QLinearGradient satin(mirror ? 35 : -35, 130, 0, 220);
    satin.setColorAt(0.0, ink::lapel);
    satin.setColorAt(0.5, mirror ? ink::lapel : QColor(44, 56, 92));
    satin.setColorAt(1.0, ink::lapel);
    inkFill(p, lapel, satin, 1.6);
  }
  // Where the jacket closes, and its button.
  p.setPen(QPen(ink::outline, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(0, 228), QPointF(-2, 284));
  QPainterPath button;
  button.addEllipse(QPointF(0, 242), 3.2, 3.2);
  inkFill(p, button, QColor(60, 70, 100), 1.2);

  paintPocketSquare(p);
  paintBowTie(p);
  rimLight(p, suit, 5, 110);
}

void paintArm(QPainter& p, const Arm& arm) {
  const QPointF forearm = arm.wrist - arm.elbow;
  const qreal length = std::hypot(forearm.x(), forearm.y());
  const QPointF along = length > 0 ? forearm / length : QPointF(0, 1);
  const qreal forearmAngle = std::atan2(-along.x(), along.y()) * 180.0 / std::numbers::pi;

  paintHand(p, arm.wrist, forearmAngle + arm.handAngle, arm.hand, arm.mirrored);
  const QPainterPath cuff = capsule(arm.wrist - along * 14, arm.wrist - along * 6, 9.5, 9);
  inkFill(p, cuff, ink::shirt, 1.6);

  QPainterPath sleeve = capsule(arm.shoulder, arm.elbow, 15.5, 14.5);
  sleeve = sleeve.united(capsule(arm.elbow, arm.wrist - along * 18, 14.5, 12));
  QLinearGradient cloth(arm.shoulder + QPointF(-20, 0), arm.shoulder + QPointF(30, 0));
  cloth.setColorAt(0.0, ink::suitLight);
  cloth.setColorAt(0.5, ink::suit);
  cloth.setColorAt(1.0, ink::suitShade);
  inkFill(p, sleeve, cloth);
  rimLight(p, sleeve, 4, 90);

  // A crease where the sleeve bends.
  const QPointF upper = arm.elbow - arm.shoulder;
  const qreal bend = upper.x() * forearm.y() - upper.y() * forearm.x();
  if (std::abs(bend) > 400) {
    const QPointF side =
        (bend > 0 ? QPointF(along.y(), -along.x()) : QPointF(-along.y(), along.x()));
    p.setPen(QPen(withAlpha(ink::outline, 170), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(arm.elbow + side * 4 + along * 3, arm.elbow + side * 11 + along * 9);
  }
}

}  // namespace picgen::host
