#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// The pieces Host.cpp assembles Tolmir from. All coordinates are figure units: x = 0 is
// the middle of the body, y = 0 the top of the 280 unit box, y grows downwards.
namespace picgen::host {

// One look for every part: a dark ink outline and soft two-tone shading, like the rest
// of the game's illustrations.
namespace ink {
inline const QColor outline{8, 10, 20};
inline const QColor skin{238, 186, 146};
inline const QColor skinLight{250, 212, 178};
inline const QColor skinShade{200, 134, 98};
inline const QColor blush{232, 120, 100};
inline const QColor hair{34, 26, 24};
inline const QColor hairGrey{128, 124, 122};
inline const QColor suit{28, 36, 58};
inline const QColor suitLight{52, 66, 104};
inline const QColor suitShade{12, 16, 28};
inline const QColor lapel{16, 20, 34};
inline const QColor shirt{255, 255, 235};
inline const QColor shirtShade{206, 204, 190};
inline const QColor lips{178, 82, 70};
inline const QColor mouth{82, 20, 22};
inline const QColor frame{22, 22, 30};
inline const QColor rim{120, 185, 255};  // blue stage light catching the edges
}  // namespace ink

inline constexpr qreal kLine = 2.0;  // outline width

enum class Hand {
  Fist,      // closed, knuckles to the viewer
  Open,      // fingers together, thumb out
  Spread,    // fingers apart, the cheering hand
  ChinRest,  // fist with the index finger up along the cheek
};

struct Arm {
  QPointF shoulder;
  QPointF elbow;
  QPointF wrist;
  qreal handAngle = 0;  // degrees; 0 points the fingers down, 180 up
  Hand hand = Hand::Fist;
  bool mirrored = false;  // thumb on the other side
  bool behind = false;    // drawn before the torso (hidden arm parts)
};

// What sets one person apart from another; the defaults are Tolmir, so other faces (the
// friends' photographs) change only what differs.
enum class HairStyle {
  SidePart,  // Tolmir: short, parted on the left, swept across
  Tousled,   // a teenager's untidy mop with a jagged fringe
  Long,      // past the shoulders, a side-swept fringe; has a layer behind the body
  Bald,      // bare crown, a fringe of hair round the back and over the ears
  Crew,      // cropped short, a slightly receding hairline
};
enum class Glasses { None, Rectangular, Round };

struct Look {
  QColor skin = ink::skin;
  QColor skinLight = ink::skinLight;
  QColor skinShade = ink::skinShade;
  QColor neck{150, 96, 70};  // top of the neck, in the shadow of the chin
  HairStyle hairStyle = HairStyle::SidePart;
  QColor hairLight{58, 46, 42};
  QColor hair = ink::hair;
  QColor hairDark{22, 16, 15};
  QColor hairStrand{90, 76, 70};
  int greyTemples = 200;  // alpha of the grey at the temples, 0 for none
  QColor brow = ink::hair;
  qreal browWidth = 3.6;
  QColor iris{92, 58, 34};
  Glasses glasses = Glasses::Rectangular;
  qreal jaw = 1.0;  // width of the lower face
  qreal age = 0;    // wrinkles, 0 none .. 1 deep
  bool smileLines = true;
  bool freckles = false;
  bool lashes = false;
  QColor lipstick = {};  // invalid: none
  QColor earrings = {};
  QColor moustache = {};
  QColor beard = {};  // short trimmed beard along the jaw
};

struct Face {
  qreal blink = 0;
  qreal talk = 0;
  qreal browLift = 0;      // both brows up (surprise, joy)
  qreal browTilt = 0;      // one brow up and one down: thinking
  qreal smile = 0.6;       // 0 straight .. 1 broad
  bool happyEyes = false;  // closed arcs of a laugh
  bool grin = false;       // open smile with teeth
  qreal glance = 0;        // pupils shifted sideways, -1 .. 1
  bool sweat = false;      // a drop on the temple: the suspense gets to him too
};

void paintTorso(QPainter& p);
void paintArm(QPainter& p, const Arm& arm);
void paintHand(QPainter& p, QPointF wrist, qreal angle, Hand hand, bool mirrored);
void paintNeck(QPainter& p, const Look& look = {});  // behind the collar, so before the torso
// Ears, face, hair, glasses.
void paintHead(QPainter& p, const Face& face, const Look& look = {});
// Hair that hangs behind the neck and shoulders, painted before them; most styles have none.
void paintHairBehind(QPainter& p, const Look& look);
void paintHair(QPainter& p, const Look& look);  // the part in front, by paintHead

// Helpers shared by the parts.
QPainterPath capsule(QPointF a, QPointF b, qreal radiusA, qreal radiusB);
void inkFill(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal line = kLine);

}  // namespace picgen::host
