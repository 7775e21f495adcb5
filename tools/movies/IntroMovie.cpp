// FILE2, 782 x 415, 235 frames: the opening of the game. The stage lights sweep on, the
// title lands letter by letter, Tolmir walks in and waves, the money ladder lights up
// from 100 $ to the million and the last 30 frames hold the title card.
#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "Effects.h"
#include "Host.h"
#include "Ladder.h"
#include "Logo.h"
#include "Motion.h"
#include "Movie.h"
#include "Painting.h"
#include "Palette.h"
#include "Stage.h"

namespace movies {

namespace {

using namespace picgen;

constexpr QRectF kTitle{24, 10, 496, 96};
constexpr QRectF kLadder{556, 22, 208, 372};
constexpr QRectF kLadderPanel{546, 12, 228, 392};
constexpr qreal kHorizon = 352;
constexpr qreal kHostX = 262;  // where he stops
constexpr qreal kHostSize = 262;
constexpr int kCardFrame = 205;  // from here on the title card is held

// Seconds into the movie.
constexpr qreal kLettersFrom = 1.9, kLetterGap = 0.2, kLetterFlight = 0.55;
constexpr qreal kWalkFrom = 4.2, kWalkTo = 6.8;
constexpr qreal kWaveFrom = 6.9, kWaveTo = 9.3;
constexpr qreal kLadderFrom = 10.2, kStepGap = 0.33;
constexpr qreal kFlashFrom = 16.0, kFlashPeak = 16.6, kFlashTo = 17.1;

class Intro : public MovieScript {
 public:
  Intro() : m_motes(2024, QRectF(0, 0, 782, kHorizon), 26) {
    m_wall = QImage(782, 415, QImage::Format_ARGB32_Premultiplied);
    m_wall.fill(Qt::black);
    paintBackdrop(m_wall, kHorizon, {kHostX + 60, kHorizon - 60});
    Honeycomb wall;
    wall.area = QRectF(0, 0, 782, kHorizon - 4);
    wall.cellRadius = 28;
    wall.light = {kHostX + 80, kHorizon - 60};
    wall.lightReach = {460, 260};
    wall.outlineAlpha = 75;
    wall.litShare = 0.13;
    wall.seed = 41;
    paintHoneycomb(m_wall, wall);
    paintFloorReflection(m_wall, kHorizon, 60, 0.3);
    paintHorizonLine(m_wall, kHorizon, 391, 420);
    paintFloorRings(m_wall, {kHostX, 402}, 230, 0.12);
    // The set a little out of focus: the eye stays on the front, and the movie stays small.
    blur(m_wall, 1);
    splitTitle();
  }

  void paint(QImage& canvas, int index) override {
    const qreal t = frameTime(index);
    if (index >= kCardFrame || t >= kFlashPeak) {
      paintCard(canvas);
      QPainter p(&canvas);
      m_motes.paint(p, t);
    } else {
      paintStage(canvas, t);
      {
        QPainter p(&canvas);
        m_motes.paint(p, t, ramp(t, -0.5, 1.5));
      }
      paintLadder(canvas, t);
      paintHostOnStage(canvas, t);
      paintTitle(canvas, t);
    }
    // The cut to the title card hides behind a burst of warm light.
    const qreal flash = ramp(t, kFlashFrom, kFlashPeak) * (1 - ramp(t, kFlashPeak, kFlashTo));
    if (flash > 0 && index < kCardFrame) {
      QPainter p(&canvas);
      p.setCompositionMode(QPainter::CompositionMode_Plus);
      p.fillRect(canvas.rect(), withAlpha(QColor(255, 214, 150), static_cast<int>(215 * flash)));
    }
  }

 private:
  // The title as separate letters laid out exactly as the whole word would be.
  void splitTitle() {
    const QFont font = pixelFont(palette::serifFamily, 96, QFont::Bold, 6);
    m_letters =
        letterPaths(font, QStringLiteral("FORTUNIAK"),
                    QRectF(kTitle.left(), kTitle.top(), kTitle.width(), kTitle.height() * 0.78));
    for (const QPainterPath& letter : m_letters) m_word.addPath(letter);
  }

  void paintStage(QImage& canvas, qreal t) {
    {
      QPainter p(&canvas);
      p.setOpacity(mix(0.3, 1.0, ramp(t, 0.2, 2.4)));
      p.drawImage(0, 0, m_wall);
    }
    // Four lights come on one after another and swing into place.
    static constexpr std::array<std::array<qreal, 4>, 4> kBeams{{
        // source x, final target x, swing from, width
        {{80, 330, -200, 190}},
        {{700, 420, 1000, 190}},
        {{260, 120, 520, 150}},
        {{520, 660, 300, 160}},
    }};
    std::vector<Beam> beams;
    for (std::size_t i = 0; i < kBeams.size(); ++i) {
      const qreal start = 0.35 * static_cast<qreal>(i) - 0.25;
      const qreal k = easeOutCubic((t - start) / 1.3);
      if (t < start) continue;
      const auto& b = kBeams[i];
      beams.push_back(Beam{{b[0], -20},
                           {mix(b[2], b[1], k), 440},
                           12,
                           b[3],
                           palette::beam,
                           0.3 * ramp(t, start, start + 0.4)});
    }
    // And one follows the host.
    const qreal x = hostX(t);
    if (t > kWalkFrom - 0.5)
      beams.push_back(Beam{{x, -30},
                           {x, 440},
                           16,
                           230,
                           palette::beam,
                           0.22 * ramp(t, kWalkFrom - 0.5, kWalkFrom + 0.3)});
    if (!beams.empty()) spotlights(canvas, beams, 8);
  }

  static qreal hostX(qreal t) {
    const qreal k = clamp01((t - kWalkFrom) / (kWalkTo - kWalkFrom));
    // Steady strides that slow down for the last metre.
    const qreal eased = k < 0.7 ? k / 0.7 * 0.82 : 0.82 + 0.18 * easeOutCubic((k - 0.7) / 0.3);
    return mix(-135, kHostX, eased);
  }

  void paintHostOnStage(QImage& canvas, qreal t) {
    if (t < kWalkFrom) return;
    HostMotion m = hostMotion(HostResting, t);
    const bool walking = t < kWalkTo;
    const qreal stride = walking ? std::abs(std::sin(std::numbers::pi * 2.2 * (t - kWalkFrom))) : 0;
    m.lean = walking ? 2.5 * (1 - ramp(t, kWalkTo - 0.4, kWalkTo)) : 0;
    m.wave = ramp(t, kWaveFrom, kWaveFrom + 0.4) * (1 - ramp(t, kWaveTo - 0.4, kWaveTo));
    m.wavePhase = 2 * std::numbers::pi * 1.7 * (t - kWaveFrom);
    if (t > kWaveFrom + 0.3 && t < kWaveTo - 0.6)
      m.talk = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * 3.1 * t);
    int pose = HostResting;
    // Turns to the ladder while it lights up, and cheers when it reaches the million.
    const qreal million = kLadderFrom + kLadderSteps * kStepGap;
    if (t < million) {
      m.towards = HostPresenting;
      m.blend = ramp(t, kLadderFrom - 0.6, kLadderFrom);
    } else {
      pose = HostPresenting;
      m.towards = HostDelighted;
      m.blend = ramp(t, million, million + 0.35);
      m.cheer = std::sin(2 * std::numbers::pi * 1.3 * (t - million));
    }
    const QRectF area(hostX(t) - kHostSize / 2, 415 - kHostSize + 2 - 5 * stride, kHostSize,
                      kHostSize);
    QPainter p(&canvas);
    drawHost(p, area, pose, m);
  }

  void paintLadder(QImage& canvas, qreal t) {
    const qreal appear = ramp(t, kLadderFrom - 0.9, kLadderFrom - 0.2);
    if (appear <= 0) return;
    QImage panel = canvas.copy();
    paintGlassPanel(panel, kLadderPanel, 10, 0.8);
    {
      QPainter p(&canvas);
      p.setOpacity(appear);
      p.drawImage(0, 0, panel);
    }
    const qreal lit = std::max(0.0, (t - kLadderFrom) / kStepGap);
    paintMoneyLadder(canvas, kLadder, std::min<qreal>(lit, kLadderSteps), appear);
    // The million step gets a twinkle of its own.
    const qreal top = lit - (kLadderSteps - 1);
    if (top > 0) {
      QPainter p(&canvas);
      const QPointF corner(kLadder.right() - 8, kLadder.top() + 4);
      paintSparkle(p, corner, 14 * window(top, 0.1, 2.5, 0.4), palette::amber);
      paintSparkle(p, QPointF(kLadder.left() + 12, kLadder.top() + 20),
                   10 * window(top, 0.5, 2.2, 0.4), palette::ivory);
    }
  }

  void paintTitle(QImage& canvas, qreal t) {
    const qreal last = kLettersFrom + kLetterGap * static_cast<qreal>(m_letters.size() - 1);
    if (t >= last + 0.3) {
      // Landed: one word, with a glint crossing it now and then.
      qreal shine = -1;
      if (t > 5.0 && t < 6.0) shine = t - 5.0;
      if (t > 12.5 && t < 13.5) shine = t - 12.5;
      paintGlowText(canvas, m_word, ivoryLook(), 1, shine);
    } else {
      for (std::size_t i = 0; i < m_letters.size(); ++i) {
        const qreal land = kLettersFrom + kLetterGap * static_cast<qreal>(i);
        const qreal k = (t - (land - kLetterFlight)) / kLetterFlight;
        if (k <= 0) continue;
        const qreal e = easeOutCubic(k);
        const QPointF c = m_letters[i].boundingRect().center();
        QTransform fly;
        fly.translate(c.x(), c.y() - (1 - e) * 110);
        fly.scale(mix(2.4, 1, e), mix(2.4, 1, e));
        fly.translate(-c.x(), -c.y());
        TextLook look = ivoryLook();
        look.glowStrength *= 1 + 2.5 * window(t, land, land + 0.05, 0.2);
        paintGlowText(canvas, fly.map(m_letters[i]), look, ramp(k, 0, 0.45));
      }
    }
    // The ornament line draws out from the middle once the word is complete.
    const qreal grow = easeOutCubic((t - last) / 0.8);
    if (grow > 0) {
      const QRectF b = m_word.boundingRect();
      const qreal y = b.bottom() + 9;
      const qreal half = (b.width() / 2 + 10) * grow;
      QPainterPath line;
      line.moveTo(b.center().x() - half, y);
      line.lineTo(b.center().x() + half, y);
      glowStroke(canvas, line, {palette::orange, 1.2, 3, 0.7, {}});
      QPainter p(&canvas);
      paintSparkle(p, QPointF(b.center().x(), y), 9 * grow, palette::amber);
    }
  }

  void paintCard(QImage& canvas) {
    if (m_card.isNull()) {
      m_card = m_wall.copy();
      const std::array beams{
          Beam{{120, -20}, {330, 440}, 14, 200, palette::beam, 0.3},
          Beam{{660, -20}, {450, 440}, 14, 200, palette::beam, 0.3},
      };
      spotlights(m_card, beams, 10);
      const QRectF logo(121, 96, 540, 132);
      paintRays(m_card, logo.center(), 30, 460, palette::lightBlue, 0.5, 9);
      QPainterPath backlight;
      backlight.addEllipse(logo.center(), logo.width() * 0.55, logo.height() * 0.6);
      halo(m_card, backlight, palette::steelNavy, 0, 26, 1.0, true);
      paintTitleLogo(m_card, logo);
      const QFont font = pixelFont(palette::sansFamily, 26, QFont::Bold, 4);
      const QPainterPath tagline =
          textPath(font, QStringLiteral("ZAGRAJ O 1 MILION $"), QRectF(221, 252, 340, 30));
      paintGlowText(m_card, tagline, goldLook());
      QPainter p(&m_card);
      paintSparkle(p, QPointF(logo.right() - 16, logo.top() + 22), 16, palette::ivory);
      paintSparkle(p, QPointF(logo.left() + 30, logo.bottom() - 30), 11, palette::amber);
    }
    QPainter p(&canvas);
    p.drawImage(0, 0, m_card);
  }

  Motes m_motes;
  QImage m_wall;
  QImage m_card;
  std::vector<QPainterPath> m_letters;
  QPainterPath m_word;
};

}  // namespace

std::unique_ptr<MovieScript> makeIntro() { return std::make_unique<Intro>(); }

}  // namespace movies
