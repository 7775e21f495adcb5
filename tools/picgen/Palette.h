#pragma once

#include <QColor>

// The one palette of the game: a night-time stage in black and deep navy, lit by blue
// hexagon outlines, with orange and ivory for whatever must catch the eye.
namespace picgen::palette {

inline const QColor black{0, 0, 0};
inline const QColor night{2, 4, 11};      // darkest backdrop, behind menus and panels
inline const QColor deepNavy{5, 13, 34};  // back wall far from the lights
inline const QColor navy{10, 29, 68};     // lit back wall, button faces
inline const QColor steelNavy{18, 46, 102};
inline const QColor blue{30, 111, 217};  // hexagon outlines and neon edges
inline const QColor lightBlue{120, 185, 255};
inline const QColor beam{150, 190, 255};  // spotlight haze
inline const QColor orange{255, 128, 0};
inline const QColor amber{255, 176, 64};  // the lit side of orange shapes
inline const QColor ivory{255, 255, 235};

// Font families installed with the game's packages; picked by name, never by fallback.
inline constexpr const char* serifFamily = "Liberation Serif";
inline constexpr const char* sansFamily = "Liberation Sans";

}  // namespace picgen::palette
