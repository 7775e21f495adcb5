#include "ui/SystemIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QImage blankIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The marks are drawn as shapes, not text: the icons are made while the game starts, before
// anything else needs the font database, and loading it then would delay the first frame.
void drawExclamationMark(QPainter& p, qreal s) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  QPainterPath bar;
  bar.moveTo(s * 0.44, s * 0.33);
  bar.lineTo(s * 0.56, s * 0.33);
  bar.lineTo(s * 0.53, s * 0.66);
  bar.lineTo(s * 0.47, s * 0.66);
  bar.closeSubpath();
  p.drawPath(bar);
  p.drawEllipse(QPointF(s * 0.5, s * 0.78), s * 0.065, s * 0.065);
}

void drawQuestionMark(QPainter& p, qreal s, const QColor& colour) {
  QPen pen(colour, s * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  QPainterPath hook;
  hook.arcMoveTo(QRectF(s * 0.33, s * 0.16, s * 0.34, s * 0.28), 160);
  hook.arcTo(QRectF(s * 0.33, s * 0.16, s * 0.34, s * 0.28), 160, -230);
  hook.quadTo(QPointF(s * 0.5, s * 0.48), QPointF(s * 0.5, s * 0.55));
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(s * 0.5, s * 0.67), s * 0.065, s * 0.065);
}

}  // namespace

QImage exclamationIcon(int size) {
  QImage image = blankIcon(size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  QPainterPath triangle;
  triangle.moveTo(s * 0.5, s * 0.06);
  triangle.lineTo(s * 0.97, s * 0.92);
  triangle.lineTo(s * 0.03, s * 0.92);
  triangle.closeSubpath();
  QLinearGradient fill(0, 0, 0, s);
  fill.setColorAt(0, QColor(255, 236, 90));
  fill.setColorAt(1, QColor(240, 180, 0));
  p.setBrush(fill);
  p.setPen(QPen(QColor(60, 40, 0), s / 16.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(triangle);
  drawExclamationMark(p, s);
  return image;
}

QImage questionIcon(int size) {
  QImage image = blankIcon(size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  QPainterPath balloon;
  balloon.addEllipse(QRectF(s * 0.06, s * 0.04, s * 0.88, s * 0.76));
  QPainterPath tail;
  tail.moveTo(s * 0.3, s * 0.7);
  tail.lineTo(s * 0.18, s * 0.98);
  tail.lineTo(s * 0.52, s * 0.76);
  balloon = balloon.united(tail);
  QRadialGradient fill(QPointF(s * 0.4, s * 0.3), s * 0.7);
  fill.setColorAt(0, Qt::white);
  fill.setColorAt(1, QColor(205, 222, 255));
  p.setBrush(fill);
  p.setPen(QPen(QColor(20, 50, 120), s / 16.0));
  p.drawPath(balloon);
  drawQuestionMark(p, s, QColor(20, 60, 170));
  return image;
}
