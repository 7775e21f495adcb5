#pragma once

#include <QColor>
#include <QLabel>

// A label as the screens use it: transparent, clickable, and showing the "&" of a caption
// as an underlined letter instead of a character ("&&" shows one "&").
class TextLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TextLabel(QWidget* parent, const QString& name, const QString& caption = {});

  void setCaption(const QString& caption);
  const QString& caption() const { return m_caption; }
  // What the label shows: the caption without its accelerator marks.
  static QString shownText(const QString& caption);
  // A caption that shows `text` exactly, "&" included (names, questions, answers).
  static QString literal(QString text) { return text.replace(u'&', QStringLiteral("&&")); }
  // Text colour; a disabled label (behind an open panel) shows it dimmed.
  void setColour(const QColor& colour);
  void setTag(int tag) { m_tag = tag; }
  int tag() const { return m_tag; }

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString m_caption;
  int m_tag = 0;
};
