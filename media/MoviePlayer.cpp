#include "media/MoviePlayer.h"

#include <QFile>
#include <QPainter>

MoviePlayer::MoviePlayer(QWidget* parent, const QString& name, Display display)
    : QWidget(parent), m_display(display) {
  setObjectName(name);
  m_elapsed.start();
  m_timer.setTimerType(Qt::PreciseTimer);
  m_timer.setInterval(1000 / FramesPerSecond / 2);  // twice a frame: no frame is shown late
  connect(&m_timer, &QTimer::timeout, this, &MoviePlayer::advance);
}

void MoviePlayer::setMovie(const QString& path) {
  Stop();
  m_path = path;
  m_frames.reset();  // before the bytes it decodes from
  m_data.clear();
  m_file = std::make_unique<QFile>(path);
  if (m_file->open(QIODevice::ReadOnly)) {
    if (uchar* mapped = m_file->map(0, m_file->size()))
      m_data = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), m_file->size());
    else
      m_data = m_file->readAll();
  }
  m_image = QImage();
  m_total = 0;
  m_frame = 0;
  m_decoded = -1;
  m_decodePending = false;
  m_frames = std::make_unique<WebpAnimation>();
  if (m_frames->open(m_data)) {
    m_total = m_frames->frameCount();
    showFrame(0);
  }
  update();
}

void MoviePlayer::showFrame(int frame) {
  if (frame < 0 || frame >= m_total) return;
  m_frame = frame;
  // Decoded on the next pass of the event loop, so a window showing a movie for the first time
  // paints at once (black) instead of waiting for its first picture.
  if (!m_decodePending) {
    m_decodePending = true;
    QTimer::singleShot(0, this, [this] { decodePending(); });
  }
}

void MoviePlayer::decodePending() {
  if (!m_decodePending) return;
  m_decodePending = false;
  readFrame(m_frame);
}

bool MoviePlayer::readFrame(int frame) {
  if (!m_frames || frame < 0 || frame >= m_total) return false;
  if (frame == m_decoded) return true;
  // Each frame is composed over the ones before it, so the decoder only goes forward.
  if (frame < m_frames->nextIndex()) m_frames->rewind();
  QImage image;
  while (m_frames->nextIndex() <= frame) {
    image = m_frames->next();
    if (image.isNull()) return false;
  }
  m_image = image;
  m_frame = frame;
  m_decoded = frame;
  update();
  emit frameShown(frame);
  return true;
}

void MoviePlayer::Play() {
  if (m_total == 0) return;
  if (m_frame >= m_total - 1 && !m_display.loop) GotoFrame(0);
  m_playing = true;
  m_playStartFrame = m_frame;
  m_playStart = now();
  m_timer.start();
}

void MoviePlayer::Stop() {
  m_playing = false;
  m_timer.stop();
}

void MoviePlayer::GotoFrame(int frame) {
  showFrame(frame);
  if (m_playing) {
    m_playStartFrame = m_frame;
    m_playStart = now();
  }
}

void MoviePlayer::advance() {
  if (!m_playing || m_total == 0) return;
  const qint64 due = m_playStartFrame + (now() - m_playStart) * FramesPerSecond / 1000;
  qint64 target = due;
  if (m_display.loop) {
    target = due % m_total;
  } else if (due >= m_total - 1) {
    target = m_total - 1;
    m_playing = false;  // a movie that does not loop stops on its last frame
    m_timer.stop();
  }
  m_decodePending = false;
  if (target != m_decoded) readFrame(static_cast<int>(target));
}

void MoviePlayer::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (m_image.isNull()) return;
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QRect target = rect();
  if (m_display.keepAspect) {
    QSize size = m_image.size().scaled(rect().size(), Qt::KeepAspectRatio);
    target = QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  }
  p.drawImage(target, m_image);
}
