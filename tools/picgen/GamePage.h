#pragma once

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <array>
#include <cstddef>

// Where the game page puts the controls that its pictures must fit around, in page pixels,
// and the set pieces that more than one of its pictures shows.
namespace picgen::gamepage {

inline constexpr QRectF kHost{78, 9, 442, 259};            // imgTolmir
inline constexpr QRectF kLadder{611, 23, 179, 372};        // imgRight, painted black by the game
inline constexpr QRectF kFrame{-8, 252, 610, 163};         // imgRamka
inline constexpr QRectF kQuestion{52, 269, 501, 50};       // lblPyt
inline constexpr QRectF kBanner{0, 174, 613, 89};          // imgWin, where the game places it
inline constexpr QRectF kBannerAmount{130, 184, 348, 70};  // lblWin

// An answer box and the hexagon the game fills inside it, in box pixels.
struct AnswerBox {
  QRectF box;
  std::array<QPointF, 6> hexagon;
};

inline constexpr std::array kAnswerBoxes{
    AnswerBox{{44, 335, 244, 32}, {{{0, 14}, {10, 1}, {232, 0}, {243, 14}, {232, 30}, {11, 30}}}},
    AnswerBox{{316, 333, 244, 34}, {{{0, 15}, {11, 2}, {232, 2}, {243, 15}, {231, 31}, {11, 31}}}},
    AnswerBox{{43, 375, 245, 34}, {{{1, 15}, {12, 2}, {235, 2}, {244, 16}, {234, 30}, {12, 31}}}},
    AnswerBox{{311, 376, 250, 32}, {{{4, 14}, {17, 1}, {237, 1}, {248, 14}, {236, 30}, {18, 30}}}},
};

// The filled hexagon of answer `index` (0 = A) in the coordinates of a picture placed at
// `pictureOrigin` on the page.
inline QPolygonF answerHexagon(std::size_t index, QPointF pictureOrigin) {
  const AnswerBox& answer = kAnswerBoxes[index];
  QPolygonF polygon;
  for (const QPointF& vertex : answer.hexagon)
    polygon << answer.box.topLeft() + vertex - pictureOrigin;
  return polygon;
}

// A hexagon lying on its side inside `bounds`, pointed at the left and right, its sides
// slanting like those of the answer boxes. Corners from the left point, clockwise.
QPolygonF lyingHexagon(const QRectF& bounds);

// The dark column at the right edge that holds the ladder and the resignation button,
// painted on a picture placed at `pictureOrigin`: the banner, which covers the column's
// edge when shown, carries its own piece of it so the edge runs on unbroken.
void paintLadderColumn(QImage& canvas, QPointF pictureOrigin);

}  // namespace picgen::gamepage
