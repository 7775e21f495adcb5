#include "ui/Fonts.h"

#include <QFont>

void installGameFonts() {
  // Times New Roman, Arial and Comic Sans MS reach Liberation Serif, Liberation Sans and
  // Comic Neue through fontconfig's own aliases.
  QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"));
  // The banner's display face: a wide, heavy geometric sans that reads well in large digits.
  QFont::insertSubstitution(QStringLiteral("Serpentine"), QStringLiteral("League Spartan"));
}
