#pragma once

#include <QImage>
#include <QRectF>

namespace picgen {

// The game's title "FORTUNIAK": ivory letters in an orange glow with a thin ornament
// underneath, fitted into `box` (letters in the upper four fifths, ornament below).
void paintTitleLogo(QImage& canvas, const QRectF& box);

}  // namespace picgen
