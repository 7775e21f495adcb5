#include "Stage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Painting.h"
#include "Palette.h"

namespace picgen {

void paintBackdrop(QImage& canvas, qreal horizon, QPointF glow) {
  const qreal h = canvas.height();
  QPainter p(&canvas);
  QLinearGradient wall(0, 0, 0, h);
  wall.setColorAt(0.0, palette::black);
  wall.setColorAt(0.22, palette::night);
  wall.setColorAt(horizon / h * 0.985, palette::deepNavy);
  wall.setColorAt(horizon / h, QColor(8, 20, 50));
  wall.setColorAt(std::min(1.0, horizon / h + 0.01), QColor(3, 8, 22));
  wall.setColorAt(1.0, palette::night);
  p.fillRect(canvas.rect(), wall);

  // Light spilling on the back wall from the stage lights.
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  QRadialGradient spill(glow, canvas.width() * 0.55);
  spill.setColorAt(0.0, withAlpha(palette::navy, 150));
  spill.setColorAt(0.5, withAlpha(palette::navy, 55));
  spill.setColorAt(1.0, withAlpha(palette::navy, 0));
  p.save();
  p.translate(glow);
  p.scale(1.0, 0.55);
  p.translate(-glow);
  p.fillRect(QRectF(0, -h, canvas.width(), 3 * h), spill);
  p.restore();
}

void paintHoneycomb(QImage& canvas, const Honeycomb& hc) {
  // Flat-topped cells: columns 1.5 R apart, every other column half a cell lower.
  const qreal r = hc.cellRadius;
  const qreal dx = 1.5 * r;
  const qreal dy = std::sqrt(3.0) * r;
  QImage lines = makeLayer(canvas.size());
  QImage fills = makeLayer(canvas.size());
  {
    QPainter pl(&lines);
    QPainter pf(&fills);
    pl.setRenderHint(QPainter::Antialiasing);
    pf.setRenderHint(QPainter::Antialiasing);
    pf.setPen(Qt::NoPen);
    const int columns = static_cast<int>(hc.area.width() / dx) + 3;
    const int rows = static_cast<int>(hc.area.height() / dy) + 3;
    for (int col = -1; col < columns; ++col) {
      for (int row = -1; row < rows; ++row) {
        const QPointF centre(hc.area.left() + col * dx,
                             hc.area.top() + row * dy + ((col & 1) ? dy / 2 : 0));
        if (!hc.area.contains(centre)) continue;
        const qreal ex = (centre.x() - hc.light.x()) / hc.lightReach.width();
        const qreal ey = (centre.y() - hc.light.y()) / hc.lightReach.height();
        const qreal light = std::exp(-(ex * ex + ey * ey));
        if (light < 0.03) continue;
        const QPainterPath cell = hexagon(centre, r * (1.0 - hc.gap));
        pl.setPen(QPen(withAlpha(palette::blue, static_cast<int>(hc.outlineAlpha * light)), 1.0));
        pl.drawPath(cell);
        if (noise01(col, row, hc.seed) < hc.litShare) {
          QRadialGradient inner(centre, r);
          const int a = static_cast<int>(70 * light * (0.5 + noise01(row, col, hc.seed + 7)));
          inner.setColorAt(0.0, withAlpha(palette::blue, a));
          inner.setColorAt(1.0, withAlpha(palette::navy, a / 3));
          pf.setBrush(inner);
          pf.drawPath(cell);
        }
      }
    }
  }
  composite(canvas, fills);
  QImage bloom = lines;
  blur(bloom, 3);
  composite(canvas, bloom, 1.6);
  composite(canvas, lines);
}

void paintRays(QImage& canvas, QPointF centre, int count, qreal reach, const QColor& colour,
               qreal strength, std::uint32_t seed) {
  QImage layer = makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    QRadialGradient fade(centre, reach);
    fade.setColorAt(0.0, withAlpha(colour, static_cast<int>(255 * strength)));
    fade.setColorAt(0.4, withAlpha(colour, static_cast<int>(110 * strength)));
    fade.setColorAt(1.0, withAlpha(colour, 0));
    p.setBrush(fade);
    // Uneven spacing and widths, or the burst looks like a clock face.
    for (int i = 0; i < count; ++i) {
      const qreal angle = (i + 0.6 * noise01(i, 0, seed)) * 2 * std::numbers::pi / count;
      const qreal half = (0.25 + 0.75 * noise01(i, 1, seed)) * std::numbers::pi / count * 0.5;
      QPainterPath ray;
      ray.moveTo(centre);
      ray.lineTo(centre + QPointF(std::cos(angle - half), std::sin(angle - half)) * reach);
      ray.lineTo(centre + QPointF(std::cos(angle + half), std::sin(angle + half)) * reach);
      ray.closeSubpath();
      p.drawPath(ray);
    }
  }
  blur(layer, 4);
  composite(canvas, layer);
}

void paintFloorReflection(QImage& canvas, qreal horizon, int depth, qreal opacity) {
  const int top = static_cast<int>(std::round(horizon));
  const int rows = std::min(depth, canvas.height() - top);
  if (rows <= 0 || top - rows < 0) return;
  QImage mirror = canvas.copy(0, top - rows, canvas.width(), rows).mirrored(false, true);
  mirror = mirror.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    // A polished but not perfect floor: the image fades and softens with depth.
    QPainter p(&mirror);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    QLinearGradient fade(0, 0, 0, rows);
    fade.setColorAt(0.0, withAlpha(Qt::black, 255));
    fade.setColorAt(1.0, withAlpha(Qt::black, 0));
    p.fillRect(mirror.rect(), fade);
  }
  blur(mirror, 1);
  QPainter p(&canvas);
  p.setOpacity(opacity);
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.drawImage(0, top, mirror);
}

void paintHorizonLine(QImage& canvas, qreal horizon, qreal centreX, qreal halfLength) {
  QPainterPath line;
  line.moveTo(centreX - halfLength, horizon);
  line.lineTo(centreX + halfLength, horizon);
  QLinearGradient along(centreX - halfLength, 0, centreX + halfLength, 0);
  along.setColorAt(0.0, withAlpha(palette::blue, 0));
  along.setColorAt(0.5, withAlpha(palette::lightBlue, 200));
  along.setColorAt(1.0, withAlpha(palette::blue, 0));
  QImage layer = makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QBrush(along), 1.0));
    p.drawPath(line);
  }
  QImage bloom = layer;
  blur(bloom, 4);
  composite(canvas, bloom, 3.0);
  composite(canvas, layer);
}

void paintFloorRings(QImage& canvas, QPointF centre, qreal radius, qreal squash) {
  // Soft pool of light on the platform, then the rings, outermost blue, an orange inlay.
  QImage pool = makeLayer(canvas.size());
  {
    QPainter p(&pool);
    QRadialGradient light(centre, radius);
    light.setColorAt(0.0, withAlpha(palette::steelNavy, 120));
    light.setColorAt(1.0, withAlpha(palette::steelNavy, 0));
    p.translate(centre);
    p.scale(1.0, squash);
    p.translate(-centre);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(centre, radius, radius);
  }
  composite(canvas, pool);
  glowStroke(canvas, hexagon(centre, radius, HexTop::Flat, squash),
             {withAlpha(palette::blue, 230), 1.4, 4, 1.2, withAlpha(palette::lightBlue, 200)});
  glowStroke(canvas, hexagon(centre, radius * 0.86, HexTop::Flat, squash),
             {withAlpha(palette::blue, 120), 1.0, 3, 0.8, {}});
  glowStroke(canvas, hexagon(centre, radius * 0.62, HexTop::Flat, squash),
             {withAlpha(palette::orange, 150), 1.0, 3, 0.9, {}});
}

void paintDiamond(QImage& canvas, QPointF centre, QSizeF halfSize, int glowRadius) {
  const qreal w = halfSize.width();
  const qreal h = halfSize.height();
  QPainterPath diamond;
  diamond.moveTo(centre.x(), centre.y() - h);
  diamond.lineTo(centre.x() + w, centre.y());
  diamond.lineTo(centre.x(), centre.y() + h);
  diamond.lineTo(centre.x() - w, centre.y());
  diamond.closeSubpath();
  halo(canvas, diamond, palette::orange, 2, glowRadius, 0.9, true);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient lit(centre.x(), centre.y() - h, centre.x(), centre.y() + h);
  lit.setColorAt(0.0, palette::ivory);
  lit.setColorAt(0.4, palette::amber);
  lit.setColorAt(1.0, palette::orange);
  p.setPen(Qt::NoPen);
  p.setBrush(lit);
  p.drawPath(diamond);
}

void paintGlassPanel(QImage& canvas, const QRectF& rect, qreal chamfer, qreal darkness) {
  const QPainterPath plate = chamferedRect(rect, chamfer);
  // A dark feathered shadow first, so whatever is behind goes quiet around the plate.
  shade(canvas, chamferedRect(rect.adjusted(-4, -4, 4, 4), chamfer + 2), Qt::black, 6,
        darkness * 0.8);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient glass(rect.topLeft(), rect.bottomLeft());
    glass.setColorAt(0.0, withAlpha(QColor(6, 16, 40), static_cast<int>(255 * darkness)));
    glass.setColorAt(0.35, withAlpha(QColor(2, 6, 16), static_cast<int>(255 * darkness)));
    glass.setColorAt(1.0, withAlpha(QColor(1, 3, 9), static_cast<int>(255 * darkness)));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawPath(plate);
  }
  glowStroke(canvas, plate, {withAlpha(palette::blue, 150), 1.0, 3, 0.6, {}});
  // Only the top edge catches the light.
  QPainterPath top;
  top.moveTo(rect.left() + chamfer, rect.top());
  top.lineTo(rect.right() - chamfer, rect.top());
  QLinearGradient along(rect.left(), 0, rect.right(), 0);
  along.setColorAt(0.0, withAlpha(palette::lightBlue, 0));
  along.setColorAt(0.5, withAlpha(palette::lightBlue, 170));
  along.setColorAt(1.0, withAlpha(palette::lightBlue, 0));
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QBrush(along), 1.0));
  p.drawPath(top);
}

}  // namespace picgen
