#include "media/WebpAnimation.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>

WebpAnimation::~WebpAnimation() { close(); }

void WebpAnimation::close() {
  if (m_decoder) WebPAnimDecoderDelete(m_decoder);
  m_decoder = nullptr;
  m_size = QSize();
  m_frames = 0;
  m_next = 0;
}

bool WebpAnimation::open(const QByteArray& bytes) {
  close();
  if (bytes.isEmpty()) return false;
  const auto* begin = reinterpret_cast<const uint8_t*>(bytes.constData());
  const auto size = static_cast<size_t>(bytes.size());
  // The decoder allocates the whole canvas up front: a broken header must not make it ask for
  // gigabytes. The game's movies are far smaller than this.
  WebPBitstreamFeatures features;
  if (WebPGetFeatures(begin, size, &features) != VP8_STATUS_OK || features.width <= 0 ||
      features.height <= 0 || features.width > MaxSide || features.height > MaxSide)
    return false;
  WebPAnimDecoderOptions options;
  if (!WebPAnimDecoderOptionsInit(&options)) return false;
  // Premultiplied BGRA is, byte for byte, the picture format Qt draws fastest.
  options.color_mode = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? MODE_bgrA : MODE_Argb;
  options.use_threads = 0;
  WebPData data{begin, size};
  m_decoder = WebPAnimDecoderNew(&data, &options);
  if (!m_decoder) return false;
  WebPAnimInfo info;
  if (!WebPAnimDecoderGetInfo(m_decoder, &info) || info.frame_count == 0 ||
      info.canvas_width == 0 || info.canvas_height == 0) {
    close();
    return false;
  }
  m_size = QSize(static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height));
  m_frames = static_cast<int>(info.frame_count);
  return true;
}

QImage WebpAnimation::next() {
  if (!m_decoder || m_next >= m_frames) return {};
  uint8_t* pixels = nullptr;
  int timestamp = 0;
  if (!WebPAnimDecoderGetNext(m_decoder, &pixels, &timestamp) || !pixels) return {};
  ++m_next;
  // The decoder reuses its buffer for the next frame: the picture gets a copy.
  QImage frame(m_size, QImage::Format_ARGB32_Premultiplied);
  const qsizetype row = 4 * m_size.width();
  for (int y = 0; y < m_size.height(); ++y)
    std::memcpy(frame.scanLine(y), pixels + y * row, static_cast<size_t>(row));
  return frame;
}

void WebpAnimation::rewind() {
  if (!m_decoder) return;
  WebPAnimDecoderReset(m_decoder);
  m_next = 0;
}
