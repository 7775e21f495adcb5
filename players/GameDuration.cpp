#include "players/GameDuration.h"

#include <cstdlib>

namespace {

constexpr qint64 Day = 24 * 60 * 60;

// Whole seconds between the two, never negative; QDateTime's range keeps them far from
// overflowing.
qint64 elapsedSeconds(const QDateTime& end, const QDateTime& start) {
  return std::llabs(start.secsTo(end));
}

}  // namespace

QTime GameDuration(const QDateTime& end, const QDateTime& start) {
  const qint64 seconds = elapsedSeconds(end, start) % Day;
  return QTime(int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
}

QString gameLengthText(const QDateTime& end, const QDateTime& start) {
  const qint64 seconds = elapsedSeconds(end, start);
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600)
      .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
      .arg(seconds % 60, 2, 10, QChar(u'0'));
}

std::optional<QTime> parseTimeText(const QString& text) {
  const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("H:mm:ss"));
  if (!time.isValid()) return std::nullopt;
  return time;
}
