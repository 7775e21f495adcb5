#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

// The money ladder of the show: fifteen steps from 100 $ to 1 MILION $, steps 5 and 10
// guaranteed.
namespace movies {

inline constexpr int kLadderSteps = 15;

QString ladderAmount(int step);  // step 1 .. 15
bool isGuaranteed(int step);

// Steps below `lit` are lit, counted from the bottom; the fractional part is the step
// lighting up right now, which flashes. `opacity` fades the whole ladder.
void paintMoneyLadder(QImage& canvas, const QRectF& area, qreal lit, qreal opacity = 1);

}  // namespace movies
