#pragma once

// Maps the font families the screens name onto the fonts installed with the game, for the
// families fontconfig has no metric-compatible alias for.
void installGameFonts();
