#include "ui/SymbolFonts.h"

namespace {

struct Mapping {
  const char* symbolFont;
  char16_t code;
  char32_t unicode;
};

// Only the characters the screens use.
constexpr Mapping kGlyphs[] = {
    {"Wingdings", u'u', U'\u25C6'},          // black diamond
    {"Wingdings", u'\u00AA', U'\u2726'},     // four-pointed star: the step won
    {"Wingdings", u'\u00FC', U'\u2714'},     // check mark
    {"Wingdings", u'\u201A', U'\u2461'},     // circled digit two
    {"Wingdings", u'7', U'\u2328'},          // keyboard
    {"Wingdings", u'B', U'\U0001F44C'},      // OK hand
    {"Wingdings", u'D', U'\U0001F44E'},      // thumbs down
    {"Webdings", u's', U'\u2753'},           // question mark: help
    {"Webdings", u'%', U'\U0001F3C6'},       // trophy: the best of the table
    {"Webdings", u'&', U'\U0001F3C5'},       // medal: a place on the list
    {"Webdings", u'\u017B', U'\U0001F50A'},  // speaker with sound waves
    {"Webdings", u'@', U'\U0001F6E0'},       // hammer and wrench
};

}  // namespace

SymbolGlyph symbolGlyph(const QString& symbolFont, QChar code, int pixelSize) {
  SymbolGlyph glyph;
  glyph.font = QFont(QStringLiteral("Symbola"));
  glyph.font.setPixelSize(pixelSize);
  glyph.text = QString(code);
  for (const Mapping& m : kGlyphs) {
    if (symbolFont.compare(QLatin1String(m.symbolFont), Qt::CaseInsensitive) == 0 &&
        code.unicode() == m.code) {
      const char32_t u = m.unicode;
      glyph.text = QString::fromUcs4(&u, 1);
      break;
    }
  }
  return glyph;
}
