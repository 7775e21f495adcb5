#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The colours and fonts the screens share. Positions and sizes stay with each screen's own
// layout table.
namespace theme {

inline const QColor Orange(0xFF, 0x80, 0x00);       // titles, captions, the lit ladder row
inline const QColor Ivory(0xFF, 0xFF, 0xEB);        // the guaranteed steps, quiet texts
inline const QColor LightOrange(0xFF, 0xA3, 0x46);  // an answer chosen once
inline const QColor Green(0x00, 0xE8, 0x00);        // the correct answer
inline const QColor Banner(0xFF, 0x9A, 0x35);       // the amount won
inline const QColor Red(0xFF, 0x00, 0x00);          // what is missing or wrong
inline const QColor PanelBlue(30, 111, 217);        // frames of the panels

// A font by family, pixel size and weight.
inline QFont font(const char* family, int pixelSize, bool bold = false) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

inline QFont menuFont() { return font("Times New Roman", 16); }  // menu entries
inline QFont panelFont() { return font("Arial", 13, true); }     // panel captions

}  // namespace theme
