// imgWin, 613 x 89: the banner the game writes the amount won on ("WYGRANA" above it).
// It is laid over the host, so it is a plate of its own with black corners; the middle,
// where the game centres both texts, stays an even dark glass.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "GamePage.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

namespace picgen {

namespace {

// The lower part of a lying hexagon's outline: an orange tray under the amount that leaves
// the caption's band along the top free.
QPainterPath tray(const QPolygonF& hexagon) {
  const QPointF& left = hexagon[0];
  const QPointF& right = hexagon[3];
  QPainterPath path;
  path.moveTo(left + (hexagon[1] - left) * 0.45);
  path.lineTo(left);
  path.lineTo(hexagon[5]);
  path.lineTo(hexagon[4]);
  path.lineTo(right);
  path.lineTo(right + (hexagon[2] - right) * 0.45);
  return path;
}

// Short horizontal streaks at both ends, fading towards the text.
void paintStreaks(QImage& canvas, qreal centreX, qreal innerHalf, qreal outerHalf, qreal mid) {
  QImage layer = makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const std::array offsets{-14.0, -7.0, 0.0, 7.0, 14.0};
    const std::array lengths{0.45, 0.7, 1.0, 0.7, 0.45};
    for (int side : {-1, 1}) {
      for (std::size_t i = 0; i < offsets.size(); ++i) {
        const qreal outer = centreX + side * outerHalf;
        const qreal inner = outer - side * (outerHalf - innerHalf) * lengths[i];
        QLinearGradient fade(outer, 0, inner, 0);
        fade.setColorAt(0.0, withAlpha(palette::lightBlue, 150));
        fade.setColorAt(1.0, withAlpha(palette::blue, 0));
        p.setPen(QPen(QBrush(fade), 1.0));
        p.drawLine(QPointF(outer, mid + offsets[i]), QPointF(inner, mid + offsets[i]));
      }
    }
  }
  QImage bloom = layer;
  blur(bloom, 2);
  composite(canvas, bloom, 1.2);
  composite(canvas, layer, 0.8);
}

}  // namespace

void drawWinBanner(QImage& canvas) {
  canvas.fill(palette::black);
  // Centred under the texts, which the game centres in their labels.
  const qreal centreX = gamepage::kBannerAmount.center().x() - gamepage::kBanner.left();
  const qreal halfWidth = centreX - 10;
  const QRectF bounds(centreX - halfWidth, 2.5, 2 * halfWidth, canvas.height() - 6);
  const qreal mid = bounds.center().y();
  const QPolygonF hexagon = gamepage::lyingHexagon(bounds);
  const QPainterPath outer = closedPath(hexagon);
  gamepage::paintLadderColumn(canvas, gamepage::kBanner.topLeft());

  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    fillGlossy(p, outer, bounds,
               {{0.0, palette::steelNavy},
                {0.45, palette::navy},
                {0.55, palette::deepNavy},
                {1.0, QColor(3, 8, 22)}},
               38);
    // Darker in the middle, so the orange amount stands out against quiet glass.
    QRadialGradient calm(QPointF(centreX, mid), halfWidth * 0.6);
    calm.setColorAt(0.0, withAlpha(palette::night, 150));
    calm.setColorAt(1.0, withAlpha(palette::night, 0));
    p.save();
    p.translate(centreX, mid);
    p.scale(1.0, 0.3);
    p.translate(-centreX, -mid);
    p.fillRect(QRectF(0, -canvas.height() * 2, canvas.width(), canvas.height() * 5), calm);
    p.restore();
  }

  paintStreaks(canvas, centreX, gamepage::kBannerAmount.width() / 2 + 20, halfWidth - 34, mid);
  glowStroke(canvas, tray(gamepage::lyingHexagon(bounds.adjusted(6, 5, -6, -5))),
             {withAlpha(palette::orange, 160), 0.9, 3, 0.6, {}});
  // The rim glows inwards only; outside the plate the banner stays black.
  QImage rim = makeLayer(canvas.size());
  glowStroke(rim, outer, {palette::blue, 1.6, 4, 1.2, withAlpha(palette::lightBlue, 220)});
  {
    QPainter p(&rim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.setPen(QPen(Qt::black, 2.0));
    p.setBrush(Qt::black);
    p.drawPath(outer);
  }
  composite(canvas, rim);

  // The top edge catches the stage lights.
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient along(bounds.left(), 0, bounds.right(), 0);
    along.setColorAt(0.0, withAlpha(palette::ivory, 0));
    along.setColorAt(0.5, withAlpha(palette::ivory, 200));
    along.setColorAt(1.0, withAlpha(palette::ivory, 0));
    p.setPen(QPen(QBrush(along), 1.0));
    p.drawLine(hexagon[1] + QPointF(4, 0), hexagon[2] - QPointF(4, 0));
  }
  addGrain(canvas, 613, 1);
}

}  // namespace picgen
