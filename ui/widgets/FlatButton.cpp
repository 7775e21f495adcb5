#include "ui/widgets/FlatButton.h"

#include <QPainter>

FlatButton::FlatButton(QWidget* parent, const QString& name, const QString& caption,
                       const QColor& face)
    : QAbstractButton(parent), m_face(face) {
  setObjectName(name);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setCaption(caption);
}

void FlatButton::setCaption(const QString& caption) {
  setText(caption);
  setShortcut(QKeySequence());  // setText() would register an Alt shortcut for the "&" letter
}

void FlatButton::setCaptionColour(const QColor& colour) {
  m_caption = colour;
  update();
}

void FlatButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QColor face = m_face;
  if (isDown())
    face = face.darker(120);
  else if (underMouse() && isEnabled())
    face = face.lighter(110);
  p.fillRect(rect(), face);
  p.setPen(QColor(0, 0, 0, 90));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setFont(font());
  // Behind an open panel the caption sinks halfway into the face.
  const QColor caption = isEnabled() ? m_caption
                                     : QColor((m_caption.red() + face.red()) / 2,
                                              (m_caption.green() + face.green()) / 2,
                                              (m_caption.blue() + face.blue()) / 2);
  p.setPen(caption);
  p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
