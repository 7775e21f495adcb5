// FILE4, 333 x 287, 131 frames, looping on the information page: how to play and who
// made the game, three pages in turn on a dark glass card. The pages change with a short
// fade and the decorations run whole cycles, so frame 130 flows into frame 0.
#include <QPainter>
#include <array>

#include "InfoPages.h"
#include "Motion.h"
#include "Movie.h"
#include "Painting.h"
#include "Palette.h"
#include "Stage.h"

namespace movies {

namespace {

using namespace picgen;

constexpr int kFrames = 131;
constexpr std::array<int, 3> kPageStart{0, 44, 88};
constexpr std::array<int, 3> kPageLength{44, 44, 43};
constexpr int kFade = 5;  // frames to fade out, then as many to fade in
constexpr QRectF kCard{5, 5, 323, 277};

// How much of a page (or of a run of pages) shows at `frame`: full from its first frame,
// fading out over its last frames, fading in over the frames before it starts.
qreal shown(int frame, int start, int length) {
  const int d = ((frame - start) % kFrames + kFrames) % kFrames;
  if (d < length) return 1 - ramp(d, length - 2 * kFade, length - kFade);
  return ramp(d, kFrames - kFade, kFrames);
}

class InfoCard : public MovieScript {
 public:
  InfoCard() {
    m_back = QImage(333, 287, QImage::Format_ARGB32_Premultiplied);
    m_back.fill(palette::night);
    Honeycomb comb;
    comb.area = QRectF(0, 0, 333, 287);
    comb.cellRadius = 15;
    comb.light = {250, 250};
    comb.lightReach = {260, 200};
    comb.outlineAlpha = 70;
    comb.litShare = 0.08;
    comb.seed = 404;
    paintHoneycomb(m_back, comb);
    paintGlassPanel(m_back, kCard, 12, 0.86);
  }

  void paint(QImage& canvas, int index) override {
    const int frame = index % kFrames;
    const qreal phase = static_cast<qreal>(frame) / kFrames;
    {
      QPainter p(&canvas);
      p.drawImage(0, 0, m_back);
    }
    paintDecoration(canvas, phase);

    // Headings stay up while their pages change underneath.
    paintHeading(canvas, QStringLiteral("JAK GRAĆ"), shown(frame, 0, 88));
    paintHeading(canvas, QStringLiteral("AUTORZY"), shown(frame, 88, 43));
    for (std::size_t i = 0; i < kPageStart.size(); ++i) {
      const qreal opacity = shown(frame, kPageStart[i], kPageLength[i]);
      if (opacity <= 0.003) continue;
      const qreal rise = 6 * (1 - opacity);  // pages drift up into place as they appear
      paintInfoPage(canvas, static_cast<int>(i), opacity, rise, frameTime(index));
    }
    paintPageDots(canvas, frame);
  }

 private:
  void paintHeading(QImage& canvas, const QString& text, qreal opacity) {
    if (opacity <= 0.003) return;
    const QFont font = pixelFont(palette::sansFamily, 24, QFont::Bold, 2);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    path.translate(kCard.center().x() - b.center().x(), 38 - b.bottom());
    TextLook look = goldLook();
    look.glowRadius = 5;
    look.rimWidth = 1.4;
    paintGlowText(canvas, path, look, opacity);
    // The ornament under the heading.
    const qreal y = 48;
    QPainterPath line;
    line.moveTo(kCard.center().x() - 110, y);
    line.lineTo(kCard.center().x() + 110, y);
    QImage layer = makeLayer(canvas.size());
    glowStroke(layer, line, {withAlpha(palette::orange, 200), 1.0, 2, 0.6, {}});
    QPainter p(&layer);
    paintSparkle(p, QPointF(kCard.center().x(), y), 6, palette::amber);
    p.end();
    composite(canvas, layer, opacity, QPainter::CompositionMode_SourceOver);
  }

  // A slowly turning hexagon in the corner and a glint along the top edge.
  void paintDecoration(QImage& canvas, qreal phase) {
    const QPointF corner(300, 262);
    QTransform turn;
    turn.translate(corner.x(), corner.y());
    turn.rotate(60 * phase);
    turn.translate(-corner.x(), -corner.y());
    glowStroke(canvas, turn.map(hexagon(corner, 44, HexTop::Pointy)),
               {withAlpha(palette::blue, 110), 1.0, 3, 0.6, {}});
    glowStroke(canvas, turn.inverted().map(hexagon(corner, 34, HexTop::Pointy)),
               {withAlpha(palette::orange, 70), 0.8, 2, 0.4, {}});
    const qreal x = mix(kCard.left() - 30, kCard.right() + 30, phase);
    const qreal strength = window(x, kCard.left() + 20, kCard.right() - 20, 30);
    if (strength > 0) {
      QPainter p(&canvas);
      paintSparkle(p, QPointF(x, kCard.top() + 0.5), 10, palette::lightBlue, strength);
    }
  }

  void paintPageDots(QImage& canvas, int frame) {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < kPageStart.size(); ++i) {
      const qreal on = shown(frame, kPageStart[i], kPageLength[i]);
      const QPointF at(kCard.center().x() + (static_cast<qreal>(i) - 1) * 16, kCard.bottom() - 12);
      p.setPen(QPen(withAlpha(palette::blue, 200), 1.0));
      p.setBrush(withAlpha(palette::orange, static_cast<int>(40 + 215 * on)));
      p.drawPath(hexagon(at, 4.5, HexTop::Pointy));
    }
  }

  QImage m_back;
};

}  // namespace

std::unique_ptr<MovieScript> makeInfoCard() { return std::make_unique<InfoCard>(); }

}  // namespace movies
