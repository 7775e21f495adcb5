// FILE3, 409 x 301, 26 frames, looping beside the result texts: Tolmir's bust in a
// hexagon medallion whose frames turn slowly. Everything that moves turns by a whole
// symmetry step or runs a whole cycle in 26 frames, so the last frame flows into the first.
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "Host.h"
#include "Motion.h"
#include "Movie.h"
#include "Painting.h"
#include "Palette.h"
#include "Stage.h"

namespace movies {

namespace {

using namespace picgen;

constexpr int kFrames = 26;
constexpr QPointF kCentre{204.5, 150.5};
constexpr qreal kRadius = 116;
constexpr int kBeads = 12;

QPainterPath turnedHexagon(qreal radius, qreal degrees) {
  QTransform turn;
  turn.translate(kCentre.x(), kCentre.y());
  turn.rotate(degrees);
  turn.translate(-kCentre.x(), -kCentre.y());
  return turn.map(hexagon(kCentre, radius, HexTop::Pointy));
}

// The point `u` (0 .. 1) of the way round a pointy hexagon turned by `degrees`.
QPointF alongHexagon(qreal radius, qreal degrees, qreal u) {
  const qreal side = u * 6;
  const int corner = static_cast<int>(std::floor(side)) % 6;
  const qreal k = side - std::floor(side);
  auto cornerAt = [&](int i) {
    const qreal a = (30.0 + 60.0 * i + degrees) * std::numbers::pi / 180.0;
    return kCentre + QPointF(std::cos(a), std::sin(a)) * radius;
  };
  return mix(cornerAt(corner), cornerAt(corner + 1), k);
}

class ResultLoop : public MovieScript {
 public:
  ResultLoop() {
    m_back = QImage(409, 301, QImage::Format_ARGB32_Premultiplied);
    m_back.fill(palette::night);
    {
      QPainter p(&m_back);
      QRadialGradient wall(kCentre, 260);
      wall.setColorAt(0.0, palette::navy);
      wall.setColorAt(0.5, palette::deepNavy);
      wall.setColorAt(1.0, palette::black);
      p.fillRect(m_back.rect(), wall);
    }
    Honeycomb comb;
    comb.area = QRectF(0, 0, 409, 301);
    comb.cellRadius = 17;
    comb.light = kCentre;
    comb.lightReach = {240, 190};
    comb.outlineAlpha = 80;
    comb.litShare = 0.1;
    comb.seed = 303;
    paintHoneycomb(m_back, comb);
    QPainterPath backlight = hexagon(kCentre, kRadius * 1.05, HexTop::Pointy);
    shade(m_back, backlight, Qt::black, 10, 0.6);

    // The bust behind its glass, painted once: the loop is too short for a blink.
    m_bust = QImage(409, 301, QImage::Format_ARGB32_Premultiplied);
    m_bust.fill(Qt::transparent);
    const QPainterPath inner = hexagon(kCentre, kRadius * 0.84, HexTop::Pointy);
    {
      QPainter p(&m_bust);
      p.setRenderHint(QPainter::Antialiasing);
      p.setClipPath(inner);
      QRadialGradient light(kCentre + QPointF(0, -30), 130);
      light.setColorAt(0.0, palette::steelNavy);
      light.setColorAt(0.6, palette::navy);
      light.setColorAt(1.0, palette::deepNavy);
      p.fillRect(m_bust.rect(), light);
      drawHost(p, QRectF(kCentre.x() - 120, 41, 240, 240), HostResting);
      // Glass over the picture: a soft sheen across the top.
      QLinearGradient sheen(0, kCentre.y() - 100, 0, kCentre.y());
      sheen.setColorAt(0.0, withAlpha(palette::lightBlue, 60));
      sheen.setColorAt(1.0, withAlpha(palette::lightBlue, 0));
      p.fillRect(QRectF(0, 0, 409, kCentre.y()), sheen);
    }
    glowStroke(m_bust, inner, {withAlpha(palette::lightBlue, 200), 1.2, 3, 0.8, {}});
  }

  void paint(QImage& canvas, int index) override {
    const qreal phase = static_cast<qreal>(index % kFrames) / kFrames;  // 0 .. 1, loops
    const qreal pulse = 0.5 + 0.5 * std::cos(2 * std::numbers::pi * phase);
    {
      QPainter p(&canvas);
      p.drawImage(0, 0, m_back);
    }
    QPainterPath glow = hexagon(kCentre, kRadius * 0.95, HexTop::Pointy);
    halo(canvas, glow, palette::blue, 8, 16, 0.45 + 0.25 * pulse);
    {
      QPainter p(&canvas);
      p.drawImage(0, 0, m_bust);
    }

    // The blue frame turns one way and the orange one the other, a sixth of a turn each.
    glowStroke(canvas, turnedHexagon(kRadius, 60 * phase),
               {palette::blue, 2.2, 5, 1.1 + 0.4 * pulse, withAlpha(palette::lightBlue, 230)});
    glowStroke(canvas, turnedHexagon(kRadius * 0.91, -60 * phase),
               {withAlpha(palette::orange, 220), 1.4, 4, 0.9 + 0.3 * pulse,
                withAlpha(palette::amber, 200)});

    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    // Beads on a ring outside, a quarter turn per loop, lit in a wave that travels round.
    for (int i = 0; i < kBeads; ++i) {
      const qreal a = 2 * std::numbers::pi * (i + 3 * phase) / kBeads;
      const QPointF at = kCentre + QPointF(std::cos(a), std::sin(a)) * kRadius * 1.14;
      const qreal beat = 0.5 + 0.5 * std::cos(4 * a - 4 * std::numbers::pi * phase);
      p.setPen(Qt::NoPen);
      p.setBrush(withAlpha(i % 3 == 0 ? palette::amber : palette::lightBlue,
                           static_cast<int>(110 + 120 * beat)));
      p.drawPath(hexagon(at, 2.6 + 1.2 * beat, HexTop::Pointy));
      if (i % 3 == 0) paintSparkle(p, at, 9 * beat * beat, palette::ivory, beat);
    }
    // Glints run once round each frame; as the frames turn too, the steps round the
    // hexagon are chosen so both end where they began.
    paintSparkle(p, alongHexagon(kRadius, 60 * phase, phase * 5 / 6), 15, palette::ivory);
    paintSparkle(p, alongHexagon(kRadius * 0.91, -60 * phase, std::fmod(0.5 + phase * 7 / 6, 1.0)),
                 10, palette::amber);
  }

 private:
  QImage m_back;
  QImage m_bust;
};

}  // namespace

std::unique_ptr<MovieScript> makeResultLoop() { return std::make_unique<ResultLoop>(); }

}  // namespace movies
