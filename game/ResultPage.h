#pragma once

#include <QString>

class QFrame;
class QLineEdit;
class QWidget;
class SymbolLabel;
class TextLabel;

// The controls of the result page: the overall record holder, the amount won, the outcome,
// the game's duration, the trophy, and the panel that asks the anonymous player for a name.
// The page's background, way back to the menu and movie belong to the menu and the movies.
struct ResultPage {
  explicit ResultPage(QWidget* page);

  // "%" a trophy (the game is the best of its table), "&" a medal (a place on the list).
  void showTrophy(QChar glyph);
  // Sets the caption in the largest font size up to `largestPixelSize` that fits the label.
  static void fitText(TextLabel* label, const QString& caption, int largestPixelSize);

  TextLabel* lblLRec = nullptr;
  TextLabel* lblLPoz = nullptr;
  TextLabel* lblWonCashT = nullptr;
  TextLabel* lblWonCash = nullptr;
  TextLabel* lblStatus = nullptr;
  TextLabel* lblTime = nullptr;
  TextLabel* rysPuchar = nullptr;
  QFrame* pnLName = nullptr;
  QLineEdit* edtLName = nullptr;
  TextLabel* btnLOk = nullptr;
};
