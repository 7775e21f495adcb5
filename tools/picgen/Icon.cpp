// fortuniak_icon OUTPUT_DIR NAME
// Draws the desktop icon, the "F" of the title on a lit hexagon, at every size of the hicolor
// theme: OUTPUT_DIR/<size>x<size>/apps/NAME.png, transparent around the hexagon.
#include <QDir>
#include <QGuiApplication>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Painting.h"
#include "Palette.h"

namespace {

using namespace picgen;

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
constexpr qreal kDesign = 256;  // the icon is laid out in 256 units and scaled to each size

// The serif "F" of the title as plain shapes: no font is needed and every size gets the same
// letter.
QPainterPath letterF() {
  QPainterPath f;
  f.setFillRule(Qt::WindingFill);
  f.addRect(QRectF(88, 60, 34, 134));   // stem
  f.addRect(QRectF(74, 60, 108, 30));   // top bar with its left serif
  f.addRect(QRectF(166, 60, 16, 46));   // serif under the top bar's end
  f.addRect(QRectF(88, 116, 72, 26));   // middle bar
  f.addRect(QRectF(150, 106, 10, 46));  // its serif
  f.addRect(QRectF(72, 180, 66, 14));   // foot
  return f.simplified().translated(-(74 + 182) / 2.0 + kDesign / 2, 0);
}

QImage drawIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  const qreal s = size / kDesign;
  const QTransform scale = QTransform::fromScale(s, s);
  const bool small = size <= 32;  // too few pixels for glows: flat shapes and crisp edges
  const auto px = [s](qreal units) {
    return std::max(1, static_cast<int>(std::lround(units * s)));
  };

  const QPointF centre(kDesign / 2, kDesign / 2);
  const QPainterPath outer = scale.map(hexagon(centre, small ? 126 : 114, HexTop::Pointy));
  const QPainterPath inner = scale.map(hexagon(centre, 100, HexTop::Pointy));
  const QPainterPath letter = scale.map(letterF());
  const QRectF letterBounds = letter.boundingRect();

  {
    // The stage behind the letter: deep navy lit from above.
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient light(QPointF(size * 0.5, size * 0.3), size * 0.75);
    light.setColorAt(0.0, palette::steelNavy);
    light.setColorAt(0.6, palette::navy);
    light.setColorAt(1.0, palette::deepNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPath(outer);
  }
  if (small) {
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::blue, size <= 16 ? 1.0 : 1.5));
    p.drawPath(outer);
  } else {
    glowStroke(icon, outer,
               Glow{palette::blue, 5.0 * s, px(7), 0.9, withAlpha(palette::lightBlue, 220)});
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(withAlpha(palette::blue, 110), std::max(1.0, 1.5 * s)));
    p.drawPath(inner);
  }

  // Lit from behind like the title: an orange haze, a dark shadow, an orange rim.
  if (!small) halo(icon, letter, palette::orange, 8 * s, px(10), 0.7, true);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  if (!small) {
    p.setPen(QPen(QColor(40, 14, 0), 5 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letter.translated(0, 3 * s));
  }
  p.setPen(QPen(palette::orange, small ? 1.0 : 5 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(letter);
  fillGlossy(p, letter, letterBounds,
             {{0.0, palette::ivory},
              {0.48, palette::ivory},
              {0.52, QColor(246, 236, 205)},
              {1.0, QColor(236, 214, 168)}},
             small ? 0 : 140);
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  // No display is needed, and a real screen must not change the scaling.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "usage: fortuniak_icon OUTPUT_DIR NAME\n");
    return 2;
  }
  for (int size : kSizes) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
    const QString path = dir + u'/' + args[2] + QStringLiteral(".png");
    if (!QDir().mkpath(dir) || !drawIcon(size).save(path, "PNG")) {
      std::fprintf(stderr, "fortuniak_icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
