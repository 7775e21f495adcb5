// imgFace1 .. imgFace4, 79 x 82 (the size of imgCFace, which shows them unscaled): the four
// friends as photographs taken on the show's set, drawn like Tolmir: Jacek Mazur (15),
// Dorota Malec (39), Zenon Wrona (82) and Leszek Gruszka (42).
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "HostParts.h"
#include "HostScene.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

namespace picgen {

namespace {

using host::inkFill;
using host::Look;

// Figure units to picture pixels: the head fills the upper half, the chest the bottom.
constexpr qreal kScale = 0.5;
constexpr QPointF kFigureOrigin{39.5, -4};
constexpr QPointF kHead{39.5, 30};

// Shoulders and chest; `width` narrows or widens them.
QPainterPath torso(qreal width) {
  const qreal w = width;
  QPainterPath t;
  t.moveTo(-15, 116);
  t.cubicTo(-30, 124, -48 * w, 128, -58 * w, 134);
  t.cubicTo(-68 * w, 140, -72 * w, 152, -72 * w, 170);
  t.lineTo(-72 * w, 200);
  t.lineTo(72 * w, 200);
  t.lineTo(72 * w, 170);
  t.cubicTo(72 * w, 152, 68 * w, 140, 58 * w, 134);
  t.cubicTo(48 * w, 128, 30, 124, 15, 116);
  t.closeSubpath();
  return t;
}

void fillCloth(QPainter& p, const QPainterPath& shape, const QColor& light, const QColor& base,
               const QColor& dark) {
  QRadialGradient cloth(QPointF(-24, 150), 110);
  cloth.setColorAt(0.0, light);
  cloth.setColorAt(0.5, base);
  cloth.setColorAt(1.0, dark);
  inkFill(p, shape, cloth);
}

// The blue stage light along the right-hand edge of a shape, as on Tolmir's suit.
void rimLight(QPainter& p, const QPainterPath& shape) {
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(host::ink::rim, 110), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(shape.translated(2.2, 0));
  p.restore();
}

QPainterPath mirrored(const QPainterPath& path) { return QTransform::fromScale(-1, 1).map(path); }

// Jacek: an orange hoodie, the hood rolled round the neck and its two cords.
void paintHoodie(QPainter& p, const Look& look) {
  const QPainterPath body = torso(0.86);
  fillCloth(p, body, palette::amber, palette::orange, QColor(170, 66, 0));
  // A dark T-shirt shows in the hood's opening.
  QPainterPath tee;
  tee.moveTo(-15, 116);
  tee.cubicTo(-14, 128, -8, 136, 0, 136);
  tee.cubicTo(8, 136, 14, 128, 15, 116);
  tee.closeSubpath();
  inkFill(p, tee, QColor(30, 40, 70), 1.2);
  QPainterPath throat;
  throat.moveTo(-13, 116);
  throat.cubicTo(-10, 125, 10, 125, 13, 116);
  throat.closeSubpath();
  inkFill(p, throat, look.skinShade, 1.2);
  QPainterPath hood;
  hood.moveTo(-34, 118);
  hood.cubicTo(-40, 132, -22, 150, 0, 150);
  hood.cubicTo(22, 150, 40, 132, 34, 118);
  hood.cubicTo(26, 112, 18, 113, 15, 116);
  hood.cubicTo(14, 128, 8, 136, 0, 136);
  hood.cubicTo(-8, 136, -14, 128, -15, 116);
  hood.cubicTo(-18, 113, -26, 112, -34, 118);
  hood.closeSubpath();
  QLinearGradient roll(0, 112, 0, 150);
  roll.setColorAt(0.0, QColor(255, 160, 50));
  roll.setColorAt(1.0, QColor(200, 84, 0));
  inkFill(p, hood, roll, 1.6);
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath cord;
    cord.moveTo(s * 7, 140);
    cord.cubicTo(s * 8, 152, s * 6, 162, s * 8, 172);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(host::ink::outline, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cord);
    p.setPen(QPen(palette::ivory, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cord);
  }
  rimLight(p, body);
}

// Dorota: a wine-red top with a V neck and a chain with the show's diamond on it.
void paintBlouse(QPainter& p, const Look& look) {
  const QPainterPath body = torso(0.8);
  fillCloth(p, body, QColor(196, 70, 96), QColor(150, 32, 62), QColor(70, 10, 30));
  QPainterPath neckline;
  neckline.moveTo(-17, 116);
  neckline.cubicTo(-16, 134, -8, 148, 0, 156);
  neckline.cubicTo(8, 148, 16, 134, 17, 116);
  neckline.closeSubpath();
  QLinearGradient skin(0, 116, 0, 156);
  skin.setColorAt(0.0, look.skinShade);
  skin.setColorAt(0.4, look.skin);
  skin.setColorAt(1.0, look.skinShade);
  inkFill(p, neckline, skin, 1.6);
  QPainterPath chain;
  chain.moveTo(-14, 122);
  chain.cubicTo(-12, 136, -5, 142, 0, 142);
  chain.cubicTo(5, 142, 12, 136, 14, 122);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::amber, 1.2));
  p.drawPath(chain);
  QPainterPath diamond;
  diamond.moveTo(0, 141);
  diamond.lineTo(4, 146.5);
  diamond.lineTo(0, 152);
  diamond.lineTo(-4, 146.5);
  diamond.closeSubpath();
  QLinearGradient lit(0, 141, 0, 152);
  lit.setColorAt(0.0, palette::ivory);
  lit.setColorAt(0.4, palette::amber);
  lit.setColorAt(1.0, palette::orange);
  inkFill(p, diamond, lit, 1.0);
  rimLight(p, body);
}

// Zenon: a knitted cardigan buttoned over a shirt and tie.
void paintCardigan(QPainter& p) {
  const QPainterPath body = torso(0.94);
  QPainterPath shirt;
  shirt.moveTo(-18, 114);
  shirt.lineTo(18, 114);
  shirt.lineTo(0, 190);
  shirt.closeSubpath();
  fillCloth(p, body, QColor(150, 128, 104), QColor(112, 92, 74), QColor(52, 42, 34));
  inkFill(p, shirt, QColor(206, 220, 238), 0);
  QPainterPath tie;
  tie.moveTo(-4, 124);
  tie.lineTo(4, 124);
  tie.lineTo(7, 164);
  tie.lineTo(0, 172);
  tie.lineTo(-7, 164);
  tie.closeSubpath();
  QLinearGradient silk(0, 124, 0, 172);
  silk.setColorAt(0.0, QColor(40, 54, 100));
  silk.setColorAt(1.0, QColor(22, 30, 60));
  inkFill(p, tie, silk, 1.4);
  p.save();
  p.setClipPath(tie, Qt::IntersectClip);
  p.setPen(QPen(withAlpha(palette::orange, 200), 1.6));
  for (int i = 0; i < 5; ++i) p.drawLine(QPointF(-8, 128 + 9 * i), QPointF(8, 134 + 9 * i));
  p.restore();
  QPainterPath knot;
  knot.addRoundedRect(QRectF(-5, 117, 10, 8), 2.5, 2.5);
  inkFill(p, knot, QColor(36, 48, 92), 1.3);
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath collar;
    collar.moveTo(s * 3, 120);
    collar.lineTo(s * 17, 112);
    collar.lineTo(s * 14, 132);
    collar.closeSubpath();
    inkFill(p, collar, QColor(226, 236, 248), 1.3);
  }
  // The cardigan's two fronts, closing low in a V.
  QPainterPath front;
  front.moveTo(-20, 118);
  front.cubicTo(-22, 140, -12, 166, 0, 184);
  front.lineTo(0, 200);
  front.lineTo(-70, 200);
  front.lineTo(-70, 140);
  front.closeSubpath();
  for (const QPainterPath& half : {front, mirrored(front)}) {
    const QPainterPath shape = half.intersected(body);
    fillCloth(p, shape, QColor(150, 128, 104), QColor(112, 92, 74), QColor(52, 42, 34));
  }
  p.setPen(QPen(withAlpha(QColor(60, 48, 38), 160), 1.0));
  for (int i = 0; i < 7; ++i) {
    const qreal x = -60 + 20 * i;
    p.drawLine(QPointF(x, 140), QPointF(x, 200));
  }
  for (int i = 0; i < 2; ++i) {
    QPainterPath button;
    button.addEllipse(QPointF(-3.5, 186 + 9 * i), 2.8, 2.8);
    inkFill(p, button, QColor(214, 196, 160), 1.0);
  }
  rimLight(p, body);
}

// Leszek: a green checked flannel shirt, open at the neck over a white T-shirt.
void paintFlannel(QPainter& p, const Look& look) {
  const QPainterPath body = torso(1.0);
  fillCloth(p, body, QColor(90, 150, 110), QColor(46, 104, 72), QColor(16, 44, 30));
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  p.setPen(QPen(withAlpha(QColor(10, 30, 20), 150), 4));
  for (int i = -4; i <= 4; ++i) p.drawLine(QPointF(i * 16, 110), QPointF(i * 16, 200));
  for (int i = 0; i < 6; ++i) p.drawLine(QPointF(-80, 140 + i * 16), QPointF(80, 140 + i * 16));
  p.setPen(QPen(withAlpha(palette::ivory, 70), 1.0));
  for (int i = -4; i <= 4; ++i) p.drawLine(QPointF(i * 16 + 6, 110), QPointF(i * 16 + 6, 200));
  for (int i = 0; i < 6; ++i) p.drawLine(QPointF(-80, 146 + i * 16), QPointF(80, 146 + i * 16));
  p.restore();
  QPainterPath open;
  open.moveTo(-16, 116);
  open.lineTo(16, 116);
  open.lineTo(0, 148);
  open.closeSubpath();
  inkFill(p, open, palette::ivory, 1.4);
  QPainterPath neck;
  neck.moveTo(-13, 116);
  neck.cubicTo(-10, 126, 10, 126, 13, 116);
  neck.closeSubpath();
  inkFill(p, neck, look.skinShade, 1.2);
  for (qreal s : {-1.0, 1.0}) {
    QPainterPath collar;
    collar.moveTo(s * 16, 112);
    collar.lineTo(s * 30, 124);
    collar.lineTo(s * 22, 142);
    collar.lineTo(s * 2, 150);
    collar.closeSubpath();
    fillCloth(p, collar, QColor(90, 150, 110), QColor(46, 104, 72), QColor(16, 44, 30));
  }
  rimLight(p, body);
}

struct Friend {
  Look look;
  host::Face face;
  std::uint32_t grain;
};

void drawFriend(QImage& canvas, const Friend& f, void (*clothes)(QPainter&, const Look&)) {
  paintHostStudio(canvas, kHead, 0.8);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kFigureOrigin);
    p.scale(kScale, kScale);
    host::paintHairBehind(p, f.look);
    host::paintNeck(p, f.look);
    clothes(p, f.look);
    host::paintHead(p, f.face, f.look);
  }
  addGrain(canvas, f.grain, 2);
}

}  // namespace

void drawFriendFace1(QImage& canvas) {
  Friend jacek;
  jacek.look.skin = QColor(246, 196, 160);
  jacek.look.skinLight = QColor(255, 222, 192);
  jacek.look.skinShade = QColor(214, 146, 112);
  jacek.look.hairStyle = host::HairStyle::Tousled;
  jacek.look.hairLight = QColor(150, 100, 58);
  jacek.look.hair = QColor(112, 70, 38);
  jacek.look.hairDark = QColor(62, 36, 18);
  jacek.look.hairStrand = QColor(160, 112, 70);
  jacek.look.brow = QColor(96, 60, 32);
  jacek.look.browWidth = 3.0;
  jacek.look.iris = QColor(70, 110, 160);
  jacek.look.glasses = host::Glasses::None;
  jacek.look.jaw = 0.92;
  jacek.look.smileLines = false;
  jacek.look.freckles = true;
  jacek.face.smile = 1.0;
  jacek.face.browLift = 0.4;
  jacek.grain = 801;
  drawFriend(canvas, jacek, paintHoodie);
}

void drawFriendFace2(QImage& canvas) {
  Friend dorota;
  dorota.look.skin = QColor(242, 194, 160);
  dorota.look.skinLight = QColor(252, 218, 190);
  dorota.look.skinShade = QColor(206, 140, 108);
  dorota.look.hairStyle = host::HairStyle::Long;
  dorota.look.hairLight = QColor(190, 92, 50);
  dorota.look.hair = QColor(140, 56, 28);
  dorota.look.hairDark = QColor(70, 24, 12);
  dorota.look.hairStrand = QColor(200, 110, 70);
  dorota.look.brow = QColor(96, 40, 22);
  dorota.look.browWidth = 2.6;
  dorota.look.iris = QColor(70, 120, 80);
  dorota.look.glasses = host::Glasses::None;
  dorota.look.jaw = 0.9;
  dorota.look.smileLines = false;
  dorota.look.lashes = true;
  dorota.look.lipstick = QColor(206, 72, 88);
  dorota.look.earrings = palette::orange;
  dorota.face.smile = 0.75;
  dorota.face.browLift = 0.2;
  dorota.grain = 802;
  drawFriend(canvas, dorota, paintBlouse);
}

void drawFriendFace3(QImage& canvas) {
  Friend zenon;
  zenon.look.skin = QColor(234, 184, 152);
  zenon.look.skinLight = QColor(246, 210, 184);
  zenon.look.skinShade = QColor(192, 128, 100);
  zenon.look.neck = QColor(150, 100, 78);
  zenon.look.hairStyle = host::HairStyle::Bald;
  zenon.look.hairLight = QColor(250, 250, 246);
  zenon.look.hair = QColor(222, 222, 216);
  zenon.look.hairDark = QColor(170, 170, 166);
  zenon.look.hairStrand = QColor(150, 150, 146);
  zenon.look.brow = QColor(226, 226, 220);
  zenon.look.browWidth = 4.6;
  zenon.look.iris = QColor(96, 120, 140);
  zenon.look.glasses = host::Glasses::Round;
  zenon.look.age = 1.0;
  zenon.look.moustache = QColor(236, 236, 230);
  zenon.face.smile = 0.6;
  zenon.face.browLift = 0.3;
  zenon.grain = 803;
  drawFriend(canvas, zenon, [](QPainter& p, const Look&) { paintCardigan(p); });
}

void drawFriendFace4(QImage& canvas) {
  Friend leszek;
  leszek.look.skin = QColor(228, 172, 132);
  leszek.look.skinLight = QColor(244, 200, 164);
  leszek.look.skinShade = QColor(186, 118, 84);
  leszek.look.hairStyle = host::HairStyle::Crew;
  leszek.look.hairLight = QColor(176, 136, 84);
  leszek.look.hair = QColor(134, 96, 54);
  leszek.look.hairDark = QColor(74, 50, 26);
  leszek.look.hairStrand = QColor(190, 152, 100);
  leszek.look.greyTemples = 90;
  leszek.look.brow = QColor(100, 70, 38);
  leszek.look.iris = QColor(80, 56, 30);
  leszek.look.glasses = host::Glasses::None;
  leszek.look.jaw = 1.05;
  leszek.look.age = 0.35;
  leszek.look.beard = QColor(128, 90, 50);
  leszek.face.smile = 0.55;
  leszek.face.browTilt = 0.25;
  leszek.grain = 804;
  drawFriend(canvas, leszek, paintFlannel);
}

}  // namespace picgen
