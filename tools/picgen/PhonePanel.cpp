// imgTelBG, 269 x 101: the phone panel. The game writes the two chosen friends' names in
// black on the two orange plates and makes the two "i" squares beside them clickable; the
// title band above says what the panel is for.
#include <QFont>
#include <QPainter>

#include "GamePage.h"
#include "Lifelines.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"
#include "Stage.h"

namespace picgen {

namespace {

QPainterPath infoCaption(const QRectF& box) {
  QFont font = pixelFont(palette::serifFamily, 40, QFont::Bold);
  font.setItalic(true);
  return fittedText(font, QStringLiteral("i"), box);
}

void paintTitle(QImage& canvas) {
  lifelines::paintLitIcon(canvas, lifelines::phoneIcon({13, 9, 23, 18}), 3, 0.9);
  const QPainterPath title =
      fittedText(pixelFont(palette::sansFamily, 40, QFont::Bold, 4),
                 QStringLiteral("TELEFON DO PRZYJACIELA"), {44, 12, 214, 12});
  halo(canvas, title, palette::lightBlue, 1.0, 2, 0.35, true);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::ivory);
  p.drawPath(title);
}

// A rule under the title that fades out towards both ends.
void paintRule(QImage& canvas, qreal y, qreal left, qreal right) {
  QPainterPath rule;
  rule.moveTo(left, y);
  rule.lineTo(right, y);
  QLinearGradient along(left, 0, right, 0);
  along.setColorAt(0.0, withAlpha(palette::blue, 0));
  along.setColorAt(0.5, withAlpha(palette::lightBlue, 200));
  along.setColorAt(1.0, withAlpha(palette::blue, 0));
  QImage layer = makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QBrush(along), 1.0));
    p.drawPath(rule);
  }
  QImage bloom = layer;
  blur(bloom, 2);
  composite(canvas, bloom, 1.5);
  composite(canvas, layer);
}

}  // namespace

void drawPhonePanel(QImage& canvas) {
  canvas.fill(palette::black);
  lifelines::paintPanelFrame(canvas);
  paintTitle(canvas);
  paintRule(canvas, 31.5, 10, 259);
  for (const QRectF& name : lifelines::kFriendNames)
    lifelines::paintTextPlate(
        canvas, closedPath(gamepage::lyingHexagon(name.adjusted(0.5, 0.5, -0.5, -0.5))));
  for (const QRectF& info : lifelines::kFriendInfo) {
    const QRectF face = info.adjusted(1.5, 1, -1.5, -1);
    lifelines::paintCaptionButton(canvas, chamferedRect(face, 4),
                                  infoCaption(face.adjusted(6, 5, -6, -5)));
  }
  paintDiamond(canvas, {134.5, 94}, {3, 3}, 2);
  paintRule(canvas, 94.5, 20, 124);
  paintRule(canvas, 94.5, 145, 249);
  addGrain(canvas, 269, 1);
}

}  // namespace picgen
