#include "players/GameDuration.h"

#include <cstdlib>

QTime GameDuration(const QDateTime& end, const QDateTime& start) {
  constexpr qint64 Day = 24 * 60 * 60;
  const qint64 seconds = std::llabs(start.secsTo(end));
  if (seconds >= Day) return QTime(23, 59, 59);
  return QTime(int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
}

std::optional<QTime> parseTimeText(const QString& text) {
  const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("H:mm:ss"));
  if (!time.isValid()) return std::nullopt;
  return time;
}
