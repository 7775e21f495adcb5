#pragma once

#include <QFont>
#include <QString>

// The screens name characters of the Wingdings and Webdings symbol fonts; these give the same
// pictures as Unicode characters of a font installed with the game.
struct SymbolGlyph {
  QString text;
  QFont font;
};

// `symbolFont` is "Wingdings" or "Webdings", `code` the character as the screens name it.
// An unknown character is shown as it stands.
SymbolGlyph symbolGlyph(const QString& symbolFont, QChar code, int pixelSize);
