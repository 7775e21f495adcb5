#include "Effects.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "Motion.h"
#include "Painting.h"
#include "Palette.h"

namespace movies {

using picgen::withAlpha;

namespace {

constexpr qreal kGravity = 70;     // pixels per second squared
constexpr qreal kRise = 0.7;       // seconds a rocket climbs
constexpr qreal kSparkLife = 1.7;  // seconds a spark glows after the burst
constexpr qreal kDrag = 1.6;       // sparks slow down in the air

// Where a spark is `age` seconds after the burst: drag on the speed, gravity on top.
QPointF sparkOffset(QPointF velocity, qreal age) {
  const qreal travelled = (1 - std::exp(-kDrag * age)) / kDrag;
  return velocity * travelled + QPointF(0, 0.5 * kGravity * age * age);
}

const std::array<QColor, 5>& burstColours() {
  static const std::array<QColor, 5> colours{picgen::palette::orange, picgen::palette::amber,
                                             picgen::palette::ivory, picgen::palette::lightBlue,
                                             QColor(255, 200, 90)};
  return colours;
}

}  // namespace

Fireworks::Fireworks(std::uint64_t seed, const QRectF& sky, int bursts, qreal from, qreal to) {
  Random random(seed);
  for (int i = 0; i < bursts; ++i) {
    Burst burst;
    // Evenly spread in time with some jitter, so the sky is never empty for long.
    burst.time = mix(from, to, (i + random.uniform(0.1, 0.9)) / bursts);
    burst.centre = {random.uniform(sky.left(), sky.right()),
                    random.uniform(sky.top(), sky.bottom())};
    burst.launch = {burst.centre.x() + random.uniform(-30, 30), sky.bottom() + sky.height()};
    burst.colour = burstColours()[static_cast<std::size_t>(random.below(5))];
    const int count = 40 + random.below(20);
    const qreal power = random.uniform(110, 170);
    for (int s = 0; s < count; ++s) {
      const qreal angle = (s + random.uniform(0, 0.6)) * 2 * std::numbers::pi / count;
      const qreal speed = power * random.uniform(0.75, 1.05);
      burst.sparks.push_back(
          {QPointF(std::cos(angle), std::sin(angle)) * speed, random.uniform(1.6, 2.8)});
    }
    m_bursts.push_back(std::move(burst));
  }
}

void Fireworks::paint(QImage& canvas, qreal t) const {
  QImage layer = picgen::makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const Burst& burst : m_bursts) {
      const qreal age = t - burst.time;
      if (age < -kRise || age > kSparkLife) continue;
      if (age < 0) {
        // The rocket: a short bright streak slowing down as it climbs.
        const qreal k = easeOutCubic(1 + age / kRise);
        const QPointF head = mix(burst.launch, burst.centre, k);
        const QPointF tail = mix(burst.launch, burst.centre, std::max(0.0, k - 0.12));
        QLinearGradient streak(tail, head);
        streak.setColorAt(0.0, withAlpha(burst.colour, 0));
        streak.setColorAt(1.0, withAlpha(picgen::palette::ivory, 230));
        p.setPen(QPen(QBrush(streak), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tail, head);
        continue;
      }
      const qreal fade = 1 - age / kSparkLife;
      const int alpha = static_cast<int>(255 * fade * fade);
      for (const Spark& spark : burst.sparks) {
        const QPointF now = burst.centre + sparkOffset(spark.velocity, age);
        const QPointF before =
            burst.centre + sparkOffset(spark.velocity, std::max(0.0, age - 0.12));
        // Sparks burn white first, then take their colour.
        const QColor hot = age < 0.15 ? picgen::palette::ivory : burst.colour;
        p.setPen(QPen(withAlpha(hot, alpha), spark.size, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(before, now);
      }
      if (age < 0.25) {
        const qreal flash = 1 - age / 0.25;
        QRadialGradient core(burst.centre, 40);
        core.setColorAt(0.0, withAlpha(picgen::palette::ivory, static_cast<int>(200 * flash)));
        core.setColorAt(1.0, withAlpha(burst.colour, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(core);
        p.drawEllipse(burst.centre, 40, 40);
      }
    }
  }
  QImage glow = layer;
  picgen::blur(glow, 4);
  picgen::composite(canvas, glow, 1.8);
  picgen::composite(canvas, layer);
}

Confetti::Confetti(std::uint64_t seed, const QRectF& area, int count, qreal spread) : m_area(area) {
  Random random(seed);
  static const std::array<QColor, 5> colours{picgen::palette::orange, picgen::palette::amber,
                                             picgen::palette::ivory, picgen::palette::lightBlue,
                                             picgen::palette::blue};
  for (int i = 0; i < count; ++i) {
    Piece piece;
    piece.start = random.uniform(0, spread);
    piece.x = random.uniform(area.left(), area.right());
    piece.speed = random.uniform(45, 95);
    piece.sway = random.uniform(6, 22);
    piece.swayRate = random.uniform(1.2, 2.6);
    piece.spin = random.uniform(3, 9) * (random.below(2) ? 1 : -1);
    piece.phase = random.uniform(0, 2 * std::numbers::pi);
    piece.size = {random.uniform(6, 11), random.uniform(3, 5)};
    piece.colour = colours[static_cast<std::size_t>(random.below(5))];
    m_pieces.push_back(piece);
  }
}

void Confetti::paint(QPainter& p, qreal t) const {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const qreal fall = m_area.height() + 40;
  for (const Piece& piece : m_pieces) {
    const qreal age = t - piece.start;
    if (age < 0) continue;
    // Once a piece leaves at the bottom it comes back at the top.
    const qreal y = m_area.top() - 20 + std::fmod(piece.speed * age, fall);
    const qreal x = piece.x + piece.sway * std::sin(piece.swayRate * age + piece.phase);
    const qreal turn = std::cos(piece.spin * age + piece.phase);  // the flutter
    p.save();
    p.translate(x, y);
    p.rotate(piece.phase * 57.3 + age * piece.spin * 20);
    p.scale(1, std::max(0.15, std::abs(turn)));
    // The back of a piece is darker than its front.
    p.setBrush(turn > 0 ? piece.colour : piece.colour.darker(150));
    p.drawRect(QRectF(-piece.size.width() / 2, -piece.size.height() / 2, piece.size.width(),
                      piece.size.height()));
    p.restore();
  }
  p.restore();
}

Motes::Motes(std::uint64_t seed, const QRectF& area, int count) : m_area(area) {
  Random random(seed);
  for (int i = 0; i < count; ++i)
    m_motes.push_back({QPointF(random.uniform(area.left(), area.right()),
                               random.uniform(area.top(), area.bottom())),
                       QPointF(random.uniform(-9, 9), random.uniform(-12, -3)),
                       random.uniform(1.2, 2.6), random.uniform(1.5, 3.5),
                       random.uniform(0, 2 * std::numbers::pi)});
}

void Motes::paint(QPainter& p, qreal t, qreal opacity) const {
  if (opacity <= 0.003) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.setPen(Qt::NoPen);
  auto wrap = [](qreal v, qreal low, qreal span) {
    return low + std::fmod(std::fmod(v - low, span) + span, span);
  };
  for (const Mote& mote : m_motes) {
    const QPointF at(wrap(mote.start.x() + mote.drift.x() * t, m_area.left(), m_area.width()),
                     wrap(mote.start.y() + mote.drift.y() * t, m_area.top(), m_area.height()));
    const qreal glow = opacity * (0.55 + 0.45 * std::sin(mote.rate * t + mote.phase));
    QRadialGradient dot(at, mote.size * 1.6);
    dot.setColorAt(0.0, withAlpha(picgen::palette::ivory, static_cast<int>(150 * glow)));
    dot.setColorAt(1.0, withAlpha(picgen::palette::beam, 0));
    p.setBrush(dot);
    p.drawEllipse(at, mote.size * 1.6, mote.size * 1.6);
  }
  p.restore();
}

}  // namespace movies
