#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <array>

// The lifelines' pictures: where their panels put the controls the pictures must fit
// around, in picture pixels, and the pieces the buttons and panels share.
namespace picgen::lifelines {

// imgTelBG inside pnTel: the two friends' names (black text) and their "i" buttons, which
// have no caption, so the picture draws them.
inline constexpr std::array kFriendNames{QRectF{11, 36, 225, 24}, QRectF{11, 64, 225, 24}};
inline constexpr std::array kFriendInfo{QRectF{239, 35, 26, 25}, QRectF{239, 64, 26, 25}};

// imgTInfoBG, the size of pnTInfo: five lines of black text and a clickable area without a
// caption that closes the panel.
inline constexpr QRectF kInfoText{9, 8, 235, 104};
inline constexpr QRectF kInfoClose{85, 116, 84, 26};

// imgWykres lies at (2, 2) in pnPubl; the bars, percentages and close button are the
// panel's, so their places here are 2 pixels up and left of the panel's numbers.
inline constexpr QPointF kChartOrigin{2, 2};
inline constexpr qreal kBarWidth = 21;
inline constexpr qreal kBarTop = 22 - kChartOrigin.y();    // a 100 % bar's top
inline constexpr qreal kBarFoot = 137 - kChartOrigin.y();  // first row under every bar
inline constexpr std::array kBarLeft{17 - kChartOrigin.x(), 49 - kChartOrigin.x(),
                                     83 - kChartOrigin.x(), 115 - kChartOrigin.x()};
inline constexpr std::array kPercentLabels{QRectF{12, 8, 31, 15}.translated(-kChartOrigin),
                                           QRectF{44, 8, 31, 15}.translated(-kChartOrigin),
                                           QRectF{78, 8, 31, 15}.translated(-kChartOrigin),
                                           QRectF{110, 8, 31, 15}.translated(-kChartOrigin)};
inline constexpr QRectF kChartClose = QRectF{138, 144, 12, 12}.translated(-kChartOrigin);

// Icons of the three lifelines, filled shapes fitted into `box`.
QPainterPath phoneIcon(const QRectF& box);
QPainterPath audienceIcon(const QRectF& box);
QPainterPath fiftyFiftyIcon(const QRectF& box);

// An icon lit like the show's diamond: ivory to orange, with an orange glow around it;
// `weight` thickens thin shapes such as small letters.
void paintLitIcon(QImage& canvas, const QPainterPath& icon, int glowRadius, qreal glow,
                  qreal weight = 0);

// The frame of a lifeline panel: dark glass, a blue neon edge and (if asked) orange brackets
// on the upper corners.
void paintPanelFrame(QImage& canvas, bool withBrackets = true);

// A lit plate that the game writes black text on, in the orange of the host's speech strip.
void paintTextPlate(QImage& canvas, const QPainterPath& plate);

// A small glossy navy button with a blue rim and an ivory caption (none if empty), for
// controls that have no caption of their own.
void paintCaptionButton(QImage& canvas, const QPainterPath& shape, const QPainterPath& caption);

}  // namespace picgen::lifelines
