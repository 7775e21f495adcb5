#pragma once

#include <QByteArray>
#include <QImage>

struct WebPAnimDecoder;

// The frames of an animated WebP picture, decoded one after another straight through libwebp
// (no image plug-in to look up, no copy of the file). The bytes must outlive the object.
class WebpAnimation {
 public:
  WebpAnimation() = default;
  WebpAnimation(const WebpAnimation&) = delete;
  WebpAnimation& operator=(const WebpAnimation&) = delete;
  ~WebpAnimation();

  static constexpr int MaxSide = 2048;  // pixels; bigger pictures are refused

  // False, with no frames, for bytes that are not an animated or still WebP picture, or one
  // wider or taller than MaxSide.
  bool open(const QByteArray& bytes);
  int frameCount() const { return m_frames; }
  // The frame that comes next (the first after open() or rewind()), composed over the ones
  // before it; a null image after the last one or on broken data.
  QImage next();
  int nextIndex() const { return m_next; }
  void rewind();

 private:
  void close();

  WebPAnimDecoder* m_decoder = nullptr;
  QSize m_size;
  int m_frames = 0;
  int m_next = 0;
};
