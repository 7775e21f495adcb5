// FILE5, 782 x 415, 195 frames: the million is won. A burst of light, "1 MILION" lands
// in gold, "GRATULACJE!" pops up letter by letter, Tolmir cheers, fireworks go off over
// the stage and confetti rains down.
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "Effects.h"
#include "Host.h"
#include "Motion.h"
#include "Movie.h"
#include "Painting.h"
#include "Palette.h"
#include "Stage.h"

namespace movies {

namespace {

using namespace picgen;

constexpr QRectF kAmount{22, 92, 474, 128};
constexpr QRectF kCongrats{52, 242, 420, 50};
constexpr QPointF kRaysCentre{262, 168};
constexpr qreal kHorizon = 356;
constexpr qreal kHostX = 650;
constexpr qreal kHostSize = 280;

constexpr qreal kAmountFrom = 0.25, kAmountFlight = 0.8;
constexpr qreal kLettersFrom = 1.4, kLetterGap = 0.08, kLetterPop = 0.45;

class Million : public MovieScript {
 public:
  Million()
      : m_fireworks(5005, QRectF(40, 30, 700, 150), 38, 0.4, 16.4),
        m_confetti(7007, QRectF(0, 0, 782, 415), 65, 3.0) {
    m_wall = QImage(782, 415, QImage::Format_ARGB32_Premultiplied);
    m_wall.fill(Qt::black);
    paintBackdrop(m_wall, kHorizon, {391, kHorizon - 80});
    Honeycomb wall;
    wall.area = QRectF(0, 0, 782, kHorizon - 4);
    wall.cellRadius = 24;
    wall.light = {391, kHorizon - 120};
    wall.lightReach = {480, 260};
    wall.outlineAlpha = 60;
    wall.litShare = 0.08;
    wall.seed = 77;
    paintHoneycomb(m_wall, wall);
    const std::array beams{
        Beam{{90, -20}, {300, 440}, 14, 200, palette::beam, 0.22},
        Beam{{720, -20}, {560, 440}, 14, 200, palette::beam, 0.22},
        Beam{{kHostX, -30}, {kHostX, 440}, 16, 240, QColor(255, 214, 150), 0.2},
    };
    spotlights(m_wall, beams, 10);
    paintFloorReflection(m_wall, kHorizon, 50, 0.3);
    paintHorizonLine(m_wall, kHorizon, 391, 420);
    paintFloorRings(m_wall, {kHostX, 404}, 200, 0.12);
    // The set a little out of focus: the eye stays on the front, and the movie stays small.
    blur(m_wall, 1);

    const QFont big = pixelFont(palette::serifFamily, 140, QFont::Bold, 4);
    m_amount = textPath(big, QStringLiteral("1 MILION"), kAmount);
    const QFont word = pixelFont(palette::sansFamily, 60, QFont::Bold, 6);
    m_letters = letterPaths(word, QStringLiteral("GRATULACJE!"), kCongrats);

    // Twinkles around the amount, each on its own beat.
    Random random(313);
    for (int i = 0; i < 10; ++i) {
      const QRectF b = m_amount.boundingRect().adjusted(-20, -24, 20, 16);
      m_twinkles.push_back(
          {QPointF(random.uniform(b.left(), b.right()), random.uniform(b.top(), b.bottom())),
           random.uniform(6, 13), random.uniform(0.7, 1.6),
           random.uniform(0, 2 * std::numbers::pi)});
    }
  }

  void paint(QImage& canvas, int index) override {
    const qreal t = frameTime(index);
    {
      QPainter p(&canvas);
      p.drawImage(0, 0, m_wall);
    }
    paintTurningRays(canvas, kRaysCentre, 24, 520, palette::amber,
                     0.32 * ramp(t, 0.1, 1.2) * (0.85 + 0.15 * std::sin(2.1 * t)), 5 * t);
    m_fireworks.paint(canvas, t);
    paintHost(canvas, t);
    paintAmount(canvas, t);
    paintCongrats(canvas, t);
    {
      QPainter p(&canvas);
      for (const Twinkle& twinkle : m_twinkles) {
        const qreal beat =
            0.5 + 0.5 * std::sin(twinkle.rate * 2 * std::numbers::pi * t + twinkle.phase);
        paintSparkle(p, twinkle.position, twinkle.size * beat * beat,
                     beat > 0.6 ? palette::ivory : palette::amber, ramp(t, 1.0, 1.6));
      }
      m_confetti.paint(p, t - 0.3);
      // It starts with a burst of light.
      const qreal flash = 1 - ramp(t, 0, 0.6);
      if (flash > 0) {
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        QRadialGradient burst(kRaysCentre, 700);
        burst.setColorAt(0.0, withAlpha(palette::ivory, static_cast<int>(255 * flash)));
        burst.setColorAt(1.0, withAlpha(palette::amber, static_cast<int>(120 * flash)));
        p.fillRect(canvas.rect(), burst);
      }
    }
  }

 private:
  struct Twinkle {
    QPointF position;
    qreal size;
    qreal rate;
    qreal phase;
  };

  void paintHost(QImage& canvas, qreal t) {
    HostMotion m = hostMotion(HostResting, t);
    // Arms fly up as the amount lands, then he keeps cheering.
    m.towards = HostDelighted;
    m.blend = ramp(t, 0.3, 0.8);
    m.cheer = std::sin(2 * std::numbers::pi * 1.4 * (t - 0.8));
    const qreal hop =
        std::max(0.0, std::sin(2 * std::numbers::pi * 0.7 * (t - 0.8))) * 6 * ramp(t, 0.8, 1.2);
    const QRectF area(kHostX - kHostSize / 2, 415 - kHostSize + 4 - hop, kHostSize, kHostSize);
    QPainter p(&canvas);
    drawHost(p, area, HostResting, m);
  }

  void paintAmount(QImage& canvas, qreal t) {
    const qreal k = (t - kAmountFrom) / kAmountFlight;
    if (k <= 0) return;
    const qreal grow = mix(0.15, 1.0, easeOutBack(k));
    const QPointF c = m_amount.boundingRect().center();
    QTransform zoom;
    zoom.translate(c.x(), c.y());
    zoom.scale(grow, grow);
    zoom.translate(-c.x(), -c.y());
    TextLook look = goldLook();
    look.glowRadius = 12;
    // The glow breathes, and a glint crosses the gold every three seconds.
    look.glowStrength = 0.9 + 0.25 * std::sin(2 * std::numbers::pi * 0.5 * t) +
                        1.2 * window(t, kAmountFrom + kAmountFlight, 1.2, 0.4);
    const qreal sweep = std::fmod(t - 1.6, 3.0);
    paintGlowText(canvas, zoom.map(m_amount), look, ramp(k, 0, 0.3),
                  t > 1.6 && sweep < 1.0 ? sweep : -1);
  }

  void paintCongrats(QImage& canvas, qreal t) {
    QPainterPath settled;  // letters at full strength share one glow, which is cheaper
    for (std::size_t i = 0; i < m_letters.size(); ++i) {
      const qreal k = (t - kLettersFrom - kLetterGap * static_cast<qreal>(i)) / kLetterPop;
      if (k <= 0) continue;
      // Each letter pops up from its baseline and wobbles a little as it settles.
      const QRectF b = m_letters[i].boundingRect();
      const qreal grow = easeOutBack(k);
      const qreal bob = 3 * std::sin(2 * std::numbers::pi * 0.8 * t + 0.6 * i) * ramp(k, 1, 2);
      QTransform pop;
      pop.translate(b.center().x(), b.bottom() + bob);
      pop.scale(grow, grow);
      pop.translate(-b.center().x(), -b.bottom());
      if (k >= 0.3)
        settled.addPath(pop.map(m_letters[i]));
      else
        paintGlowText(canvas, pop.map(m_letters[i]), ivoryLook(), ramp(k, 0, 0.3));
    }
    if (!settled.isEmpty()) paintGlowText(canvas, settled, ivoryLook());
  }

  Fireworks m_fireworks;
  Confetti m_confetti;
  QImage m_wall;
  QPainterPath m_amount;
  std::vector<QPainterPath> m_letters;
  std::vector<Twinkle> m_twinkles;
};

}  // namespace

std::unique_ptr<MovieScript> makeMillion() { return std::make_unique<Million>(); }

}  // namespace movies
