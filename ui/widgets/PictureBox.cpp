#include "ui/widgets/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_TranslucentBackground);
}

void PictureBox::setPicture(const QImage& picture) {
  m_make = nullptr;
  m_picture = picture;
  m_masked = QImage();
  update();
}

void PictureBox::setPictureSource(std::function<QImage()> make) {
  m_make = std::move(make);
  m_picture = QImage();
  m_masked = QImage();
  update();
}

const QImage& PictureBox::picture() const {
  if (m_make) {
    const auto make = std::move(m_make);
    m_make = nullptr;
    m_picture = make();
  }
  return m_picture;
}

QImage& PictureBox::canvas() {
  picture();
  if (m_picture.isNull()) {
    m_picture = QImage(size(), QImage::Format_RGB32);
    m_picture.fill(Qt::white);
  }
  m_masked = QImage();  // the caller is about to draw
  update();
  return m_picture;
}

void PictureBox::setStretch(bool on) {
  m_stretch = on;
  update();
}

void PictureBox::setProportional(bool on) {
  m_proportional = on;
  update();
}

void PictureBox::setTransparent(bool on) {
  m_transparent = on;
  m_masked = QImage();
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture().isNull()) return;
  const QImage* shown = &m_picture;
  if (m_transparent) {
    if (m_masked.isNull()) {
      m_masked = m_picture.convertToFormat(QImage::Format_ARGB32);
      const QRgb white = qRgb(255, 255, 255);
      for (int y = 0; y < m_masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_masked.scanLine(y));
        for (int x = 0; x < m_masked.width(); ++x)
          if ((line[x] | 0xFF000000u) == white) line[x] = 0;
      }
    }
    shown = &m_masked;
  }
  QPainter painter(this);
  if (m_proportional) {
    const QSize fitted = shown->size().scaled(size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(
        QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted),
        *shown);
  } else if (m_stretch)
    painter.drawImage(rect(), *shown);
  else
    painter.drawImage(0, 0, *shown);
}

// Taken, so that the release comes back here wherever the widget is shown (a scaled scene
// hands the release only to the control that took the press).
void PictureBox::mousePressEvent(QMouseEvent* event) { event->accept(); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}
