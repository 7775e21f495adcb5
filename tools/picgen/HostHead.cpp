// Tolmir's head: a friendly face with glasses, short side-parted hair going grey at the
// temples, and the expressions the poses need.
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

#include "HostParts.h"
#include "Painting.h"

namespace picgen::host {

namespace {

QPainterPath faceShape() {
  QPainterPath f;
  f.moveTo(0, 38);
  f.cubicTo(19, 38, 32, 45, 33, 60);
  f.cubicTo(35, 72, 35, 87, 31, 98);
  f.cubicTo(27, 107, 15, 116, 0, 116);
  f.cubicTo(-15, 116, -27, 107, -31, 98);
  f.cubicTo(-35, 87, -35, 72, -33, 60);
  f.cubicTo(-32, 45, -19, 38, 0, 38);
  f.closeSubpath();
  return f;
}

QPainterPath hairShape() {
  QPainterPath h;
  h.moveTo(-32, 84);
  h.cubicTo(-37, 70, -38, 52, -33, 42);
  h.cubicTo(-27, 27, -12, 22, 2, 23);
  h.cubicTo(20, 23, 33, 30, 36, 44);
  h.cubicTo(38, 56, 37, 70, 33, 84);
  h.lineTo(31, 84);
  h.cubicTo(30, 72, 29, 62, 25, 54);
  // The fringe sweeps from a parting on the left across the forehead.
  h.cubicTo(16, 50, 4, 49, -6, 46);
  h.cubicTo(-14, 52, -24, 52, -28, 58);
  h.cubicTo(-30, 66, -30, 76, -30, 84);
  h.closeSubpath();
  return h;
}

void paintEars(QPainter& p) {
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath ear;
    ear.addEllipse(QPointF(s * 34, 83), 6.5, 11);
    inkFill(p, ear, ink::skin, 1.6);
    p.setPen(QPen(ink::skinShade, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath inner;
    inner.moveTo(s * 33, 77);
    inner.cubicTo(s * 37, 78, s * 37, 88, s * 33, 90);
    p.drawPath(inner);
  }
}

void paintSkin(QPainter& p, const QPainterPath& face) {
  QRadialGradient light(QPointF(-9, 70), 52);
  light.setColorAt(0.0, ink::skinLight);
  light.setColorAt(0.55, ink::skin);
  light.setColorAt(1.0, ink::skinShade);
  inkFill(p, face, light);
  p.save();
  p.setClipPath(face, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // Shadow side away from the key light, and the blue stage rim on the lit side.
  QRadialGradient shadow(QPointF(40, 92), 34);
  shadow.setColorAt(0.0, withAlpha(ink::skinShade, 150));
  shadow.setColorAt(1.0, withAlpha(ink::skinShade, 0));
  p.setBrush(shadow);
  p.drawRect(QRectF(-40, 30, 80, 90));
  for (qreal s : {-1.0, 1.0}) {
    QRadialGradient cheek(QPointF(s * 20, 95), 9);
    cheek.setColorAt(0.0, withAlpha(ink::blush, 70));
    cheek.setColorAt(1.0, withAlpha(ink::blush, 0));
    p.setBrush(cheek);
    p.drawEllipse(QPointF(s * 20, 95), 9, 9);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(ink::rim, 120), 4));
  p.drawPath(face.translated(2.2, 0));
  p.restore();
}

void paintHair(QPainter& p) {
  const QPainterPath hair = hairShape();
  QLinearGradient shine(0, 22, 0, 84);
  shine.setColorAt(0.0, QColor(58, 46, 42));
  shine.setColorAt(0.4, ink::hair);
  shine.setColorAt(1.0, QColor(22, 16, 15));
  inkFill(p, hair, shine);
  p.save();
  p.setClipPath(hair, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // Grey temples.
  for (qreal s : {-1.0, 1.0}) {
    QRadialGradient grey(QPointF(s * 33, 70), 14);
    grey.setColorAt(0.0, withAlpha(ink::hairGrey, 200));
    grey.setColorAt(1.0, withAlpha(ink::hairGrey, 0));
    p.setBrush(grey);
    p.drawEllipse(QPointF(s * 33, 70), 14, 16);
  }
  // Sheen of the lights on top, and the comb strokes of the sweep.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(ink::rim, 110), 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(-30, 26, 52, 40), 95 * 16, 60 * 16);
  p.setPen(QPen(withAlpha(QColor(90, 76, 70), 200), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 4; ++i) {
    QPainterPath stroke;
    stroke.moveTo(-16 + i * 2, 28 + i * 1.5);
    stroke.cubicTo(-4 + i * 4, 30 + i * 3, 10 + i * 4, 34 + i * 3.5, 18 + i * 3, 44 + i * 2);
    p.drawPath(stroke);
  }
  p.restore();
  p.setPen(QPen(withAlpha(ink::outline, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-17, 27), QPointF(-14, 40));  // the parting
}

void paintBrows(QPainter& p, const Face& face) {
  for (qreal s : {-1.0, 1.0}) {
    const qreal lift = 4 * face.browLift + s * 2.5 * face.browTilt;
    const qreal frown = s < 0 ? 0 : 2.5 * face.browTilt;  // inner end lower: pondering
    QPainterPath brow;
    brow.moveTo(s * 6, 67 - lift + frown);
    brow.cubicTo(s * 11, 62.5 - lift, s * 18, 62 - lift, s * 23, 66 - lift);
    p.setPen(QPen(ink::hair, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(brow);
  }
}

void paintEyes(QPainter& p, const Face& face) {
  for (qreal s : {-1.0, 1.0}) {
    const QPointF c(s * 13.5, 78);
    if (face.happyEyes) {
      QPainterPath arc;
      arc.moveTo(c + QPointF(-6, 2));
      arc.cubicTo(c + QPointF(-3, -4), c + QPointF(3, -4), c + QPointF(6, 2));
      p.setPen(QPen(ink::outline, 2.4, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(arc);
      continue;
    }
    const qreal open = 1.0 - std::clamp(face.blink, 0.0, 1.0);
    if (open < 0.15) {
      p.setPen(QPen(ink::outline, 2.0, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(c + QPointF(-6, 0.5), c + QPointF(6, 0.5));
      continue;
    }
    QPainterPath white;
    white.addEllipse(c, 6.2, 4.8 * open);
    inkFill(p, white, ink::shirt, 0);
    p.save();
    p.setClipPath(white, Qt::IntersectClip);
    const QPointF iris = c + QPointF(face.glance * 2.4, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 58, 34));
    p.drawEllipse(iris, 3.5, 3.5);
    p.setBrush(ink::outline);
    p.drawEllipse(iris, 1.8, 1.8);
    p.setBrush(Qt::white);
    p.drawEllipse(iris + QPointF(-1.2, -1.3), 1.0, 1.0);
    p.restore();
    // Upper lid line, heavier than the lower one.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::outline, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 6.2, c.y() - 4.8 * open, 12.4, 9.6 * open), 10 * 16, 160 * 16);
  }
}

void paintGlasses(QPainter& p) {
  for (qreal s : {-1.0, 1.0}) {
    const QRectF lensBox(s * 14 - 10.5, 70, 21, 15.5);
    QPainterPath lens;
    lens.addRoundedRect(lensBox, 6, 6);
    p.save();
    p.setClipPath(lens, Qt::IntersectClip);
    p.fillRect(lensBox, withAlpha(ink::rim, 28));
    QPainterPath glint;
    glint.moveTo(lensBox.left() + 3, lensBox.bottom());
    glint.lineTo(lensBox.left() + 9, lensBox.top());
    glint.lineTo(lensBox.left() + 13, lensBox.top());
    glint.lineTo(lensBox.left() + 7, lensBox.bottom());
    p.fillPath(glint, withAlpha(Qt::white, 60));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::frame, 2.3));
    p.drawPath(lens);
    p.drawLine(QPointF(s * 24.5, 74), QPointF(s * 33, 73));
  }
  p.setPen(QPen(ink::frame, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(-3.6, 73, 7.2, 5), 20 * 16, 140 * 16);
}

void paintNose(QPainter& p) {
  QRadialGradient tip(QPointF(-1, 92), 6);
  tip.setColorAt(0.0, withAlpha(ink::skinLight, 220));
  tip.setColorAt(1.0, withAlpha(ink::skinLight, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(tip);
  p.drawEllipse(QPointF(-1, 92), 6, 5);
  QPainterPath side;
  side.moveTo(3, 82);
  side.cubicTo(5, 88, 7.5, 92, 6, 95);
  QPainterPath under;
  under.moveTo(-5.5, 95);
  under.cubicTo(-4.5, 98.5, -1.5, 98.5, 0, 97.5);
  under.cubicTo(1.5, 98.5, 4.5, 98.5, 6, 95);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(ink::skinShade, 255), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(side);
  p.setPen(QPen(withAlpha(ink::outline, 200), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(under);
}

void paintMouth(QPainter& p, const Face& face) {
  const qreal open = face.grin ? 1.0 : std::clamp(face.talk, 0.0, 1.0);
  const qreal halfWidth = face.grin ? 14 : 11 + 2 * face.smile;
  const qreal corner = 104 - 2.5 * face.smile;
  // Smile lines of a man who laughs a lot.
  p.setPen(QPen(withAlpha(ink::skinShade, 220), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath line;
    line.moveTo(s * 13, 95);
    line.cubicTo(s * 17, 99, s * (halfWidth + 4), corner + 1, s * (halfWidth + 2), corner + 5);
    p.drawPath(line);
  }
  if (open < 0.08) {
    QPainterPath smile;
    smile.moveTo(-halfWidth, corner);
    smile.cubicTo(-halfWidth / 2, corner + 5 * face.smile + 1, halfWidth / 2,
                  corner + 5 * face.smile + 1, halfWidth, corner);
    p.setPen(QPen(ink::outline, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(smile);
    p.setPen(QPen(withAlpha(ink::lips, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-4, corner + 5 * face.smile + 4), QPointF(4, corner + 5 * face.smile + 4));
    return;
  }
  const qreal drop = 3 + open * (face.grin ? 12 : 8);
  QPainterPath mouth;
  mouth.moveTo(-halfWidth, corner);
  mouth.cubicTo(-halfWidth / 2, corner + 2, halfWidth / 2, corner + 2, halfWidth, corner);
  mouth.cubicTo(halfWidth * 0.7, corner + drop, -halfWidth * 0.7, corner + drop, -halfWidth,
                corner);
  mouth.closeSubpath();
  inkFill(p, mouth, ink::mouth, 1.8);
  p.save();
  p.setClipPath(mouth, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(ink::shirt);
  p.drawRect(QRectF(-halfWidth, corner - 2, 2 * halfWidth, 3 + drop * 0.28));
  p.setBrush(QColor(200, 80, 80));
  p.drawEllipse(QPointF(0, corner + drop), halfWidth * 0.55, drop * 0.45);
  p.restore();
}

void paintSweat(QPainter& p) {
  QPainterPath drop;
  drop.moveTo(30, 56);
  drop.cubicTo(33, 62, 36, 65, 36, 68);
  drop.cubicTo(36, 71.5, 33.5, 73, 31.5, 73);
  drop.cubicTo(29, 73, 27, 71, 27.5, 68);
  drop.cubicTo(28, 65, 29.5, 62, 30, 56);
  QLinearGradient water(27, 60, 36, 73);
  water.setColorAt(0.0, ink::shirt);
  water.setColorAt(1.0, ink::rim);
  inkFill(p, drop, water, 1.3);
  p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(30, 66), QPointF(29.8, 69));
}

}  // namespace

void paintHead(QPainter& p, const Face& face) {
  paintEars(p);
  paintSkin(p, faceShape());
  paintHair(p);
  paintBrows(p, face);
  paintEyes(p, face);
  paintNose(p);
  paintMouth(p, face);
  paintGlasses(p);
  if (face.sweat) paintSweat(p);
}

}  // namespace picgen::host
