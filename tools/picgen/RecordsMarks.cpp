// imgRPuchW and imgRPuchO, 341 x 297: the large marks behind the records table, a medal for a
// player's own table and a trophy for the overall one; imgSTlo, 341 x 297: a rising chart
// behind the statistics. The game writes fifteen rows of orange and blue text over them, so
// they stay a quiet dark grey on black, with just enough relief to read as shapes.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

namespace picgen {

namespace {

// The grey the screens name for these marks, with a lit and a shaded side of it.
const QColor kMark(48, 48, 48);
const QColor kMarkLit(60, 60, 60);
const QColor kMarkShade(34, 34, 34);
const QColor kEdge(70, 70, 70);

QLinearGradient markFill(const QRectF& box) {
  QLinearGradient fill(box.topLeft(), box.bottomRight());
  fill.setColorAt(0.0, kMarkLit);
  fill.setColorAt(0.55, kMark);
  fill.setColorAt(1.0, kMarkShade);
  return fill;
}

// Fills a part of the mark and gives it a lit rim.
void paintPart(QPainter& p, const QPainterPath& part, qreal rim = 2.0) {
  p.setBrush(markFill(part.boundingRect()));
  p.setPen(QPen(kEdge, rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(part);
}

QPainterPath star(QPointF centre, qreal outer, qreal inner) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const qreal r = i % 2 == 0 ? outer : inner;
    const qreal angle = (-90.0 + 36.0 * i) * std::numbers::pi / 180.0;
    const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
    if (i == 0)
      path.moveTo(point);
    else
      path.lineTo(point);
  }
  path.closeSubpath();
  return path;
}

// A strap of the ribbon, from the top edge of the page down behind the medal.
QPainterPath strap(QPointF topLeft, QPointF topRight, QPointF bottomRight, QPointF bottomLeft) {
  return closedPath(QPolygonF{topLeft, topRight, bottomRight, bottomLeft});
}

}  // namespace

void drawOwnRecordsMark(QImage& canvas) {
  canvas.fill(palette::black);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(170.5, 190);
  // Two straps crossing into a V above the medal, each with a darker stripe down its middle.
  const QPainterPath left = strap({88, -2}, {140, -2}, {196, 118}, {150, 118});
  const QPainterPath right = strap({201, -2}, {253, -2}, {191, 118}, {145, 118});
  for (const QPainterPath& band : {left, right}) {
    paintPart(p, band, 1.5);
    p.save();
    p.setClipPath(band);
    p.setPen(QPen(kMarkShade, 9));
    const QRectF box = band.boundingRect();
    const bool fromLeft = box.left() < 120;
    p.drawLine(QPointF(fromLeft ? 114 : 227, -2), QPointF(fromLeft ? 173 : 168, 118));
    p.restore();
  }
  // The clasp where the straps meet the medal.
  paintPart(p, closedPath(QPolygonF{{150, 96}, {191, 96}, {196, 112}, {145, 112}}));

  const QPainterPath medal = hexagon(centre, 92, HexTop::Pointy);
  paintPart(p, medal, 5.0);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kMarkShade, 3));
  p.drawPath(hexagon(centre, 76, HexTop::Pointy));
  p.setPen(QPen(kMarkLit, 1.5));
  p.drawPath(hexagon(centre, 71, HexTop::Pointy));
  paintPart(p, star(centre + QPointF(0, 4), 52, 21), 2.5);
}

void drawOverallRecordsMark(QImage& canvas) {
  canvas.fill(palette::black);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal cx = 170.5;
  // Handles first, so the bowl covers where they join it.
  for (int side : {-1, 1}) {
    QPainterPath handle;
    handle.moveTo(cx + side * 78, 52);
    handle.cubicTo(cx + side * 140, 46, cx + side * 138, 128, cx + side * 48, 150);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kEdge, 20, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handle);
    p.setPen(QPen(kMark, 15, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handle);
  }

  QPainterPath bowl;
  bowl.moveTo(cx - 92, 28);
  bowl.lineTo(cx + 92, 28);
  bowl.cubicTo(cx + 92, 120, cx + 60, 172, cx + 14, 184);
  bowl.lineTo(cx - 14, 184);
  bowl.cubicTo(cx - 60, 172, cx - 92, 120, cx - 92, 28);
  bowl.closeSubpath();
  paintPart(p, bowl, 3.0);
  // The rim of the cup and a star on its face.
  p.setPen(QPen(kMarkLit, 2));
  p.drawLine(QPointF(cx - 86, 40), QPointF(cx + 86, 40));
  paintPart(p, star({cx, 98}, 40, 16), 2.0);

  paintPart(p, closedPath(QPolygonF{{cx - 14, 183}, {cx + 14, 183}, {cx + 9, 226}, {cx - 9, 226}}));
  paintPart(p,
            closedPath(QPolygonF{{cx - 40, 224}, {cx + 40, 224}, {cx + 30, 240}, {cx - 30, 240}}));
  // The plinth, a plate with a lit strip where a name would be engraved.
  const QRectF plinth(cx - 72, 240, 144, 46);
  paintPart(p, chamferedRect(plinth, 8), 2.5);
  p.setPen(QPen(kMarkShade, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(plinth.adjusted(22, 13, -22, -13));
}

void drawStatsMark(QImage& canvas) {
  canvas.fill(palette::black);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal foot = 278;
  const qreal heights[] = {70, 112, 92, 158, 214};
  const qreal width = 40;
  QPolygonF tops;
  for (int i = 0; i < 5; ++i) {
    const qreal left = 48 + i * 55;
    const QRectF bar(left, foot - heights[i], width, heights[i]);
    paintPart(p, chamferedRect(bar, 4), 2.0);
    tops << QPointF(bar.center().x(), bar.top() - 22);
  }
  // The axes.
  p.setPen(QPen(kEdge, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(30, 30), QPointF(30, foot + 2));
  p.drawLine(QPointF(30, foot + 2), QPointF(318, foot + 2));

  // The trend over the bars, ending in an arrow, with a hexagon at every step.
  QPainterPath trend;
  trend.addPolygon(tops);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kMarkShade, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(trend);
  p.setPen(QPen(kMarkLit, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(trend);
  for (const QPointF& point : tops) paintPart(p, hexagon(point, 9), 2.0);
  const QPointF tip = tops.back() + QPointF(22, -26);
  const QPointF along = tip - tops.back();
  const qreal length = std::hypot(along.x(), along.y());
  const QPointF unit = along / length;
  const QPointF normal(-unit.y(), unit.x());
  const QPointF base = tip - unit * 26;
  paintPart(p, closedPath(QPolygonF{tip, base + normal * 15, base - normal * 15}), 2.0);
  p.setPen(QPen(kMarkLit, 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(tops.back(), base);
}

}  // namespace picgen
