#include "HostScene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "Painting.h"
#include "Palette.h"
#include "Stage.h"

namespace picgen {

void paintHostStudio(QImage& canvas, QPointF hostHead, qreal lights) {
  const qreal w = canvas.width();
  const qreal h = canvas.height();
  paintBackdrop(canvas, h * 0.86, {hostHead.x(), hostHead.y() + h * 0.25});

  Honeycomb wall;
  wall.area = QRectF(0, 0, w, h);
  wall.cellRadius = h * 0.085;
  wall.light = hostHead + QPointF(0, h * 0.1);
  wall.lightReach = {w * 0.55, h * 0.6};
  wall.outlineAlpha = 120;
  wall.litShare = 0.14;
  wall.seed = 23;
  paintHoneycomb(canvas, wall);

  if (lights > 0) {
    const std::array beams{
        Beam{{w * 0.08, -10},
             {hostHead.x() + w * 0.22, h},
             8,
             w * 0.28,
             palette::beam,
             0.24 * lights},
        Beam{{w * 0.92, -10},
             {hostHead.x() - w * 0.22, h},
             8,
             w * 0.28,
             palette::beam,
             0.24 * lights},
        Beam{{hostHead.x(), -20}, {hostHead.x(), h}, 12, w * 0.36, palette::beam, 0.16 * lights},
    };
    spotlights(canvas, beams, 6);
  }

  // The set piece behind the host: a big hexagon frame in blue with an orange inlay.
  const qreal ring = h * 0.5;
  const QPointF centre = hostHead + QPointF(0, h * 0.14);
  QPainterPath back = hexagon(centre, ring * 0.97, HexTop::Pointy);
  halo(canvas, back, palette::steelNavy, 0, static_cast<int>(h * 0.08), 0.9 * lights + 0.3, true);
  glowStroke(canvas, hexagon(centre, ring, HexTop::Pointy),
             {withAlpha(palette::blue, 230), 1.6, 5, 1.3, withAlpha(palette::lightBlue, 220)});
  glowStroke(canvas, hexagon(centre, ring * 0.9, HexTop::Pointy),
             {withAlpha(palette::orange, 170), 1.0, 4, 0.9, {}});
  // A warm key light on the host, so he reads in front of the cool set.
  QPainterPath key;
  key.addEllipse(hostHead + QPointF(0, h * 0.12), w * 0.2, h * 0.34);
  halo(canvas, key, QColor(60, 70, 110), 0, static_cast<int>(h * 0.1), 0.7, true);
}

void paintHostDesk(QImage& canvas, const QRectF& top) {
  const qreal bottom = canvas.height() + 2;
  const qreal flare = top.width() * 0.05;
  QPainterPath front;
  front.moveTo(top.left() + 6, top.bottom());
  front.lineTo(top.right() - 6, top.bottom());
  front.lineTo(top.right() + flare, bottom);
  front.lineTo(top.left() - flare, bottom);
  front.closeSubpath();

  shade(canvas, chamferedRect(top.adjusted(-8, -6, 8, 40), 10), Qt::black, 8, 0.7);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient glass(0, top.bottom(), 0, bottom);
    glass.setColorAt(0.0, palette::navy);
    glass.setColorAt(0.3, palette::deepNavy);
    glass.setColorAt(1.0, palette::night);
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawPath(front);
    // Vertical panels of the front, the middle one wider.
    p.setPen(QPen(withAlpha(palette::blue, 90), 1.0));
    for (qreal k : {0.28, 0.72}) {
      const qreal x = top.left() + top.width() * k;
      p.drawLine(QPointF(x, top.bottom() + 3), QPointF(x + (k - 0.5) * flare * 2, bottom));
    }
  }
  glowStroke(canvas, front, {withAlpha(palette::blue, 200), 1.2, 3, 0.9, {}});

  // The slab: ivory edge catching the lights, an orange strip under it.
  const QPainterPath slab = chamferedRect(top, top.height() * 0.45);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient lit(0, top.top(), 0, top.bottom());
    lit.setColorAt(0.0, QColor(70, 110, 180));
    lit.setColorAt(0.35, palette::steelNavy);
    lit.setColorAt(1.0, palette::deepNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(lit);
    p.drawPath(slab);
  }
  QPainterPath edge;
  edge.moveTo(top.left() + top.height() * 0.45, top.top() + 0.5);
  edge.lineTo(top.right() - top.height() * 0.45, top.top() + 0.5);
  glowStroke(canvas, edge, {withAlpha(palette::ivory, 230), 1.0, 3, 0.7, {}});
  QPainterPath strip;
  strip.moveTo(top.left() + 10, top.bottom() + 2.5);
  strip.lineTo(top.right() - 10, top.bottom() + 2.5);
  glowStroke(canvas, strip, {palette::orange, 1.6, 4, 1.2, withAlpha(palette::ivory, 200)});

  // The show's emblem on the front: a lit hexagon with a diamond.
  const qreal size = std::min(top.width() * 0.07, (bottom - top.bottom()) * 0.32);
  const QPointF centre(top.center().x(), top.bottom() + (bottom - top.bottom()) * 0.5);
  glowStroke(canvas, hexagon(centre, size, HexTop::Pointy),
             {palette::blue, 1.4, 4, 1.2, withAlpha(palette::lightBlue, 220)});
  QPainterPath diamond;
  diamond.moveTo(centre + QPointF(0, -size * 0.55));
  diamond.lineTo(centre + QPointF(size * 0.45, 0));
  diamond.lineTo(centre + QPointF(0, size * 0.55));
  diamond.lineTo(centre + QPointF(-size * 0.45, 0));
  diamond.closeSubpath();
  halo(canvas, diamond, palette::orange, 2, 4, 0.9, true);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient lit(centre.x(), centre.y() - size * 0.55, centre.x(), centre.y() + size * 0.55);
  lit.setColorAt(0.0, palette::ivory);
  lit.setColorAt(0.45, palette::amber);
  lit.setColorAt(1.0, palette::orange);
  p.setPen(Qt::NoPen);
  p.setBrush(lit);
  p.drawPath(diamond);
}

}  // namespace picgen
