// imgTInfoBG, 253 x 149: the panel with a friend's five lines (name, surname, age, place,
// what the friend knows) that the phone panel opens. The game writes them in black, so they
// sit on an ivory card; under it, the closing button, a clickable area without a caption.
#include <QLinearGradient>
#include <QPainter>

#include "GamePage.h"
#include "Lifelines.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"
#include "Stage.h"

namespace picgen {

namespace {

void paintCard(QImage& canvas, const QRectF& rect) {
  const QPainterPath card = chamferedRect(rect, 6);
  halo(canvas, card, palette::orange, 2, 3, 0.5);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient paper(rect.topLeft(), rect.bottomLeft());
  paper.setColorAt(0.0, palette::ivory);
  paper.setColorAt(0.75, QColor(252, 244, 218));
  paper.setColorAt(1.0, QColor(244, 226, 186));
  p.setPen(QPen(palette::orange, 1.5));
  p.setBrush(paper);
  p.drawPath(card);
  // A faint corner of honeycomb, low in the corner that the lines reach least.
  p.setClipPath(card);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(palette::orange, 55), 1.0));
  const qreal r = 8;
  const QPointF corner = rect.bottomRight() + QPointF(-9, -6);
  const QPointF cells[] = {{0, 0}, {0, -1.732 * r}, {-1.5 * r, -0.866 * r}};
  for (const QPointF& cell : cells) p.drawPath(hexagon(corner + cell, r * 0.9));
}

}  // namespace

void drawFriendInfoPanel(QImage& canvas) {
  canvas.fill(palette::black);
  lifelines::paintPanelFrame(canvas, false);
  paintCard(canvas, lifelines::kInfoText.adjusted(-3.5, -2.5, 3.5, 1.5));
  const QRectF button = lifelines::kInfoClose.adjusted(0.5, 1, -0.5, -1);
  const QPainterPath caption = fittedText(pixelFont(palette::sansFamily, 40, QFont::Bold),
                                          QStringLiteral("OK"), button.adjusted(20, 7, -20, -7));
  lifelines::paintCaptionButton(canvas, closedPath(gamepage::lyingHexagon(button)), caption);
  paintDiamond(canvas, {40, button.center().y()}, {2.5, 2.5}, 2);
  paintDiamond(canvas, {213, button.center().y()}, {2.5, 2.5}, 2);
  addGrain(canvas, 253, 1);
}

}  // namespace picgen
