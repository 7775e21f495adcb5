// Tolmir's poses and how the parts are put together.
#include "Host.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "HostParts.h"

namespace picgen {

using host::Arm;
using host::Face;
using host::Hand;

namespace {

constexpr qreal kBox = 280;       // the figure box, in figure units
constexpr qreal kWaist = 284;     // the body turns around this point when it leans
constexpr QPointF kNeck{0, 118};  // and the head around this one

struct Shape {
  std::array<Arm, 2> arms;  // painted in this order, so the second one is in front
  Face face;
  qreal headTilt = 0;  // degrees
  qreal headDrop = 0;
  qreal lean = 0;
};

QPointF mix(QPointF a, QPointF b, qreal k) { return a + (b - a) * k; }

Arm mix(const Arm& a, const Arm& b, qreal k) {
  Arm m = k < 0.5 ? a : b;
  m.shoulder = mix(a.shoulder, b.shoulder, k);
  m.elbow = mix(a.elbow, b.elbow, k);
  m.wrist = mix(a.wrist, b.wrist, k);
  m.handAngle = a.handAngle + (b.handAngle - a.handAngle) * k;
  return m;
}

// Left and right are the viewer's. The left hand is drawn as is, the right one mirrored,
// which puts both thumbs where a real body has them.
Arm leftArm(QPointF elbow, QPointF wrist, Hand hand, qreal handAngle = 0) {
  return Arm{{-54, 153}, elbow, wrist, handAngle, hand, false, false};
}
Arm rightArm(QPointF elbow, QPointF wrist, Hand hand, qreal handAngle = 0) {
  return Arm{{54, 153}, elbow, wrist, handAngle, hand, true, false};
}

Shape tense() {
  Shape s;
  // One arm across the waist holds the elbow of the hand on the chin.
  s.arms = {rightArm({66, 236}, {-4, 244}, Hand::Fist, -8),
            leftArm({-50, 244}, {-20, 153}, Hand::ChinRest, 0)};
  s.arms[1].mirrored = true;  // the finger up along the cheek, the thumb under the chin
  s.face.smile = 0.12;
  s.face.browTilt = 1;
  s.face.glance = -0.5;
  s.face.sweat = true;
  s.headTilt = -6;
  s.headDrop = 3;
  s.lean = 2;
  return s;
}

Shape resting() {
  Shape s;
  s.arms = {leftArm({-68, 226}, {-14, 238}, Hand::Fist, -10),
            rightArm({68, 226}, {14, 236}, Hand::Open, 20)};
  s.face.smile = 0.7;
  return s;
}

Shape presenting() {
  Shape s;
  s.arms = {leftArm({-70, 232}, {-46, 266}, Hand::Fist),
            rightArm({100, 206}, {148, 186}, Hand::Open, -12)};
  s.face.smile = 0.85;
  s.face.browLift = 0.35;
  s.face.glance = 0.35;
  s.headTilt = 3;
  s.lean = -1.5;
  return s;
}

Shape delighted(qreal cheer) {
  Shape s;
  const QPointF pump(3 * cheer, -7 * cheer);
  s.arms = {leftArm(QPointF(-102, 112) + QPointF(-pump.x(), pump.y()) * 0.6,
                    QPointF(-114, 62) + QPointF(-pump.x(), pump.y()), Hand::Spread),
            rightArm(QPointF(102, 112) + pump * 0.6, QPointF(114, 62) + pump, Hand::Spread)};
  // Palms to the audience: the thumbs point towards the head.
  for (Arm& arm : s.arms) arm.mirrored = !arm.mirrored;
  s.face.smile = 1;
  s.face.browLift = 1;
  s.face.happyEyes = true;
  s.face.grin = true;
  s.headTilt = 2 * cheer;
  s.headDrop = -2 - 1.5 * cheer;
  return s;
}

Face mix(const Face& a, const Face& b, qreal k) {
  Face m = k < 0.5 ? a : b;
  auto blend = [k](qreal x, qreal y) { return x + (y - x) * k; };
  m.blink = blend(a.blink, b.blink);
  m.talk = blend(a.talk, b.talk);
  m.browLift = blend(a.browLift, b.browLift);
  m.browTilt = blend(a.browTilt, b.browTilt);
  m.smile = blend(a.smile, b.smile);
  m.glance = blend(a.glance, b.glance);
  return m;
}

Shape poseShape(int pose, qreal cheer) {
  switch (pose) {
    case HostTense:
      return tense();
    case HostPresenting:
      return presenting();
    case HostDelighted:
      return delighted(cheer);
    default:
      return resting();
  }
}

// Arms are matched by side, since poses paint them in different orders.
Shape mix(const Shape& a, const Shape& b, qreal k) {
  Shape m = k < 0.5 ? a : b;
  for (Arm& arm : m.arms) {
    const bool left = arm.shoulder.x() < 0;
    const Arm& from = (a.arms[0].shoulder.x() < 0) == left ? a.arms[0] : a.arms[1];
    const Arm& to = (b.arms[0].shoulder.x() < 0) == left ? b.arms[0] : b.arms[1];
    arm = mix(from, to, k);
  }
  m.face = mix(a.face, b.face, k);
  m.headTilt = a.headTilt + (b.headTilt - a.headTilt) * k;
  m.headDrop = a.headDrop + (b.headDrop - a.headDrop) * k;
  m.lean = a.lean + (b.lean - a.lean) * k;
  return m;
}

Shape shapeOf(int pose, const HostMotion& motion) {
  Shape s = poseShape(pose, motion.cheer);
  if (motion.towards != 0 && motion.blend > 0)
    s = mix(s, poseShape(motion.towards, motion.cheer), std::clamp(motion.blend, 0.0, 1.0));
  if (motion.wave > 0) {
    // The right arm goes up beside the head, the open hand swinging from the wrist.
    const qreal swing = std::sin(motion.wavePhase);
    Arm waving = rightArm({98, 178}, {110 + 8 * swing, 104}, Hand::Open, 10 * swing);
    waving.mirrored = false;  // palm to the viewer, thumb towards the head
    const std::size_t right = s.arms[0].shoulder.x() > 0 ? 0 : 1;
    s.arms[right] = mix(s.arms[right], waving, std::clamp(motion.wave, 0.0, 1.0));
    if (right == 0) std::swap(s.arms[0], s.arms[1]);
  }
  s.face.blink = std::max(s.face.blink, motion.blink);
  s.face.talk = std::max(s.face.talk, motion.talk);
  s.lean += motion.lean;
  return s;
}

}  // namespace

HostMotion hostMotion(int pose, qreal t) {
  HostMotion m;
  // A blink every few seconds; the phase keeps the eyes open at t = 0.
  const qreal u = std::fmod(t + 1.1, 3.4);
  if (u < 0.25) m.blink = std::sin(std::numbers::pi * u / 0.25);
  if (pose == HostDelighted) m.cheer = std::sin(2 * std::numbers::pi * 1.3 * t);
  return m;
}

void drawHost(QPainter& painter, const QRectF& area, int pose, qreal t) {
  drawHost(painter, area, pose, hostMotion(pose, t));
}

void drawHost(QPainter& painter, const QRectF& area, int pose, const HostMotion& motion) {
  const Shape shape = shapeOf(pose, motion);
  const qreal scale = std::min(area.width(), area.height()) / kBox;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(area.center());
  painter.scale(scale, scale);
  painter.translate(0, -kBox / 2);
  painter.translate(0, kWaist);
  painter.rotate(shape.lean);
  painter.translate(0, -kWaist);

  host::paintNeck(painter);
  host::paintTorso(painter);
  painter.save();
  painter.translate(kNeck);
  painter.rotate(shape.headTilt);
  painter.translate(-kNeck + QPointF(0, shape.headDrop));
  host::paintHead(painter, shape.face);
  painter.restore();
  for (const Arm& arm : shape.arms) host::paintArm(painter, arm);
  painter.restore();
}

}  // namespace picgen
