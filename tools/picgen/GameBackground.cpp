// imgGraTlo, 790 x 425: the stage of the game page. The host's picture, the ladder and the
// console (imgRamka) cover most of it, so it mostly frames them: a lit screen edge round
// the host, a dark column for the ladder and the resignation button, and the studio wall
// with its lights in the strips left over. Below the console's top edge all is black.
#include <QLinearGradient>
#include <QPainter>
#include <array>

#include "GamePage.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"
#include "Stage.h"

namespace picgen {

namespace {

constexpr qreal kConsoleTop = gamepage::kFrame.top();

void paintLights(QImage& canvas) {
  // Only the strips beside the host show them, so they are aimed there.
  const std::array beams{
      Beam{{-10, -20}, {60, 300}, 8, 110, palette::beam, 0.30},
      Beam{{140, -20}, {10, 300}, 8, 90, palette::beam, 0.18},
      Beam{{470, -20}, {575, 300}, 8, 110, palette::beam, 0.30},
      Beam{{620, -20}, {545, 300}, 8, 80, palette::beam, 0.16},
  };
  spotlights(canvas, beams, 8);
}

// A video wall edge around the host's picture: the picture reads as a screen on the set.
void paintHostScreen(QImage& canvas) {
  const QRectF screen = gamepage::kHost.adjusted(-2.5, -2.5, 2.5, 2.5);
  shade(canvas, chamferedRect(screen.adjusted(-6, -6, 6, 6), 8), Qt::black, 6, 0.8);
  const QPainterPath edge = chamferedRect(screen, 4);
  glowStroke(canvas, edge, {palette::blue, 1.3, 4, 1.1, withAlpha(palette::lightBlue, 200)});
  // Orange brackets on the upper corners, like the inlay of the set behind the host.
  QPainterPath brackets;
  const qreal arm = 26;
  const QRectF r = screen.adjusted(-4, -4, 4, 4);
  brackets.moveTo(r.left(), r.top() + arm);
  brackets.lineTo(r.left(), r.top() + 6);
  brackets.lineTo(r.left() + 6, r.top());
  brackets.lineTo(r.left() + arm, r.top());
  brackets.moveTo(r.right() - arm, r.top());
  brackets.lineTo(r.right() - 6, r.top());
  brackets.lineTo(r.right(), r.top() + 6);
  brackets.lineTo(r.right(), r.top() + arm);
  glowStroke(canvas, brackets, {palette::orange, 1.4, 3, 1.0, withAlpha(palette::ivory, 170)});
}

void blackenBelowConsole(QImage& canvas) {
  QPainter p(&canvas);
  QLinearGradient fade(0, kConsoleTop - 30, 0, kConsoleTop);
  fade.setColorAt(0.0, withAlpha(palette::black, 0));
  fade.setColorAt(1.0, palette::black);
  p.fillRect(QRectF(0, kConsoleTop - 30, gamepage::kLadder.left() - 4, 30), fade);
  p.fillRect(QRectF(0, kConsoleTop, gamepage::kLadder.left() - 4, canvas.height()), palette::black);
}

}  // namespace

void drawGameBackground(QImage& canvas) {
  const QPointF hostCentre = gamepage::kHost.center();
  paintBackdrop(canvas, kConsoleTop, {hostCentre.x(), hostCentre.y() + 40});

  Honeycomb wall;
  wall.area = QRectF(0, 0, canvas.width(), kConsoleTop);
  wall.cellRadius = 20;
  wall.light = hostCentre;
  wall.lightReach = {420, 260};
  wall.outlineAlpha = 110;
  wall.litShare = 0.12;
  wall.seed = 31;
  paintHoneycomb(canvas, wall);
  paintLights(canvas);

  blackenBelowConsole(canvas);
  paintHostScreen(canvas);
  gamepage::paintLadderColumn(canvas, {0, 0});
  addGrain(canvas, 425, 2);
}

}  // namespace picgen
