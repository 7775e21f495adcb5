// imgBGp, 87 x 88: tile of the top and bottom bands of the black full-screen window,
// repeated side by side. Drawn three tiles wide with every shape repeated at the same
// whole-pixel period and cut from the middle, so halos and antialiasing meet at the
// seams exactly as they do inside the tile.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

namespace picgen {

namespace {

// Pointy-topped cells, two per tile: 87 px = 2 * sqrt(3) * R.
constexpr qreal kCellRadius = 87.0 / (2.0 * 1.7320508075688772);

}  // namespace

void drawBorderTile(QImage& canvas) {
  const int period = canvas.width();
  const int h = canvas.height();
  QImage wide(3 * period, h, QImage::Format_ARGB32_Premultiplied);
  wide.fill(palette::black);

  const qreal dx = std::sqrt(3.0) * kCellRadius;
  const qreal dy = 1.5 * kCellRadius;
  const qreal mid = h / 2.0;
  // Same tile is used at the top and the bottom of the screen, so it fades both ways.
  auto strength = [&](qreal y) {
    const qreal d = (y - mid) / (h / 2.0);
    return std::max(0.0, 1.0 - d * d * 0.75);
  };

  QImage cells = makeLayer(wide.size());
  QImage lines = makeLayer(wide.size());
  {
    QPainter pc(&cells);
    QPainter pl(&lines);
    pc.setRenderHint(QPainter::Antialiasing);
    pl.setRenderHint(QPainter::Antialiasing);
    pc.setPen(Qt::NoPen);
    for (int row = -2; row <= 2; ++row) {
      const qreal y = mid + row * dy;
      const qreal shift = (row & 1) ? dx / 2 : 0;
      for (int col = -1; col <= 7; ++col) {
        const QPointF centre(col * dx + shift, y);
        const qreal s = strength(y);
        const QPainterPath cell = hexagon(centre, kCellRadius * 0.86, HexTop::Pointy);
        QRadialGradient inner(centre, kCellRadius);
        inner.setColorAt(0.0, withAlpha(palette::deepNavy, static_cast<int>(200 * s)));
        inner.setColorAt(1.0, withAlpha(palette::navy, static_cast<int>(120 * s)));
        pc.setBrush(inner);
        pc.drawPath(cell);
        pl.setPen(QPen(withAlpha(palette::blue, static_cast<int>(95 * s)), 1.0));
        pl.drawPath(cell);
      }
    }
  }
  composite(wide, cells, 1.0, QPainter::CompositionMode_SourceOver);
  QImage bloom = lines;
  blur(bloom, 2);
  composite(wide, bloom, 1.2);
  composite(wide, lines, 0.8);

  // Fade towards both long edges so the band melts into the black screen.
  {
    QPainter p(&wide);
    QLinearGradient edges(0, 0, 0, h);
    edges.setColorAt(0.0, withAlpha(palette::black, 190));
    edges.setColorAt(0.22, withAlpha(palette::black, 0));
    edges.setColorAt(0.78, withAlpha(palette::black, 0));
    edges.setColorAt(1.0, withAlpha(palette::black, 190));
    p.fillRect(wide.rect(), edges);
  }
  canvas = wide.copy(period, 0, period, h);
  addGrain(canvas, 88, 1);
}

}  // namespace picgen
