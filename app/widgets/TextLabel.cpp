#include "app/widgets/TextLabel.h"

#include <QMouseEvent>

TextLabel::TextLabel(QWidget* parent, const QString& name, const QString& caption)
    : QLabel(parent) {
  setObjectName(name);
  setTextFormat(Qt::RichText);
  setCaption(caption);
}

void TextLabel::setCaption(const QString& caption) {
  m_caption = caption;
  setText(captionToRichText(caption));
}

QString TextLabel::captionToRichText(const QString& caption) {
  QString out;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    QChar c = caption[i];
    if (c == u'&' && i + 1 == caption.size()) {
      out += QStringLiteral("&amp;");
      continue;
    }
    if (c == u'&') {
      QChar next = caption[++i];
      if (next == u'&')
        out += QStringLiteral("&amp;");
      else
        out += QStringLiteral("<u>") + QString(next).toHtmlEscaped() + QStringLiteral("</u>");
      continue;
    }
    if (c == u'\n' || c == u'\r') {
      out += QStringLiteral("<br>");
      continue;
    }
    out += QString(c).toHtmlEscaped();
  }
  return out;
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void TextLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}
