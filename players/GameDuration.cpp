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

QString longTimeText(const QTime& time, const QLocale& locale) {
  const QString format = locale.timeFormat(QLocale::LongFormat);
  QString kept;
  bool quoted = false;
  for (QChar c : format) {
    if (c == u'\'') quoted = !quoted;
    if (quoted || c == u'\'') {
      kept += c;
    } else if (c == u'h') {
      kept += u'H';
    } else if (c != u't' && c != u'a' && c != u'A' && c != u'p' && c != u'P') {
      kept += c;  // the time zone and the AM/PM marks go
    }
  }
  kept = kept.simplified();
  // A format that would not show the seconds is no long time format.
  if (!kept.contains(u's')) kept = QStringLiteral("HH:mm:ss");
  return locale.toString(time, kept);
}

std::optional<QTime> parseTimeText(const QString& text) {
  const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("H:mm:ss"));
  if (!time.isValid()) return std::nullopt;
  return time;
}
