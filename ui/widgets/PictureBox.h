#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// A picture control: shows its picture (stretched or at its natural size), can be drawn on
// through canvas(), and reports clicks. Transparent pictures let white show what is behind.
class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent, const QString& name);

  void setPicture(const QImage& picture);
  // The picture `make` returns, made when it is first needed (painted, read or drawn on):
  // pictures of screens nobody has seen yet cost nothing at start-up.
  void setPictureSource(std::function<QImage()> make);
  const QImage& picture() const;
  // The drawing surface; created at the control's size when there is no picture yet.
  QImage& canvas();
  void setStretch(bool on);
  // Scaled to fit with its proportions kept, centred; the rest stays transparent.
  void setProportional(bool on);
  // White pixels of the picture are not painted, so the controls behind show through.
  void setTransparent(bool on);
  void setTag(int tag) { m_tag = tag; }
  int tag() const { return m_tag; }

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  mutable QImage m_picture;
  mutable std::function<QImage()> m_make;
  QImage m_masked;  // the picture with white made transparent, when asked for
  bool m_stretch = false;
  bool m_proportional = false;
  bool m_transparent = false;
  int m_tag = 0;
};
