#include "game/Speech.h"

SpeechStrip speechStrip(const QString& current, const QString& text, bool append, bool oneLine) {
  SpeechStrip strip;
  strip.text = append ? current + text : text;
  if (oneLine) {
    strip.top = 241;
    strip.height = 21;
  } else {
    const int lines = static_cast<int>(strip.text.size() / 82);
    strip.top = 241 - 20 * lines;
    strip.height = 20 * lines + 20;
  }
  return strip;
}
