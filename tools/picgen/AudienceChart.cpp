// imgWykres, 149 x 157: the background of the audience's chart. The game grows four green
// bars up from a common foot and writes their percentages in black above them, so each
// bar gets an empty track, each percentage an orange tag, and the letters of the answers
// stand under the foot. The white "X" of the close button goes in the bottom right corner.
#include <QPainter>

#include "Lifelines.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"
#include "Stage.h"

namespace picgen {

namespace {

using lifelines::kBarFoot;
using lifelines::kBarLeft;
using lifelines::kBarTop;
using lifelines::kBarWidth;

// The height the game gives a bar of `percent`.
constexpr qreal barHeight(int percent) { return percent + percent / 8 + 3; }

void paintTracks(QImage& canvas) {
  QPainter p(&canvas);
  for (qreal left : kBarLeft) {
    const QRectF track(left - 2, kBarTop - 1, kBarWidth + 4, kBarFoot - kBarTop + 1);
    QLinearGradient well(track.topLeft(), track.topRight());
    well.setColorAt(0.0, QColor(1, 3, 10));
    well.setColorAt(0.5, QColor(4, 10, 26));
    well.setColorAt(1.0, QColor(1, 3, 10));
    p.setPen(QPen(withAlpha(palette::blue, 60), 1.0));
    p.setBrush(well);
    p.drawRect(track.adjusted(0.5, 0.5, -0.5, 0));
  }
}

// Faint lines at a quarter, half, three quarters and all of the audience.
void paintScale(QImage& canvas) {
  QPainter p(&canvas);
  for (int percent : {25, 50, 75, 100}) {
    const qreal y = kBarFoot - barHeight(percent) + 0.5;
    p.setPen(QPen(withAlpha(palette::blue, percent == 50 ? 120 : 80), 1.0, Qt::DotLine));
    p.drawLine(QPointF(6, y), QPointF(canvas.width() - 6, y));
  }
}

void paintFoot(QImage& canvas) {
  QPainterPath foot;
  foot.moveTo(5, kBarFoot + 0.5);
  foot.lineTo(canvas.width() - 5, kBarFoot + 0.5);
  glowStroke(canvas, foot, {palette::blue, 1.0, 3, 0.9, withAlpha(palette::lightBlue, 230)});
  // An orange socket under each bar.
  QPainterPath sockets;
  for (qreal left : kBarLeft) {
    sockets.moveTo(left, kBarFoot + 0.5);
    sockets.lineTo(left + kBarWidth, kBarFoot + 0.5);
  }
  glowStroke(canvas, sockets, {palette::orange, 1.0, 2, 0.8, withAlpha(palette::ivory, 200)});
}

void paintLetters(QImage& canvas) {
  const char* letters = "ABCD";
  for (std::size_t i = 0; i < kBarLeft.size(); ++i) {
    const qreal centre = kBarLeft[i] + kBarWidth / 2;
    const QRectF box(centre - 7, kBarFoot + 5, 14, 11);
    const QPainterPath letter = fittedText(pixelFont(palette::sansFamily, 40, QFont::Bold),
                                           QString(QChar::fromLatin1(letters[i])), box);
    lifelines::paintLitIcon(canvas, letter, 2, 0.7);
  }
}

}  // namespace

void drawAudienceChart(QImage& canvas) {
  canvas.fill(palette::black);
  lifelines::paintPanelFrame(canvas, false);
  paintTracks(canvas);
  paintScale(canvas);
  paintFoot(canvas);
  paintLetters(canvas);
  // As wide as the labels allow, so "100%" fits.
  for (const QRectF& label : lifelines::kPercentLabels) {
    const QRectF tag(label.center().x() - 15, label.top() + 0.5, 30, label.height() - 1);
    lifelines::paintTextPlate(canvas, chamferedRect(tag, 3));
  }
  const QRectF close = lifelines::kChartClose;
  lifelines::paintCaptionButton(
      canvas, chamferedRect(QRectF(close.right() - 10, close.top() + 0.5, 9.5, 11), 2), {});
  addGrain(canvas, 149, 1);
}

}  // namespace picgen
