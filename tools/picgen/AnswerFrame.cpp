// imgRamka, 610 x 163: the console under the host, framing the question and the four
// answers. The game fills a hexagon inside each answer box; the outlines run just outside
// those hexagons, so a filled box reads as a lit tile set into the console.
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <array>

#include "GamePage.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"
#include "Stage.h"

namespace picgen {

namespace {

// Gap between the filled hexagon and the middle of its outline.
constexpr qreal kOutlineGap = 2.6;
constexpr qreal kConsoleEdge = 2.5;

// Moves every edge of a convex polygon outwards by `distance`.
QPolygonF grown(const QPolygonF& convex, qreal distance) {
  const qsizetype n = convex.size();
  qreal area = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const QPointF& a = convex[i];
    const QPointF& b = convex[(i + 1) % n];
    area += a.x() * b.y() - b.x() * a.y();
  }
  auto shiftedEdge = [&](qsizetype i) {
    QLineF edge(convex[i], convex[(i + 1) % n]);
    const QPointF d = (edge.p2() - edge.p1()) / edge.length();
    const QPointF out = area > 0 ? QPointF(d.y(), -d.x()) : QPointF(-d.y(), d.x());
    edge.translate(out * distance);
    return edge;
  };
  QPolygonF result;
  for (qsizetype i = 0; i < n; ++i) {
    QPointF corner;
    shiftedEdge((i + n - 1) % n).intersects(shiftedEdge(i), &corner);
    result << corner;
  }
  return result;
}

// The pointed end of a hexagon lying on its side: the leftmost or the rightmost corner.
QPointF tip(const QPolygonF& hexagon, bool right) {
  QPointF best = hexagon.first();
  for (const QPointF& corner : hexagon)
    if (right ? corner.x() > best.x() : corner.x() < best.x()) best = corner;
  return best;
}

// The question plate, a little wider and taller than the question's label.
QPolygonF questionHexagon() {
  const QRectF label = gamepage::kQuestion.translated(-gamepage::kFrame.topLeft());
  return gamepage::lyingHexagon(label.adjusted(-30, -3.5, 30, 4.5));
}

// A thin line that is brightest at `bright` and fades towards `faint`.
void connector(QImage& canvas, QPointF faint, QPointF bright, int alpha, int faintAlpha = 0) {
  QPainterPath line;
  line.moveTo(faint);
  line.lineTo(bright);
  QLinearGradient fade(faint, bright);
  fade.setColorAt(0.0, withAlpha(palette::blue, faintAlpha));
  fade.setColorAt(1.0, withAlpha(palette::blue, alpha));
  QImage layer = makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QBrush(fade), 1.0));
    p.drawPath(line);
  }
  QImage bloom = layer;
  blur(bloom, 2);
  composite(canvas, bloom, 1.5);
  composite(canvas, layer);
}

// A link between two neighbouring outlines, lit where it leaves them, with a marker halfway.
void bridge(QImage& canvas, QPointF from, QPointF to, int alpha) {
  const QPointF middle = (from + to) / 2;
  connector(canvas, middle, from, alpha, alpha / 3);
  connector(canvas, middle, to, alpha, alpha / 3);
  paintDiamond(canvas, middle, {2.0, 2.5}, 3);
}

void paintConsoleEdge(QImage& canvas) {
  const qreal w = canvas.width();
  // A faint surface under the edge, gone long before the question plate.
  {
    QPainter p(&canvas);
    QLinearGradient surface(0, 0, 0, 16);
    surface.setColorAt(0.0, withAlpha(palette::navy, 150));
    surface.setColorAt(1.0, withAlpha(palette::navy, 0));
    p.fillRect(QRectF(0, 0, w, 16), surface);
  }
  QPainterPath edge;
  edge.moveTo(0, kConsoleEdge);
  edge.lineTo(w, kConsoleEdge);
  QLinearGradient along(0, 0, w, 0);
  along.setColorAt(0.0, withAlpha(palette::blue, 60));
  along.setColorAt(0.5, withAlpha(palette::lightBlue, 220));
  along.setColorAt(1.0, withAlpha(palette::blue, 60));
  QImage layer = makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QBrush(along), 1.0));
    p.drawPath(edge);
  }
  QImage bloom = layer;
  blur(bloom, 3);
  composite(canvas, bloom, 2.5);
  composite(canvas, layer);
}

}  // namespace

void drawAnswerFrame(QImage& canvas) {
  canvas.fill(palette::black);
  const QPointF origin = gamepage::kFrame.topLeft();
  const qreal w = canvas.width();
  paintConsoleEdge(canvas);

  const QPolygonF question = questionHexagon();
  halo(canvas, closedPath(question), palette::deepNavy, 0, 10, 0.8, true);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::black);
    p.drawPolygon(grown(question, -3));
  }
  glowStroke(canvas, closedPath(question),
             {palette::blue, 1.5, 4, 1.1, withAlpha(palette::lightBlue, 210)});
  glowStroke(canvas, closedPath(grown(question, -4)),
             {withAlpha(palette::orange, 110), 0.8, 2, 0.5, {}});

  std::array<QPolygonF, 4> fills;
  std::array<QPolygonF, 4> rims;
  for (std::size_t i = 0; i < fills.size(); ++i) {
    fills[i] = gamepage::answerHexagon(i, origin);
    rims[i] = grown(fills[i], kOutlineGap);
  }

  // Lines of the stage graphic: from the edges to the plates and across between the pairs.
  const QPointF questionLeft = tip(question, false);
  const QPointF questionRight = tip(question, true);
  connector(canvas, {0, questionLeft.y()}, questionLeft, 200);
  connector(canvas, {w, questionRight.y()}, questionRight, 200);
  for (std::size_t row = 0; row < 2; ++row) {
    const QPolygonF& left = rims[2 * row];
    const QPolygonF& right = rims[2 * row + 1];
    const QPointF outerLeft = tip(left, false);
    const QPointF outerRight = tip(right, true);
    connector(canvas, {0, outerLeft.y()}, outerLeft, 190);
    connector(canvas, {w, outerRight.y()}, outerRight, 190);
    bridge(canvas, tip(left, true), tip(right, false), 190);
  }

  for (const QPolygonF& rim : rims)
    glowStroke(canvas, closedPath(rim),
               {palette::blue, 1.3, 3, 1.0, withAlpha(palette::lightBlue, 190)});

  paintDiamond(canvas, questionLeft + QPointF(0.5, 0), {2.8, 3.5}, 3);
  paintDiamond(canvas, questionRight - QPointF(0.5, 0), {2.8, 3.5}, 3);
  addGrain(canvas, 252, 1);

  // An unlit box is painted black and must look like a cleared one, so no glow inside.
  // A little wider than the fill, as the game's fill does not antialias its edge.
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::black);
    for (const QPolygonF& fill : fills) p.drawPolygon(grown(fill, 1.0));
  }
}

}  // namespace picgen
