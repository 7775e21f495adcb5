#include "InfoPages.h"

#include <QPainter>
#include <QStringList>
#include <array>
#include <numbers>

#include "Host.h"
#include "Ladder.h"
#include "Motion.h"
#include "Painting.h"
#include "Palette.h"

namespace movies {

namespace {

using namespace picgen;

constexpr qreal kLeft = 22;
constexpr qreal kTextLeft = 36;
constexpr qreal kTextWidth = 276;
constexpr qreal kTop = 62;
constexpr int kBodyPixels = 15;  // Liberation Sans Bold stays crisp from 13 px up

QFont bodyFont() { return pixelFont(palette::sansFamily, kBodyPixels, QFont::Bold); }
QFont smallFont() { return pixelFont(palette::sansFamily, 13, QFont::Bold); }

QPainterPath diamond(QPointF c, qreal r) {
  QPainterPath d;
  d.moveTo(c + QPointF(0, -r));
  d.lineTo(c + QPointF(r, 0));
  d.lineTo(c + QPointF(0, r));
  d.lineTo(c + QPointF(-r, 0));
  d.closeSubpath();
  return d;
}

// Bulleted, word-wrapped items from `y` down; returns where the next one would start.
qreal paintItems(QPainter& p, const QStringList& items, qreal y) {
  p.setFont(bodyFont());
  for (const QString& item : items) {
    const QRectF box(kTextLeft, y, kTextWidth, 200);
    const QRectF used = p.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, item);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::orange);
    p.drawPath(diamond(QPointF(kLeft + 4, y + kBodyPixels * 0.6), 4));
    p.setPen(palette::ivory);
    p.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, item);
    y += used.height() + 10;
  }
  return y;
}

// The ladder as a staircase of fifteen bars, the guaranteed ones in ivory.
void paintStairs(QPainter& p, qreal bottom) {
  const qreal left = 46;
  const qreal step = 16.2;
  for (int i = 1; i <= kLadderSteps; ++i) {
    const qreal height = 8 + (i - 1) * 2.6;
    const QRectF bar(left + (i - 1) * step, bottom - height, step - 4, height);
    const QColor colour = isGuaranteed(i)     ? palette::ivory
                          : i == kLadderSteps ? palette::amber
                                              : palette::orange;
    QLinearGradient lit(0, bar.top(), 0, bar.bottom());
    lit.setColorAt(0.0, colour);
    lit.setColorAt(1.0, colour.darker(isGuaranteed(i) ? 140 : 220));
    p.setPen(Qt::NoPen);
    p.setBrush(lit);
    p.drawRoundedRect(bar, 2, 2);
  }
  p.setFont(smallFont());
  p.setPen(palette::lightBlue);
  p.drawText(QRectF(left - 10, bottom + 4, 100, 18), Qt::AlignLeft | Qt::AlignTop, ladderAmount(1));
  p.drawText(QRectF(left + kLadderSteps * step - 124, bottom + 4, 120, 18),
             Qt::AlignRight | Qt::AlignTop, ladderAmount(kLadderSteps));
}

void paintBadge(QPainter& p, QPointF c, qreal r) {
  QRadialGradient face(c + QPointF(0, -r * 0.4), r * 1.3);
  face.setColorAt(0.0, palette::steelNavy);
  face.setColorAt(1.0, palette::deepNavy);
  p.setPen(QPen(palette::blue, 1.6));
  p.setBrush(face);
  p.drawPath(hexagon(c, r, HexTop::Pointy));
}

// The three lifelines as badges: half and half, the phone, the audience's votes.
void paintLifelines(QPainter& p, qreal y) {
  const std::array<qreal, 3> xs{84, 166, 248};
  const std::array<const char*, 3> labels{"pół na pół", "telefon", "publiczność"};
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const QPointF c(xs[i], y);
    paintBadge(p, c, 22);
    p.setPen(QPen(palette::ivory, 1));
    p.setBrush(palette::ivory);
    if (i == 0) {
      p.setFont(smallFont());
      p.drawText(QRectF(c.x() - 20, c.y() - 9, 40, 18), Qt::AlignCenter, QStringLiteral("50:50"));
    } else if (i == 1) {
      QPainterPath handle;
      handle.moveTo(c + QPointF(-8, -3));
      handle.cubicTo(c + QPointF(-5, -10), c + QPointF(5, -10), c + QPointF(8, -3));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(palette::ivory, 4.5, Qt::SolidLine, Qt::RoundCap));
      p.drawPath(handle);
      p.setPen(Qt::NoPen);
      p.setBrush(palette::orange);
      QPainterPath body;
      body.moveTo(c + QPointF(-7, 0));
      body.lineTo(c + QPointF(7, 0));
      body.lineTo(c + QPointF(11, 10));
      body.lineTo(c + QPointF(-11, 10));
      body.closeSubpath();
      p.drawPath(body);
      p.setBrush(palette::night);
      p.drawEllipse(c + QPointF(0, 5.5), 2.6, 2.6);
    } else {
      const std::array<qreal, 4> votes{0.45, 1.0, 0.3, 0.6};
      for (std::size_t v = 0; v < votes.size(); ++v) {
        const qreal h = 20 * votes[v];
        p.setPen(Qt::NoPen);
        p.setBrush(v == 1 ? palette::orange : palette::ivory);
        p.drawRect(QRectF(c.x() - 11 + v * 6, c.y() + 10 - h, 4.5, h));
      }
    }
    p.setFont(smallFont());
    p.setPen(palette::lightBlue);
    p.drawText(QRectF(c.x() - 45, y + 25, 90, 18), Qt::AlignHCenter | Qt::AlignTop,
               QString::fromUtf8(labels[i]));
  }
}

void paintCredits(QPainter& p, qreal y) {
  const std::array<std::pair<const char*, const char*>, 3> lines{{
      {"Gra:", "studio FORTUNIAK"},
      {"Prowadzący:", "Tolmir"},
      {"Wersja", "0.7.1.4 ßETA"},
  }};
  p.setFont(bodyFont());
  for (const auto& [label, value] : lines) {
    const QString key = QString::fromUtf8(label);
    p.setPen(palette::orange);
    const QRectF used = p.boundingRect(QRectF(kLeft, y, 300, 24), Qt::AlignLeft, key);
    p.drawText(QRectF(kLeft, y, 300, 24), Qt::AlignLeft, key);
    p.setPen(palette::ivory);
    p.drawText(QRectF(used.right() + 6, y, 300, 24), Qt::AlignLeft, QString::fromUtf8(value));
    y += 26;
  }
}

// Tolmir waving from a badge, only his head and shoulders above its lower edge.
void paintHostBadge(QPainter& p, qreal drop, qreal t) {
  const QPointF c(214, 198 + drop);
  const qreal r = 48;
  paintBadge(p, c, r);
  QPainterPath above;
  above.addRect(QRectF(c.x() - r * 1.6, c.y() - r * 1.8, r * 3.2, r * 2.3));
  p.save();
  p.setClipPath(hexagon(c, r - 1, HexTop::Pointy).united(above), Qt::IntersectClip);
  HostMotion m = hostMotion(HostResting, 0);
  m.wave = 1;
  m.wavePhase = 2 * std::numbers::pi * 1.5 * t;
  drawHost(p, QRectF(c.x() - 78, c.y() - 82, 156, 156), HostResting, m);
  p.restore();
}

}  // namespace

void paintInfoPage(QImage& canvas, int page, qreal opacity, qreal drop, qreal t) {
  QImage layer = makeLayer(canvas.size());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal top = kTop + drop;
    if (page == 0) {
      paintItems(p,
                 {QStringLiteral("Odpowiedz na 15 pytań i\u00A0wygraj 1\u00A0MILION\u00A0$."),
                  QStringLiteral("Poziomy 5\u00A0i\u00A010 są gwarantowane.")},
                 top);
      paintStairs(p, 228 + drop);
    } else if (page == 1) {
      const qreal next = paintItems(
          p,
          {QStringLiteral("Koła ratunkowe: pół na pół, telefon do przyjaciela, pytanie do "
                          "publiczności."),
           QStringLiteral("Możesz zrezygnować i\u00A0zabrać wygraną.")},
          top);
      paintLifelines(p, std::max(next + 26, 196 + drop));
    } else {
      paintCredits(p, top + 4);
      paintHostBadge(p, drop, t);
    }
  }
  composite(canvas, layer, opacity, QPainter::CompositionMode_SourceOver);
}

}  // namespace movies
