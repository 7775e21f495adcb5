// imgKoszPelny and imgKoszPusty, 199 x 40: the recycle bin under the records' clear button,
// full while the table on screen holds an entry and empty otherwise. The picture fills the
// place of the side panel's orange shape, so it is drawn on that orange with the bin centred.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

namespace picgen {

namespace {

const QColor kOutline(10, 29, 68);  // the navy of the buttons
const QColor kShadow(196, 92, 0);   // the orange in the bin's shade

constexpr qreal kCentreX = 99.5;
constexpr qreal kRimY = 11.5;
constexpr qreal kTopHalfWidth = 13;
constexpr qreal kBottomHalfWidth = 10;
constexpr qreal kBottomY = 37;

QPainterPath body() {
  QPainterPath path;
  path.moveTo(kCentreX - kTopHalfWidth, kRimY);
  path.lineTo(kCentreX + kTopHalfWidth, kRimY);
  path.lineTo(kCentreX + kBottomHalfWidth, kBottomY - 2);
  path.quadTo(kCentreX, kBottomY + 1.5, kCentreX - kBottomHalfWidth, kBottomY - 2);
  path.closeSubpath();
  return path;
}

QRectF rim() { return {kCentreX - kTopHalfWidth - 1, kRimY - 3.5, 2 * kTopHalfWidth + 2, 7}; }

void paintShadow(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(kShadow, 150));
  p.drawEllipse(QRectF(kCentreX - 15, kBottomY - 3, 34, 5));
}

void paintBody(QPainter& p) {
  const QPainterPath shape = body();
  QLinearGradient metal(kCentreX - kTopHalfWidth, 0, kCentreX + kTopHalfWidth, 0);
  metal.setColorAt(0.0, QColor(214, 222, 236));
  metal.setColorAt(0.35, palette::ivory);
  metal.setColorAt(1.0, QColor(168, 182, 206));
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(metal);
  p.drawPath(shape);
  // Ribs of the basket.
  p.save();
  p.setClipPath(shape);
  p.setPen(QPen(withAlpha(palette::steelNavy, 150), 1.0));
  for (int i = -2; i <= 2; ++i) {
    const qreal top = kCentreX + i * 5.2;
    const qreal bottom = kCentreX + i * 4.0;
    p.drawLine(QPointF(top, kRimY + 3), QPointF(bottom, kBottomY - 1));
  }
  p.restore();
}

// The opening of the bin: its dark inside, or what fills it.
void paintRim(QPainter& p, bool full) {
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(full ? QColor(120, 130, 150) : QColor(24, 40, 78));
  p.drawEllipse(rim());
  if (!full) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 16, 38));
    p.drawEllipse(rim().adjusted(3, 1.5, -3, 0.5));
  }
}

// Crumpled sheets heaped above the rim.
void paintPaper(QPainter& p) {
  const struct {
    QPointF centre;
    qreal radius;
    QColor colour;
  } sheets[] = {
      {{kCentreX - 7, kRimY - 2}, 6.0, QColor(236, 236, 220)},
      {{kCentreX + 6.5, kRimY - 2.5}, 5.5, QColor(222, 232, 248)},
      {{kCentreX - 0.5, kRimY - 4.5}, 5.5, palette::ivory},
  };
  for (const auto& sheet : sheets) {
    QPainterPath crumple;
    const qreal r = sheet.radius;
    const QPointF c = sheet.centre;
    crumple.moveTo(c + QPointF(-r, 1));
    crumple.lineTo(c + QPointF(-r * 0.6, -r * 0.7));
    crumple.lineTo(c + QPointF(0, -r * 0.85));
    crumple.lineTo(c + QPointF(r * 0.75, -r * 0.55));
    crumple.lineTo(c + QPointF(r, 1.5));
    crumple.lineTo(c + QPointF(0, r * 0.6));
    crumple.closeSubpath();
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(sheet.colour);
    p.drawPath(crumple);
    p.setPen(QPen(withAlpha(palette::steelNavy, 110), 0.8));
    p.drawLine(c + QPointF(-r * 0.4, -r * 0.3), c + QPointF(r * 0.2, r * 0.2));
  }
}

void drawBin(QImage& canvas, bool full) {
  canvas.fill(palette::orange);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  paintShadow(p);
  paintBody(p);
  paintRim(p, full);
  if (full) paintPaper(p);
}

}  // namespace

void drawFullBin(QImage& canvas) { drawBin(canvas, true); }
void drawEmptyBin(QImage& canvas) { drawBin(canvas, false); }

}  // namespace picgen
