// The head of Tolmir and of anyone drawn in his style: face, ears, eyes, nose, mouth,
// glasses, the marks of age and facial hair, and the expressions the poses need. The hair
// itself is in HostHair.cpp.
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

#include "HostParts.h"
#include "Painting.h"
#include "Palette.h"

namespace picgen::host {

namespace {

// `jaw` narrows or widens the cheeks and chin; the forehead stays.
QPainterPath faceShape(qreal jaw) {
  QPainterPath f;
  f.moveTo(0, 38);
  f.cubicTo(19, 38, 32, 45, 33, 60);
  f.cubicTo(35, 72, 35 * jaw, 87, 31 * jaw, 98);
  f.cubicTo(27 * jaw, 107, 15 * jaw, 116, 0, 116);
  f.cubicTo(-15 * jaw, 116, -27 * jaw, 107, -31 * jaw, 98);
  f.cubicTo(-35 * jaw, 87, -35, 72, -33, 60);
  f.cubicTo(-32, 45, -19, 38, 0, 38);
  f.closeSubpath();
  return f;
}

// A bald head shows the crown, so the skin goes up to where the hair would start.
QPainterPath skinShape(const Look& look) {
  QPainterPath face = faceShape(look.jaw);
  if (look.hairStyle != HairStyle::Bald) return face;
  QPainterPath crown;
  crown.addEllipse(QPointF(0, 58), 35.5, 37);
  return face.united(crown);
}

void paintEars(QPainter& p, const Look& look) {
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath ear;
    ear.addEllipse(QPointF(s * 34, 83), 6.5, 11);
    inkFill(p, ear, look.skin, 1.6);
    p.setPen(QPen(look.skinShade, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath inner;
    inner.moveTo(s * 33, 77);
    inner.cubicTo(s * 37, 78, s * 37, 88, s * 33, 90);
    p.drawPath(inner);
  }
}

void paintSkin(QPainter& p, const QPainterPath& face, const Look& look) {
  QRadialGradient light(QPointF(-9, 70), 52);
  light.setColorAt(0.0, look.skinLight);
  light.setColorAt(0.55, look.skin);
  light.setColorAt(1.0, look.skinShade);
  inkFill(p, face, light);
  p.save();
  p.setClipPath(face, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // Shadow side away from the key light, and the blue stage rim on the lit side.
  QRadialGradient shadow(QPointF(40, 92), 34);
  shadow.setColorAt(0.0, withAlpha(look.skinShade, 150));
  shadow.setColorAt(1.0, withAlpha(look.skinShade, 0));
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

void paintBrows(QPainter& p, const Face& face, const Look& look) {
  for (qreal s : {-1.0, 1.0}) {
    const qreal lift = 4 * face.browLift + s * 2.5 * face.browTilt;
    const qreal frown = s < 0 ? 0 : 2.5 * face.browTilt;  // inner end lower: pondering
    QPainterPath brow;
    brow.moveTo(s * 6, 67 - lift + frown);
    brow.cubicTo(s * 11, 62.5 - lift, s * 18, 62 - lift, s * 23, 66 - lift);
    p.setPen(QPen(look.brow, look.browWidth, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(brow);
  }
}

void paintEyes(QPainter& p, const Face& face, const Look& look) {
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
    p.setBrush(look.iris);
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
    if (look.lashes) {
      // A heavier lid and two lashes at the outer corner.
      p.setPen(QPen(ink::outline, 2.6, Qt::SolidLine, Qt::RoundCap));
      p.drawArc(QRectF(c.x() - 6.2, c.y() - 4.8 * open, 12.4, 9.6 * open), 30 * 16, 120 * 16);
      p.setPen(QPen(ink::outline, 1.4, Qt::SolidLine, Qt::RoundCap));
      const QPointF corner = c + QPointF(s * 6.0, -1.5 * open);
      p.drawLine(corner, corner + QPointF(s * 3.0, -2.4));
      p.drawLine(corner + QPointF(-s * 1.8, -1.6 * open), corner + QPointF(s * 1.2, -4.0));
    }
  }
}

// Thin gold wire and round lenses, an old man's pair.
void paintRoundGlasses(QPainter& p) {
  const QColor wire(196, 160, 92);
  for (qreal s : {-1.0, 1.0}) {
    const QPointF centre(s * 13.5, 78.5);
    QPainterPath lens;
    lens.addEllipse(centre, 8.6, 8.6);
    p.save();
    p.setClipPath(lens, Qt::IntersectClip);
    p.fillPath(lens, withAlpha(ink::rim, 24));
    p.setPen(QPen(withAlpha(Qt::white, 70), 2.0));
    p.drawLine(centre + QPointF(-5, 5), centre + QPointF(1, -6));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::frame, 2.2));
    p.drawPath(lens);
    p.setPen(QPen(wire, 1.0));
    p.drawPath(lens);
    p.setPen(QPen(ink::frame, 1.6));
    p.drawLine(QPointF(s * 22, 77), QPointF(s * 33, 75));
  }
  p.setPen(QPen(ink::frame, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(-5, 74, 10, 6), 20 * 16, 140 * 16);
}

void paintGlasses(QPainter& p, Glasses glasses) {
  if (glasses == Glasses::None) return;
  if (glasses == Glasses::Round) {
    paintRoundGlasses(p);
    return;
  }
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

// Coloured lips under the line of a closed smile.
void paintLipstick(QPainter& p, const Face& face, const QColor& colour, qreal halfWidth,
                   qreal corner) {
  const qreal curve = 5 * face.smile + 1;
  QPainterPath lips;
  lips.moveTo(-halfWidth, corner);
  lips.cubicTo(-halfWidth / 2, corner - 2.5, -2, corner - 2.5, 0, corner - 1.2);
  lips.cubicTo(2, corner - 2.5, halfWidth / 2, corner - 2.5, halfWidth, corner);
  lips.cubicTo(halfWidth / 2, corner + curve + 3, -halfWidth / 2, corner + curve + 3, -halfWidth,
               corner);
  lips.closeSubpath();
  QLinearGradient shine(0, corner - 3, 0, corner + curve + 2);
  shine.setColorAt(0.0, colour.darker(115));
  shine.setColorAt(0.6, colour);
  shine.setColorAt(1.0, colour.lighter(125));
  inkFill(p, lips, shine, 1.0);
}

void paintMouth(QPainter& p, const Face& face, const Look& look) {
  const qreal open = face.grin ? 1.0 : std::clamp(face.talk, 0.0, 1.0);
  const qreal halfWidth = face.grin ? 14 : 11 + 2 * face.smile;
  const qreal corner = 104 - 2.5 * face.smile;
  // Smile lines of a man who laughs a lot.
  p.setPen(QPen(withAlpha(look.skinShade, 220), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  if (look.smileLines) {
    for (qreal s : {-1.0, 1.0}) {
      QPainterPath line;
      line.moveTo(s * 13, 95);
      line.cubicTo(s * 17, 99, s * (halfWidth + 4), corner + 1, s * (halfWidth + 2), corner + 5);
      p.drawPath(line);
    }
  }
  if (open < 0.08 && look.lipstick.isValid())
    paintLipstick(p, face, look.lipstick, halfWidth, corner);
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

// Lines on the forehead, crow's feet, bags under the eyes and the folds of the cheeks.
void paintAge(QPainter& p, const QPainterPath& skin, const Look& look) {
  const qreal a = std::clamp(look.age, 0.0, 1.0);
  p.save();
  p.setClipPath(skin, Qt::IntersectClip);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(look.skinShade.darker(115), static_cast<int>(230 * a)), 1.3,
                Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    const qreal y = 47 + 5.5 * i;
    const qreal half = 17 - 2.5 * i;
    QPainterPath line;
    line.moveTo(-half, y + 1);
    line.cubicTo(-half / 3, y - 1.5, half / 3, y + 1.5, half, y - 0.5);
    p.drawPath(line);
  }
  for (qreal s : {-1.0, 1.0}) {
    const QPointF corner(s * 21.5, 79);
    for (qreal k : {-1.0, 0.0, 1.0})
      p.drawLine(corner + QPointF(s * 1.5, k * 1.8), corner + QPointF(s * 6.5, k * 3.6 - 0.5));
    QPainterPath bag;
    bag.moveTo(s * 8, 85.5);
    bag.cubicTo(s * 11, 89, s * 17, 89, s * 20, 85);
    p.drawPath(bag);
    QPainterPath jowl;
    jowl.moveTo(s * 16, 106);
    jowl.cubicTo(s * 17, 110, s * 18, 112, s * 21, 113);
    p.drawPath(jowl);
  }
  p.restore();
}

void paintFreckles(QPainter& p, const Look& look) {
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(look.skinShade.darker(120), 150));
  for (int i = 0; i < 9; ++i) {
    for (qreal s : {-1.0, 1.0}) {
      const qreal x = 9 + 13 * noise01(i, 1, 71);
      const qreal y = 86 + 8 * noise01(i, 2, 71);
      p.drawEllipse(QPointF(s * x, y), 0.9, 0.9);
    }
  }
}

// A short beard along the jaw and chin, joined to a moustache, leaving the cheeks bare.
void paintBeard(QPainter& p, const Look& look) {
  const qreal j = look.jaw;
  QPainterPath beard;
  beard.moveTo(-33 * j, 84);
  beard.cubicTo(-30 * j, 95, -24 * j, 101, -15, 100);
  beard.cubicTo(-9, 96, -4, 96.5, 0, 97.5);
  beard.cubicTo(4, 96.5, 9, 96, 15, 100);
  beard.cubicTo(24 * j, 101, 30 * j, 95, 33 * j, 84);
  beard.cubicTo(36 * j, 100, 26 * j, 121, 0, 123);
  beard.cubicTo(-26 * j, 121, -36 * j, 100, -33 * j, 84);
  beard.closeSubpath();
  QLinearGradient tone(0, 84, 0, 123);
  tone.setColorAt(0.0, look.beard.lighter(115));
  tone.setColorAt(1.0, look.beard.darker(130));
  inkFill(p, beard, tone, 1.4);
  // Texture: short strokes, and the rim light along the lit side.
  p.save();
  p.setClipPath(beard, Qt::IntersectClip);
  p.setPen(QPen(withAlpha(look.beard.darker(160), 170), 0.9, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 60; ++i) {
    const QPointF at(-32 + 64 * noise01(i, 3, 42), 90 + 32 * noise01(i, 4, 42));
    p.drawLine(at, at + QPointF(0.6 * (at.x() > 0 ? 1 : -1), 2.2));
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(ink::rim, 90), 3));
  p.drawPath(beard.translated(2, 0));
  p.restore();
}

// A full, drooping moustache over the upper lip.
void paintMoustache(QPainter& p, const QColor& colour) {
  QPainterPath m;
  m.moveTo(0, 96.5);
  m.cubicTo(5, 95, 12, 96, 15, 101);
  m.cubicTo(16.5, 104, 16, 107, 14, 108);
  m.cubicTo(11, 104, 5, 103.5, 0, 103.5);
  m.cubicTo(-5, 103.5, -11, 104, -14, 108);
  m.cubicTo(-16, 107, -16.5, 104, -15, 101);
  m.cubicTo(-12, 96, -5, 95, 0, 96.5);
  m.closeSubpath();
  QLinearGradient tone(0, 95, 0, 108);
  tone.setColorAt(0.0, colour);
  tone.setColorAt(1.0, colour.darker(125));
  inkFill(p, m, tone, 1.4);
  p.setPen(QPen(withAlpha(colour.darker(150), 200), 0.8, Qt::SolidLine, Qt::RoundCap));
  for (qreal s : {-1.0, 1.0})
    for (int i = 1; i < 5; ++i)
      p.drawLine(QPointF(s * 2.8 * i, 98), QPointF(s * (3.2 * i + 1), 102.5));
}

void paintEarrings(QPainter& p, const QColor& colour) {
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath drop;
    drop.addEllipse(QPointF(s * 34.5, 98.5), 2.4, 2.4);
    drop.addEllipse(QPointF(s * 34.5, 105), 3.4, 4.2);
    QRadialGradient shine(QPointF(s * 33.5, 103), 5);
    shine.setColorAt(0.0, palette::ivory);
    shine.setColorAt(0.5, colour);
    shine.setColorAt(1.0, colour.darker(150));
    inkFill(p, drop, shine, 1.1);
  }
}

}  // namespace

void paintHead(QPainter& p, const Face& face, const Look& look) {
  paintEars(p, look);
  const QPainterPath skin = skinShape(look);
  paintSkin(p, skin, look);
  if (look.age > 0) paintAge(p, skin, look);
  if (look.freckles) paintFreckles(p, look);
  if (look.beard.isValid()) paintBeard(p, look);
  paintHair(p, look);
  paintBrows(p, face, look);
  paintEyes(p, face, look);
  paintNose(p);
  paintMouth(p, face, look);
  if (look.moustache.isValid()) paintMoustache(p, look.moustache);
  paintGlasses(p, look.glasses);
  if (look.earrings.isValid()) paintEarrings(p, look.earrings);
  if (face.sweat) paintSweat(p);
}

}  // namespace picgen::host
