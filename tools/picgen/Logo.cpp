#include "Logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "Painting.h"
#include "Palette.h"

namespace picgen {

namespace {

// A hairline fading out at both ends with a diamond in the middle and small hexagons
// at the tips, the one ornament the title carries.
void paintOrnament(QImage& canvas, qreal y, qreal left, qreal right) {
  const qreal mid = (left + right) / 2;
  QPainterPath line;
  line.moveTo(left, y);
  line.lineTo(mid - 14, y);
  line.moveTo(mid + 14, y);
  line.lineTo(right, y);
  QLinearGradient along(left, 0, right, 0);
  along.setColorAt(0.0, withAlpha(palette::orange, 0));
  along.setColorAt(0.3, withAlpha(palette::orange, 230));
  along.setColorAt(0.7, withAlpha(palette::orange, 230));
  along.setColorAt(1.0, withAlpha(palette::orange, 0));
  halo(canvas, line, palette::orange, 3, 3, 0.5);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QBrush(along), 1.2));
    p.drawPath(line);
  }

  QPainterPath diamond;
  diamond.moveTo(mid, y - 6);
  diamond.lineTo(mid + 7, y);
  diamond.lineTo(mid, y + 6);
  diamond.lineTo(mid - 7, y);
  diamond.closeSubpath();
  halo(canvas, diamond, palette::orange, 2, 4, 0.9, true);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient lit(mid, y - 6, mid, y + 6);
  lit.setColorAt(0.0, palette::ivory);
  lit.setColorAt(0.45, palette::amber);
  lit.setColorAt(1.0, palette::orange);
  p.setPen(Qt::NoPen);
  p.setBrush(lit);
  p.drawPath(diamond);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(palette::amber, 200), 1.0));
  for (qreal x : {left + (right - left) * 0.2, right - (right - left) * 0.2})
    p.drawPath(hexagon(QPointF(x, y), 3.5, HexTop::Pointy));
}

}  // namespace

void paintTitleLogo(QImage& canvas, const QRectF& box) {
  const QFont font = pixelFont(palette::serifFamily, 96, QFont::Bold, 6);
  const QRectF lettersBox(box.left(), box.top(), box.width(), box.height() * 0.78);
  const QPainterPath letters = fittedText(font, QStringLiteral("FORTUNIAK"), lettersBox);
  const QRectF bounds = letters.boundingRect();

  // Wide warm haze first, then a tight orange rim: reads as lit from behind.
  halo(canvas, letters, palette::orange, 10, 12, 0.55, true);
  halo(canvas, letters, palette::orange, 4, 3, 0.9, true);
  {
    // A dark drop shadow keeps the rim crisp against its own haze.
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 14, 0), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letters.translated(0, 2));
    p.setPen(QPen(palette::orange, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letters);

    // Ivory letters with a gloss on their upper half.
    fillGlossy(p, letters, bounds,
               {{0.0, palette::ivory},
                {0.48, palette::ivory},
                {0.52, QColor(246, 236, 205)},
                {1.0, QColor(236, 214, 168)}},
               140);
  }

  const qreal ornamentY =
      std::min(box.bottom() - 6, bounds.bottom() + (box.bottom() - bounds.bottom()) / 2);
  paintOrnament(canvas, ornamentY, bounds.left() - 10, bounds.right() + 10);
}

}  // namespace picgen
