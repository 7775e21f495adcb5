// imgKomp 50 x 28, imgTel 51 x 28, imgPub 51 x 28: the three lifeline buttons at the top of
// the ladder's black column. Glossy hexagon-ended plates like the answer boxes, each with a
// lit icon big enough to read at this size; the game draws a red cross over a used one.
#include <QPainter>

#include "GamePage.h"
#include "Lifelines.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

namespace picgen {

namespace {

using IconFunction = QPainterPath (*)(const QRectF& box);

void drawLifelineButton(QImage& canvas, IconFunction icon, const QRectF& iconBox,
                        qreal weight = 0) {
  canvas.fill(palette::black);
  const QRectF bounds = QRectF(canvas.rect()).adjusted(1.5, 2.5, -1.5, -2.5);
  const QPainterPath plate = closedPath(gamepage::lyingHexagon(bounds));
  halo(canvas, plate, palette::blue, 2, 2, 0.5);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    fillGlossy(p, plate, bounds,
               {{0.0, palette::steelNavy}, {0.5, palette::navy}, {1.0, QColor(4, 12, 32)}}, 70);
  }
  glowStroke(canvas, plate, {palette::blue, 1.2, 2, 0.8, withAlpha(palette::lightBlue, 210)});
  lifelines::paintLitIcon(canvas, icon(iconBox), 2, 0.7, weight);
}

}  // namespace

void drawFiftyFiftyButton(QImage& canvas) {
  drawLifelineButton(canvas, lifelines::fiftyFiftyIcon, {10, 8, 30, 12}, 0.6);
}

void drawPhoneButton(QImage& canvas) {
  drawLifelineButton(canvas, lifelines::phoneIcon, {16, 6.5, 19, 15});
}

void drawAudienceButton(QImage& canvas) {
  drawLifelineButton(canvas, lifelines::audienceIcon, {14.5, 6.5, 22, 15.5});
}

}  // namespace picgen
