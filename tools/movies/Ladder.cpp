#include "Ladder.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>

#include "Motion.h"
#include "Painting.h"
#include "Palette.h"

namespace movies {

using picgen::withAlpha;
namespace palette = picgen::palette;

namespace {

// A bar with a hexagon's point at either end, like the menu buttons.
QPainterPath stepShape(const QRectF& r) {
  const qreal slant = r.height() / 2 / 1.732;
  QPainterPath bar;
  bar.moveTo(r.left() + slant, r.top());
  bar.lineTo(r.right() - slant, r.top());
  bar.lineTo(r.right(), r.center().y());
  bar.lineTo(r.right() - slant, r.bottom());
  bar.lineTo(r.left() + slant, r.bottom());
  bar.lineTo(r.left(), r.center().y());
  bar.closeSubpath();
  return bar;
}

QPainterPath diamond(QPointF c, qreal r) {
  QPainterPath d;
  d.moveTo(c + QPointF(0, -r));
  d.lineTo(c + QPointF(r, 0));
  d.lineTo(c + QPointF(0, r));
  d.lineTo(c + QPointF(-r, 0));
  d.closeSubpath();
  return d;
}

}  // namespace

QString ladderAmount(int step) {
  static const std::array<const char*, kLadderSteps> amounts{
      "100 $",    "200 $",     "300 $",     "500 $",     "1 000 $",
      "2 000 $",  "4 000 $",   "8 000 $",   "16 000 $",  "32 000 $",
      "64 000 $", "125 000 $", "250 000 $", "500 000 $", "1 MILION $"};
  return QString::fromUtf8(
      amounts[static_cast<std::size_t>(std::clamp(step, 1, kLadderSteps) - 1)]);
}

bool isGuaranteed(int step) { return step == 5 || step == 10; }

void paintMoneyLadder(QImage& canvas, const QRectF& area, qreal lit, qreal opacity) {
  if (opacity <= 0.003) return;
  const qreal rowHeight = area.height() / kLadderSteps;
  const QFont font = picgen::pixelFont(palette::sansFamily, 14, QFont::Bold);
  QImage layer = picgen::makeLayer(canvas.size());
  QImage glow = picgen::makeLayer(canvas.size());
  for (int step = 1; step <= kLadderSteps; ++step) {
    const QRectF row(area.left(), area.bottom() - step * rowHeight + 2, area.width(),
                     rowHeight - 4);
    const qreal level = clamp01(lit - (step - 1));
    const qreal on = ramp(level, 0, 0.3);
    const qreal flash = level > 0 && level < 1 ? 1 - level : 0;
    const bool top = step == kLadderSteps;
    const QColor accent = isGuaranteed(step) ? palette::ivory
                          : top              ? palette::amber
                                             : palette::orange;
    const QPainterPath bar = stepShape(row);
    if (on > 0) picgen::halo(glow, bar, accent, 2, top ? 7 : 4, (0.35 + 1.4 * flash) * on, true);

    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, row.top(), 0, row.bottom());
    const QColor warm = isGuaranteed(step) ? QColor(70, 68, 56) : QColor(52, 24, 2);
    face.setColorAt(0.0, withAlpha(warm, static_cast<int>(40 + 200 * on)));
    face.setColorAt(1.0, withAlpha(palette::night, 235));
    p.setPen(
        QPen(withAlpha(on > 0 ? accent : palette::blue, static_cast<int>(70 + 150 * on)), 1.0));
    p.setBrush(face);
    p.drawPath(bar);

    const QColor dim = isGuaranteed(step) ? QColor(150, 150, 140) : QColor(96, 118, 160);
    const QColor ink =
        on > 0 ? (isGuaranteed(step) || top ? palette::ivory : palette::orange) : dim;
    p.setFont(font);
    p.setPen(withAlpha(on > 0 ? ink : dim, 255));
    const QRectF number(row.left() + 8, row.top(), 26, row.height());
    p.drawText(number, Qt::AlignRight | Qt::AlignVCenter, QString::number(step));
    p.setPen(Qt::NoPen);
    p.setBrush(on > 0 ? accent : withAlpha(palette::blue, 150));
    p.drawPath(diamond(QPointF(row.left() + 44, row.center().y()), 3.5));
    p.setPen(on > 0 ? ink : dim);
    p.drawText(QRectF(row.left() + 54, row.top(), row.width() - 64, row.height()),
               Qt::AlignLeft | Qt::AlignVCenter, ladderAmount(step));
  }
  picgen::composite(canvas, glow, opacity);
  picgen::composite(canvas, layer, opacity, QPainter::CompositionMode_SourceOver);
}

}  // namespace movies
