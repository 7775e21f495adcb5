// imgMB, 162 x 31: face of a main-menu button. The game centres a white caption in
// x 24..153, so the face stays dark there; the left edge is flush with the window, so
// the bar has no outline on that side and runs out past the edge.
#include <QLinearGradient>
#include <QPainter>

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"
#include "Stage.h"

namespace picgen {

namespace {

// The bar ends in a hexagon's point on the right.
QPainterPath barShape(const QSizeF& size) {
  const qreal top = 1.5;
  const qreal bottom = size.height() - 1.5;
  const qreal tip = size.width() - 1.5;
  const qreal slant = (bottom - top) / 2 / 1.732;  // the 60 degree side of a hexagon
  QPainterPath bar;
  bar.moveTo(-4, top);
  bar.lineTo(tip - slant, top);
  bar.lineTo(tip, (top + bottom) / 2);
  bar.lineTo(tip - slant, bottom);
  bar.lineTo(-4, bottom);
  bar.closeSubpath();
  return bar;
}

}  // namespace

void drawMenuButton(QImage& canvas) {
  canvas.fill(palette::night);
  const QPainterPath bar = barShape(canvas.size());
  const QRectF box = bar.boundingRect();
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    // Gloss on the upper half, fading before the caption's baseline.
    fillGlossy(p, bar, box,
               {{0.0, palette::steelNavy}, {0.5, palette::navy}, {1.0, QColor(5, 15, 38)}}, 60);
  }

  // Blue neon rim, its glow kept inside the bar so the corners stay background-dark.
  QImage rim = makeLayer(canvas.size());
  glowStroke(rim, bar, {palette::blue, 1.3, 2, 1.0, withAlpha(palette::lightBlue, 170)});
  {
    QPainter p(&rim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.setPen(QPen(Qt::black, 1.6));
    p.setBrush(Qt::black);
    p.drawPath(bar);
  }
  composite(canvas, rim);

  // Hairline between the marker and the caption.
  {
    QPainter p(&canvas);
    QLinearGradient fade(0, box.top(), 0, box.bottom());
    fade.setColorAt(0.0, withAlpha(palette::blue, 0));
    fade.setColorAt(0.5, withAlpha(palette::blue, 150));
    fade.setColorAt(1.0, withAlpha(palette::blue, 0));
    p.fillRect(QRectF(23, box.top() + 4, 1, box.height() - 8), fade);
  }
  paintDiamond(canvas, {12, canvas.height() / 2.0}, {5.5, 5.5}, 2);
}

}  // namespace picgen
