#include "ui/Fonts.h"

#include <QFont>

void installGameFonts() {
  // Times New Roman, Arial and Comic Sans MS reach Liberation Serif, Liberation Sans and
  // Comic Neue through fontconfig's own aliases.
  QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Serpentine"), QStringLiteral("DejaVu Sans Condensed"));
}
