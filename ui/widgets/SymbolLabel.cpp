#include "ui/widgets/SymbolLabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/Theme.h"

SymbolLabel::SymbolLabel(QWidget* parent, const QString& name, SymbolGlyph glyph,
                         const QColor& colour)
    : QWidget(parent), m_glyph(std::move(glyph)), m_colour(colour) {
  setObjectName(name);
}

void SymbolLabel::setCrossed(bool crossed) {
  if (m_crossed == crossed) return;
  m_crossed = crossed;
  update();
}

void SymbolLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(m_glyph.font);
  p.setPen(isEnabled() ? m_colour : m_colour.darker(180));
  p.drawText(rect(), Qt::AlignCenter, m_glyph.text);
  if (m_crossed) {
    p.setPen(QPen(theme::Red, 3));
    p.drawLine(QPoint(3, 3), QPoint(width() - 3, height() - 3));
  }
}

// Taken, so that the release comes back here wherever the widget is shown (a scaled scene
// hands the release only to the control that took the press).
void SymbolLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void SymbolLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}
