#include "GamePage.h"

#include <QPainter>

#include "Painting.h"
#include "Palette.h"

namespace picgen::gamepage {

QPolygonF lyingHexagon(const QRectF& bounds) {
  // The answer hexagons run about 10.7 px across for every 14.5 px of half-height.
  const qreal slant = bounds.height() / 2 * 0.74;
  const qreal mid = bounds.center().y();
  return QPolygonF{{QPointF(bounds.left(), mid), QPointF(bounds.left() + slant, bounds.top()),
                    QPointF(bounds.right() - slant, bounds.top()), QPointF(bounds.right(), mid),
                    QPointF(bounds.right() - slant, bounds.bottom()),
                    QPointF(bounds.left() + slant, bounds.bottom())}};
}

void paintLadderColumn(QImage& canvas, QPointF pictureOrigin) {
  // Runs past the right and bottom edges of the page; its face is as dark as the corners of
  // the resignation button's face.
  const QRectF column(kLadder.left() - 4.5, kLadder.top() - 4.5, 200, 420);
  const QRectF local = column.translated(-pictureOrigin);
  const QPainterPath plate = chamferedRect(local, 10);
  shade(canvas, chamferedRect(local.adjusted(-5, -5, 0, 0), 12), Qt::black, 6, 0.85);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::night);
    p.drawPath(plate);
  }
  glowStroke(canvas, plate, {palette::blue, 1.2, 3, 0.9, withAlpha(palette::lightBlue, 160)});
}

}  // namespace picgen::gamepage
