#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "media/WebpAnimation.h"

// The movie control: loads an animated picture file (WebP) from a path and plays it at twelve
// frames a second, frame-exact, with the operations the game calls on it. The file is mapped
// into memory when it is loaded (read, where it cannot be mapped), so it may be deleted once
// playback has started.
class MoviePlayer : public QWidget {
  Q_OBJECT
 public:
  static constexpr int FramesPerSecond = 12;

  struct Display {
    bool keepAspect = true;  // otherwise stretched over the control
    bool loop = false;
  };

  MoviePlayer(QWidget* parent, const QString& name, Display display);

  // Loads the file; what cannot be read is an empty movie of no frames.
  void setMovie(const QString& path);
  const QString& Movie() const { return m_path; }
  void Play();
  void Stop();
  void StopPlay() { Stop(); }
  void GotoFrame(int frame);
  int CurrentFrame() const { return m_frame; }
  int TotalFrames() const { return m_total; }
  bool IsPlaying() const { return m_playing; }

  // Tests drive the movie's clock themselves.
  void setClock(std::function<qint64()> msecs) { m_clock = std::move(msecs); }
  // Shows the frames the clock has reached; the timer calls it while playing.
  void advance();

 signals:
  void frameShown(int frame);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  bool readFrame(int frame);
  void showFrame(int frame);  // the current frame now, its picture a moment later
  void decodePending();
  qint64 now() const { return m_clock ? m_clock() : m_elapsed.elapsed(); }

  Display m_display;
  QString m_path;
  std::unique_ptr<QFile> m_file;  // holds the mapping m_data looks at
  QByteArray m_data;
  std::unique_ptr<WebpAnimation> m_frames;  // decodes from m_data
  QImage m_image;
  int m_frame = 0;
  int m_decoded = -1;  // the frame whose picture m_image holds
  bool m_decodePending = false;
  int m_total = 0;
  bool m_playing = false;
  int m_playStartFrame = 0;
  qint64 m_playStart = 0;
  QTimer m_timer;
  QElapsedTimer m_elapsed;
  std::function<qint64()> m_clock;
};
