#pragma once

#include <QColor>
#include <QWidget>

#include "ui/SymbolFonts.h"

// A label showing one symbol; it can be shown crossed out with a red line.
class SymbolLabel : public QWidget {
  Q_OBJECT
 public:
  SymbolLabel(QWidget* parent, const QString& name, SymbolGlyph glyph, const QColor& colour);

  void setCrossed(bool crossed);
  bool crossed() const { return m_crossed; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  SymbolGlyph m_glyph;
  QColor m_colour;
  bool m_crossed = false;
};
