#include "ui/widgets/TextLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

TextLabel::TextLabel(QWidget* parent, const QString& name, const QString& caption)
    : QLabel(parent) {
  setObjectName(name);
  setTextFormat(Qt::PlainText);
  setCaption(caption);
}

void TextLabel::setCaption(const QString& caption) {
  m_caption = caption;
  setText(caption);  // kept for accessibility; painting shows the accelerator underlined
  update();
}

QString TextLabel::shownText(const QString& caption) {
  QString out;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

void TextLabel::setColour(const QColor& colour) {
  QPalette pal = palette();
  pal.setColor(QPalette::Active, QPalette::WindowText, colour);
  pal.setColor(QPalette::Inactive, QPalette::WindowText, colour);
  const QColor grey(128, 132, 144);
  pal.setColor(QPalette::Disabled, QPalette::WindowText,
               QColor((colour.red() + grey.red() * 2) / 3, (colour.green() + grey.green() * 2) / 3,
                      (colour.blue() + grey.blue() * 2) / 3));
  setPalette(pal);
}

void TextLabel::paintEvent(QPaintEvent*) {
  // Drawn directly (no text document): the menu builds many of these at start-up.
  QPainter painter(this);
  const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  int flags = static_cast<int>(alignment()) | Qt::TextShowMnemonic;
  if (wordWrap()) flags |= Qt::TextWordWrap;
  style()->drawItemText(&painter, area, flags, palette(), isEnabled(), m_caption,
                        QPalette::WindowText);
}

// Taken, so that the release comes back here wherever the widget is shown (a scaled scene
// hands the release only to the control that took the press).
void TextLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void TextLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}
