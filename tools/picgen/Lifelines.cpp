#include "Lifelines.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>

#include "Painting.h"
#include "Palette.h"
#include "Stage.h"

namespace picgen::lifelines {

namespace {

// A point of `box` given as shares of its width and height.
QPointF at(const QRectF& box, qreal u, qreal v) {
  return {box.left() + u * box.width(), box.top() + v * box.height()};
}

QPainterPath grownBy(const QPainterPath& path, qreal width) {
  QPainterPathStroker stroker;
  stroker.setWidth(2 * width);
  stroker.setJoinStyle(Qt::RoundJoin);
  return path.united(stroker.createStroke(path)).simplified();
}

// Head and shoulders of one person: a circle over a rounded bust.
QPainterPath bust(const QRectF& box, qreal u, qreal headV, qreal headR, qreal halfWidth,
                  qreal shouldersV) {
  const qreal r = headR * box.height();
  QPainterPath person;
  person.addEllipse(at(box, u, headV), r, r);
  QPainterPath body;
  body.moveTo(at(box, u - halfWidth, 1.0));
  body.cubicTo(at(box, u - halfWidth, shouldersV - 0.02), at(box, u - halfWidth * 0.55, shouldersV),
               at(box, u, shouldersV));
  body.cubicTo(at(box, u + halfWidth * 0.55, shouldersV), at(box, u + halfWidth, shouldersV - 0.02),
               at(box, u + halfWidth, 1.0));
  body.closeSubpath();
  return person.united(body);
}

}  // namespace

QPainterPath phoneIcon(const QRectF& box) {
  // An old desk telephone: the handset lying across its cradle over a body with a dial.
  QPainterPath handset;
  handset.moveTo(at(box, 0.02, 0.44));
  handset.lineTo(at(box, 0.0, 0.24));
  handset.cubicTo(at(box, 0.14, -0.02), at(box, 0.86, -0.02), at(box, 1.0, 0.24));
  handset.lineTo(at(box, 0.98, 0.44));
  handset.lineTo(at(box, 0.73, 0.44));
  handset.lineTo(at(box, 0.71, 0.32));
  handset.cubicTo(at(box, 0.6, 0.22), at(box, 0.4, 0.22), at(box, 0.29, 0.32));
  handset.lineTo(at(box, 0.27, 0.44));
  handset.closeSubpath();
  QPainterPath body;
  body.moveTo(at(box, 0.24, 0.52));
  body.lineTo(at(box, 0.76, 0.52));
  body.lineTo(at(box, 0.97, 1.0));
  body.lineTo(at(box, 0.03, 1.0));
  body.closeSubpath();
  QPainterPath dial;
  const qreal r = 0.17 * box.height();
  dial.addEllipse(at(box, 0.5, 0.76), r, r);
  QPainterPath hub;
  hub.addEllipse(at(box, 0.5, 0.76), r * 0.38, r * 0.38);
  return handset.united(body.subtracted(dial).united(hub));
}

QPainterPath audienceIcon(const QRectF& box) {
  // Two people at the back, one in front with a gap round it so the three read apart.
  const QPainterPath back =
      bust(box, 0.2, 0.25, 0.17, 0.2, 0.48).united(bust(box, 0.8, 0.25, 0.17, 0.2, 0.48));
  const QPainterPath front = bust(box, 0.5, 0.36, 0.21, 0.26, 0.66);
  return back.subtracted(grownBy(front, box.height() * 0.07)).united(front);
}

QPainterPath fiftyFiftyIcon(const QRectF& box) {
  return fittedText(pixelFont(palette::sansFamily, 40, QFont::Bold), QStringLiteral("50:50"), box);
}

void paintLitIcon(QImage& canvas, const QPainterPath& icon, int glowRadius, qreal glow,
                  qreal weight) {
  halo(canvas, icon, palette::orange, 1.5, glowRadius, glow, true);
  const QRectF bounds = icon.boundingRect();
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  // Mostly light: small orange shapes on navy blur once the JPEG halves the colour detail.
  QLinearGradient lit(bounds.topLeft(), bounds.bottomLeft());
  lit.setColorAt(0.0, palette::ivory);
  lit.setColorAt(0.55, palette::amber);
  lit.setColorAt(1.0, palette::orange);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(palette::black, 110), weight + 1.0, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin));
  p.drawPath(icon);
  p.setBrush(lit);
  p.setPen(weight > 0 ? QPen(QBrush(lit), weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                      : QPen(Qt::NoPen));
  p.drawPath(icon);
}

void paintPanelFrame(QImage& canvas, bool withBrackets) {
  const QRectF edge = QRectF(canvas.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  paintGlassPanel(canvas, edge, 6, 1.0);
  if (!withBrackets) return;
  // Orange brackets on the upper corners, the inlay of the set behind the host.
  const qreal arm = 22;
  const qreal cut = 6;
  QPainterPath brackets;
  brackets.moveTo(edge.left(), edge.top() + arm);
  brackets.lineTo(edge.left(), edge.top() + cut);
  brackets.lineTo(edge.left() + cut, edge.top());
  brackets.lineTo(edge.left() + arm, edge.top());
  brackets.moveTo(edge.right() - arm, edge.top());
  brackets.lineTo(edge.right() - cut, edge.top());
  brackets.lineTo(edge.right(), edge.top() + cut);
  brackets.lineTo(edge.right(), edge.top() + arm);
  glowStroke(canvas, brackets, {palette::orange, 1.3, 2, 0.9, withAlpha(palette::ivory, 170)});
}

void paintTextPlate(QImage& canvas, const QPainterPath& plate) {
  const QRectF bounds = plate.boundingRect();
  halo(canvas, plate, palette::orange, 1.5, 3, 0.55);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    // Even in the middle, where the text goes; the light sits on the top edge.
    fillGlossy(p, plate, bounds,
               {{0.0, QColor(255, 214, 150)},
                {0.3, palette::amber},
                {0.7, QColor(255, 146, 28)},
                {1.0, QColor(226, 104, 0)}},
               70);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 62, 0), 1.0));
    p.drawPath(plate);
  }
  QPainterPath top;
  top.moveTo(bounds.left() + bounds.height() * 0.45, bounds.top() + 1.0);
  top.lineTo(bounds.right() - bounds.height() * 0.45, bounds.top() + 1.0);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(withAlpha(palette::ivory, 200), 1.0));
  p.drawPath(top);
}

void paintCaptionButton(QImage& canvas, const QPainterPath& shape, const QPainterPath& caption) {
  const QRectF bounds = shape.boundingRect();
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    fillGlossy(p, shape, bounds,
               {{0.0, palette::steelNavy}, {0.5, palette::navy}, {1.0, QColor(5, 15, 38)}}, 55);
  }
  // The rim glows inwards only, so nothing spills on the panel around the button.
  QImage rim = makeLayer(canvas.size());
  glowStroke(rim, shape, {palette::blue, 1.2, 2, 1.0, withAlpha(palette::lightBlue, 190)});
  {
    QPainter p(&rim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.setPen(QPen(Qt::black, 1.4));
    p.setBrush(Qt::black);
    p.drawPath(shape);
  }
  composite(canvas, rim);
  if (caption.isEmpty()) return;
  halo(canvas, caption, palette::lightBlue, 1.0, 2, 0.5, true);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::ivory);
  p.drawPath(caption);
}

}  // namespace picgen::lifelines
