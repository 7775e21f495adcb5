// Hair styles for the heads drawn in Tolmir's style. Each is a filled shape in the hair's
// gradient with a few strokes for texture and the blue rim of the stage lights on top.
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <initializer_list>

#include "HostParts.h"
#include "Painting.h"

namespace picgen::host {

namespace {

QLinearGradient hairGradient(const Look& look, qreal top, qreal bottom) {
  QLinearGradient shine(0, top, 0, bottom);
  shine.setColorAt(0.0, look.hairLight);
  shine.setColorAt(0.4, look.hair);
  shine.setColorAt(1.0, look.hairDark);
  return shine;
}

// Joins the points with curves that bow out by `bulge` of each step's length, which turns
// a polygon into locks of hair. Clockwise points bow outwards for a positive bulge.
QPainterPath locks(std::initializer_list<QPointF> points, qreal bulge) {
  QPainterPath path;
  const QPointF* previous = nullptr;
  for (const QPointF& point : points) {
    if (previous == nullptr) {
      path.moveTo(point);
    } else {
      const QPointF d = point - *previous;
      const QPointF outward(d.y(), -d.x());
      path.quadTo((*previous + point) / 2 + outward * bulge, point);
    }
    previous = &point;
  }
  path.closeSubpath();
  return path;
}

void paintGreyTemples(QPainter& p, const Look& look) {
  if (look.greyTemples <= 0) return;
  for (qreal s : {-1.0, 1.0}) {
    QRadialGradient grey(QPointF(s * 33, 70), 14);
    grey.setColorAt(0.0, withAlpha(ink::hairGrey, look.greyTemples));
    grey.setColorAt(1.0, withAlpha(ink::hairGrey, 0));
    p.setBrush(grey);
    p.drawEllipse(QPointF(s * 33, 70), 14, 16);
  }
}

void paintSheen(QPainter& p, const QRectF& arc) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(ink::rim, 110), 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(arc, 95 * 16, 60 * 16);
}

// Tolmir: short, parted on the left, the fringe swept across the forehead.
void paintSidePart(QPainter& p, const Look& look) {
  QPainterPath hair;
  hair.moveTo(-32, 84);
  hair.cubicTo(-37, 70, -38, 52, -33, 42);
  hair.cubicTo(-27, 27, -12, 22, 2, 23);
  hair.cubicTo(20, 23, 33, 30, 36, 44);
  hair.cubicTo(38, 56, 37, 70, 33, 84);
  hair.lineTo(31, 84);
  hair.cubicTo(30, 72, 29, 62, 25, 54);
  hair.cubicTo(16, 50, 4, 49, -6, 46);
  hair.cubicTo(-14, 52, -24, 52, -28, 58);
  hair.cubicTo(-30, 66, -30, 76, -30, 84);
  hair.closeSubpath();
  inkFill(p, hair, hairGradient(look, 22, 84));
  p.save();
  p.setClipPath(hair, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  paintGreyTemples(p, look);
  paintSheen(p, QRectF(-30, 26, 52, 40));
  p.setPen(QPen(withAlpha(look.hairStrand, 200), 1.1, Qt::SolidLine, Qt::RoundCap));
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

// A teenager's mop: tufts sticking up and a fringe in points down to the brows.
void paintTousled(QPainter& p, const Look& look) {
  const QPainterPath hair =
      locks({{-33, 84}, {-38, 66}, {-40, 46}, {-35, 31}, {-27, 18}, {-22, 24}, {-12, 13}, {-6, 20},
             {4, 10},   {10, 19},  {20, 14},  {25, 23},  {33, 25},  {36, 38},  {39, 54},  {35, 84},
             {31, 84},  {30, 66},  {27, 56},  {23, 62},  {18, 52},  {12, 60},  {6, 51},   {0, 59},
             {-6, 51},  {-12, 58}, {-18, 50}, {-24, 58}, {-28, 54}, {-30, 66}, {-30, 84}},
            0.12);
  inkFill(p, hair, hairGradient(look, 12, 84));
  p.save();
  p.setClipPath(hair, Qt::IntersectClip);
  paintSheen(p, QRectF(-28, 20, 50, 40));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(look.hairStrand, 210), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 6; ++i) {
    const qreal x = -22 + i * 8.5;
    QPainterPath stroke;
    stroke.moveTo(x - 2, 24 + (i % 2) * 3);
    stroke.cubicTo(x, 34, x + 2, 42, x + (i % 2 ? 3 : -1), 52);
    p.drawPath(stroke);
  }
  p.restore();
}

// The hair of a long style, without the face's opening.
QPainterPath longOutline() {
  QPainterPath outline;
  outline.moveTo(-42, 146);
  outline.cubicTo(-50, 126, -49, 98, -46, 78);
  outline.cubicTo(-45, 50, -36, 24, 0, 19);
  outline.cubicTo(34, 20, 44, 46, 46, 76);
  outline.cubicTo(48, 100, 52, 126, 44, 146);
  outline.cubicTo(40, 140, 36, 142, 33, 138);
  outline.lineTo(-33, 138);
  outline.cubicTo(-36, 143, -39, 141, -42, 146);
  outline.closeSubpath();
  return outline;
}

// Where the face, neck and shoulders show through a long style: under a fringe swept from
// a parting on the left down across the right temple.
QPainterPath longOpening() {
  QPainterPath opening;
  opening.moveTo(-13, 40);
  opening.cubicTo(-4, 50, 16, 54, 29, 66);
  opening.cubicTo(33, 76, 33, 92, 31, 104);
  opening.cubicTo(30, 114, 30, 124, 34, 150);
  opening.lineTo(-34, 150);
  opening.cubicTo(-30, 124, -30, 114, -31, 104);
  opening.cubicTo(-33, 90, -33, 70, -28, 56);
  opening.cubicTo(-24, 46, -18, 42, -13, 40);
  opening.closeSubpath();
  return opening;
}

void paintLongBehind(QPainter& p, const Look& look) {
  QPainterPath back = longOutline();
  back.addRect(QRectF(-42, 100, 84, 46));
  inkFill(p, back.simplified(), QColor(look.hairDark));
}

void paintLong(QPainter& p, const Look& look) {
  const QPainterPath hair = longOutline().subtracted(longOpening());
  inkFill(p, hair, hairGradient(look, 18, 146));
  p.save();
  p.setClipPath(hair, Qt::IntersectClip);
  paintSheen(p, QRectF(-34, 24, 56, 44));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(look.hairStrand, 200), 1.1, Qt::SolidLine, Qt::RoundCap));
  // The fringe's sweep, then the waves falling down both sides.
  for (int i = 0; i < 4; ++i) {
    QPainterPath stroke;
    stroke.moveTo(-12 + i * 2, 26 + i * 1.5);
    stroke.cubicTo(0 + i * 3, 32 + i * 2, 16 + i * 3, 40 + i * 3, 28 + i * 2, 58 + i * 3);
    p.drawPath(stroke);
  }
  for (qreal s : {-1.0, 1.0}) {
    for (int i = 0; i < 3; ++i) {
      const qreal x = s * (37 + i * 3.5);
      QPainterPath wave;
      wave.moveTo(x, 60 + i * 6);
      wave.cubicTo(x + s * 4, 84, x - s * 3, 106, x + s * 2, 136);
      p.drawPath(wave);
    }
  }
  p.restore();
}

// A bald man's hair: a white fringe round the back of the head that shows either side of
// it, behind the ears, and a wisp combed over the crown.
void paintBaldBehind(QPainter& p, const Look& look) {
  const QPainterPath fringe = locks({{-30, 54},
                                     {-38, 57},
                                     {-43, 65},
                                     {-45, 74},
                                     {-44, 84},
                                     {-41, 94},
                                     {-35, 102},
                                     {-26, 106},
                                     {26, 106},
                                     {35, 102},
                                     {41, 94},
                                     {44, 84},
                                     {45, 74},
                                     {43, 65},
                                     {38, 57},
                                     {30, 54}},
                                    0.22);
  inkFill(p, fringe, hairGradient(look, 54, 106), 1.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(look.hairStrand, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
  for (qreal s : {-1.0, 1.0}) {
    for (int i = 0; i < 3; ++i) {
      QPainterPath curl;
      curl.moveTo(s * 37, 62 + i * 12);
      curl.cubicTo(s * 41, 64 + i * 12, s * 42, 69 + i * 12, s * 40, 72 + i * 12);
      p.drawPath(curl);
    }
  }
}

void paintBald(QPainter& p, const Look& look) {
  // Shine of the lights on the crown.
  p.setPen(Qt::NoPen);
  QRadialGradient shine(QPointF(-10, 32), 12);
  shine.setColorAt(0.0, withAlpha(Qt::white, 150));
  shine.setColorAt(1.0, withAlpha(Qt::white, 0));
  p.setBrush(shine);
  p.drawEllipse(QPointF(-10, 32), 14, 9);
  QPainterPath wisp;
  wisp.moveTo(-6, 23);
  wisp.cubicTo(-2, 16, 6, 16, 7, 21);
  wisp.cubicTo(8, 24, 4, 25, 3, 22);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(look.hair, 1.3, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(wisp);
}

// Cropped short, the hairline going back a little at the temples.
void paintCrew(QPainter& p, const Look& look) {
  QPainterPath hair;
  hair.moveTo(-32, 82);
  hair.cubicTo(-36, 66, -37, 48, -33, 38);
  hair.cubicTo(-27, 26, -12, 22, 2, 22);
  hair.cubicTo(20, 22, 32, 28, 35, 40);
  hair.cubicTo(38, 52, 37, 68, 33, 82);
  hair.lineTo(31, 82);
  hair.cubicTo(30, 72, 30, 60, 25, 53);
  hair.cubicTo(21, 47, 14, 45, 8, 46.5);
  hair.cubicTo(4, 47, 2, 48, 0, 48);
  hair.cubicTo(-2, 48, -4, 47, -8, 46.5);
  hair.cubicTo(-14, 45, -21, 47, -25, 53);
  hair.cubicTo(-30, 60, -30, 72, -30, 82);
  hair.closeSubpath();
  inkFill(p, hair, hairGradient(look, 22, 82));
  p.save();
  p.setClipPath(hair, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  paintGreyTemples(p, look);
  paintSheen(p, QRectF(-28, 26, 50, 36));
  p.setPen(QPen(withAlpha(look.hairStrand, 190), 0.9, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 40; ++i) {
    const QPointF at(-33 + 66 * noise01(i, 5, 17), 24 + 30 * noise01(i, 6, 17));
    p.drawLine(at, at + QPointF(at.x() * 0.05, 2.0));
  }
  p.restore();
}

}  // namespace

void paintHairBehind(QPainter& p, const Look& look) {
  if (look.hairStyle == HairStyle::Long) paintLongBehind(p, look);
  if (look.hairStyle == HairStyle::Bald) paintBaldBehind(p, look);
}

void paintHair(QPainter& p, const Look& look) {
  switch (look.hairStyle) {
    case HairStyle::SidePart:
      paintSidePart(p, look);
      break;
    case HairStyle::Tousled:
      paintTousled(p, look);
      break;
    case HairStyle::Long:
      paintLong(p, look);
      break;
    case HairStyle::Bald:
      paintBald(p, look);
      break;
    case HairStyle::Crew:
      paintCrew(p, look);
      break;
  }
}

}  // namespace picgen::host
