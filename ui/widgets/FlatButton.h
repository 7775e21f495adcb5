#pragma once

#include <QAbstractButton>
#include <QColor>

// The flat coloured buttons of the message panels. The "&" of a caption is shown underlined
// but makes no Alt shortcut: keys reach the buttons only through the game's key rules.
class FlatButton : public QAbstractButton {
  Q_OBJECT
 public:
  FlatButton(QWidget* parent, const QString& name, const QString& caption, const QColor& face);

  void setCaption(const QString& caption);
  void setCaptionColour(const QColor& colour);
  QSize sizeHint() const override { return {81, 25}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor m_face;
  QColor m_caption = Qt::black;
};
