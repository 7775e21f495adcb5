#pragma once

#include <QPainter>
#include <QRectF>

// Tolmir, the host of the show: dark suit, orange bow tie, glasses, short dark hair going
// grey at the temples. Drawn from the head down to the waist; whatever stands in front of
// him (the desk) is drawn by the caller afterwards.
namespace picgen {

enum HostPose {
  HostTense = 1,       // hand on the chin, leaning in: the answer is being checked
  HostResting = 2,     // hands folded
  HostPresenting = 3,  // one open hand towards the question
  HostDelighted = 4,   // arms up, a win
};

// The small movements a movie gives the figure on top of a pose.
struct HostMotion {
  qreal blink = 0;      // 0 open .. 1 closed
  qreal talk = 0;       // 0 closed mouth .. 1 wide open
  qreal wave = 0;       // 0 the pose's right-hand arm .. 1 raised and waving
  qreal wavePhase = 0;  // radians; the waving hand swings with its sine
  qreal cheer = 0;      // delighted arms pumping, -1 .. 1
  qreal lean = 0;       // extra tilt of the upper body in degrees
  int towards = 0;      // another pose the figure is moving into ...
  qreal blend = 0;      // ... and how far, 0 .. 1
};

// The idle movement of a pose `t` seconds into a movie; t = 0 is the still picture.
HostMotion hostMotion(int pose, qreal t);

// The figure is laid out in a square 280 x 280 units box (head top at 30, waist at the
// bottom edge) that is scaled to fit `area` and centred in it.
void drawHost(QPainter& painter, const QRectF& area, int pose, qreal t = 0);
void drawHost(QPainter& painter, const QRectF& area, int pose, const HostMotion& motion);

}  // namespace picgen
