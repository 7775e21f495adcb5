#pragma once

#include <QLabel>

// A label as the screens use it: transparent, clickable, and showing the "&" of a caption
// as an underlined letter instead of a character.
class TextLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TextLabel(QWidget* parent, const QString& name, const QString& caption = {});

  void setCaption(const QString& caption);
  const QString& caption() const { return m_caption; }
  void setTag(int tag) { m_tag = tag; }
  int tag() const { return m_tag; }

  // The caption as rich text: "&R" becomes an underlined R, "&&" a single "&".
  static QString captionToRichText(const QString& caption);

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString m_caption;
  int m_tag = 0;
};
