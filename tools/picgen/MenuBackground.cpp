// imgMenuTlo, 790 x 425: the main menu, also behind the result page. The stage frames
// the places the game fills in: the button column on the left, the sub-page in the
// middle, the player's details top right and the records on the right.
// imgPTlo, 790 x 425: the same stage for the profiles page, whose list and form are wider
// than a sub-page: one panel from the button column to the right, under the chosen player.
#include <QPainter>
#include <array>

#include "Logo.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"
#include "Stage.h"

namespace picgen {

namespace {

constexpr QRectF kButtonColumn{0, 111, 162, 273};
constexpr QRectF kSubPage{209, 105, 341, 297};
constexpr QRectF kPlayerInfo{560, 5, 225, 85};
constexpr QRectF kRecords{565, 100, 220, 320};
// The profiles page: its buttons (log-in to quit) and one panel around the inner pages
// (165, 99, 436 x 247) and the chosen player's line under them.
constexpr QRectF kProfileButtons{0, 105, 162, 298};
constexpr QRectF kProfilePages{168, 95, 432, 290};
constexpr QRectF kLogo{14, 10, 522, 84};
constexpr qreal kHorizon = 352;
constexpr qreal kStageCentreX = 380;

void paintLights(QImage& canvas) {
  // Sources just above the top edge; none aims at the player's details in the corner.
  const std::array beams{
      Beam{{60, -20}, {330, 440}, 14, 190, palette::beam, 0.32},
      Beam{{500, -20}, {430, 440}, 14, 190, palette::beam, 0.32},
      Beam{{215, -20}, {110, 440}, 10, 150, palette::beam, 0.26},
      Beam{{350, -20}, {650, 440}, 10, 170, palette::beam, 0.14},
  };
  spotlights(canvas, beams, 10);
}

// Keeps the player's details quiet without cutting hard edges into the stage.
void quietenPlayerInfo(QImage& canvas) {
  shade(canvas, chamferedRect(kPlayerInfo.adjusted(-8, -8, 8, 6), 12), Qt::black, 10, 0.75);
}

// The buttons sit on a dark rail of the window's left edge. It is as dark as the corners
// beside the pointed ends of the button faces, so those corners do not show.
void paintButtonRail(QImage& canvas, const QRectF& column, qreal reach) {
  const QRectF rail = column.adjusted(-20, -13, reach, 13);
  const QPainterPath plate = chamferedRect(rail, 10);
  shade(canvas, chamferedRect(rail.adjusted(0, -3, 4, 3), 12), Qt::black, 5, 0.7);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(palette::night, 245));
    p.drawPath(plate);
  }
  glowStroke(canvas, plate, {withAlpha(palette::blue, 150), 1.0, 3, 0.6, {}});
}

// Everything behind the panels: the wall, the lights and the floor.
void paintStage(QImage& canvas) {
  paintBackdrop(canvas, kHorizon, {kStageCentreX, kHorizon - 40});

  Honeycomb wall;
  wall.area = QRectF(0, 40, canvas.width(), kHorizon - 46);
  wall.cellRadius = 21;
  wall.light = {kStageCentreX, kHorizon - 30};
  wall.lightReach = {430, 230};
  wall.outlineAlpha = 110;
  wall.litShare = 0.12;
  wall.seed = 17;
  paintHoneycomb(canvas, wall);

  paintLights(canvas);
  paintRays(canvas, kLogo.center(), 28, 420, palette::lightBlue, 0.5, 5);
  // Backlight of the title, so the letters stand in front of something.
  QPainterPath backlight;
  backlight.addEllipse(kLogo.center(), kLogo.width() * 0.52, kLogo.height() * 0.55);
  halo(canvas, backlight, palette::steelNavy, 0, 24, 0.9, true);
  paintFloorReflection(canvas, kHorizon, 70, 0.35);
  paintHorizonLine(canvas, kHorizon, kStageCentreX, 420);
  paintFloorRings(canvas, {kStageCentreX, 405}, 300, 0.12);
}

}  // namespace

void drawMenuBackground(QImage& canvas) {
  paintStage(canvas);
  quietenPlayerInfo(canvas);
  paintButtonRail(canvas, kButtonColumn, 8);
  paintGlassPanel(canvas, kSubPage.adjusted(-5, -5, 5, 5), 10, 0.7);
  paintGlassPanel(canvas, kRecords, 10, 0.75);

  paintTitleLogo(canvas, kLogo);
  addGrain(canvas, 4242, 2);
}

void drawProfilesBackground(QImage& canvas) {
  paintStage(canvas);
  // The list's edge comes close to the buttons: the rail stops just past their points.
  paintButtonRail(canvas, kProfileButtons, 1);
  paintGlassPanel(canvas, kProfilePages, 10, 0.75);

  paintTitleLogo(canvas, kLogo);
  addGrain(canvas, 4242, 2);
}

}  // namespace picgen
