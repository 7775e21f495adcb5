#pragma once

#include <QString>

// Where the speech strip (label and shape alike) ends up after a ShowSpeech call.
struct SpeechStrip {
  QString text;
  int top = 0;
  int height = 0;
  bool operator==(const SpeechStrip&) const = default;
};

// The strip grows upwards from y = 241 by 20 pixels for every full 82 characters; the
// one-line form ignores the length. Callers that want the height to follow the text
// append an empty text without the one-line flag.
SpeechStrip speechStrip(const QString& current, const QString& text, bool append, bool oneLine);
