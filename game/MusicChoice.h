#pragma once

#include <QString>

// The background piece of a ladder step, by the names the sound resources carry.
inline QString musicForLevel(int level) {
  if (level <= 5) return QStringLiteral("MUSIC_1");
  if (level <= 10) return QStringLiteral("MUSIC_2");
  return QStringLiteral("MUSIC_3");
}
