#include "players/Profile.h"

#include <cstdlib>

#include "storage/Cp1250.h"

Profile AnonymousPlayer() {
  Profile p;
  p.name = AnonymousName;
  p.place = QStringLiteral("bezdomny");
  p.birthDate = QDateTime(QDate(2011, 11, 11), QTime(0, 0));
  p.sex = u'M';
  return p;
}

QString dateText(const QDate& date) {
  return QStringLiteral("%1-%2-%3")
      .arg(date.year() % 100, 2, 10, QChar(u'0'))
      .arg(date.month(), 2, 10, QChar(u'0'))
      .arg(date.day(), 2, 10, QChar(u'0'));
}

QString timeText(const QTime& time) { return time.toString(QStringLiteral("HH:mm:ss")); }

QString dateTimeText(const QDateTime& dateTime) {
  return dateText(dateTime.date()) + u' ' + timeText(dateTime.time());
}

int fullYear(int twoDigitYear, int currentYear) {
  int year = currentYear - currentYear % 100 + twoDigitYear;
  if (year > currentYear) year -= 100;
  return year;
}

namespace {

// Two decimal digits at `pos`, or -1.
int twoDigits(const QString& text, qsizetype pos) {
  if (text.size() < pos + 2) return -1;
  const QChar a = text[pos], b = text[pos + 1];
  if (!a.isDigit() || !b.isDigit() || a.unicode() > u'9' || b.unicode() > u'9') return -1;
  return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
}

}  // namespace

std::optional<QDateTime> parseDateTimeText(const QString& text, const QDate& today) {
  const QString t = text.trimmed();
  if (t.size() < 8 || t[2] != u'-' || t[5] != u'-') return std::nullopt;
  const int yy = twoDigits(t, 0), mm = twoDigits(t, 3), dd = twoDigits(t, 6);
  if (yy < 0 || mm < 0 || dd < 0) return std::nullopt;
  const QDate date(fullYear(yy, today.year()), mm, dd);
  if (!date.isValid()) return std::nullopt;
  if (t.size() == 8) return QDateTime(date, QTime(0, 0));
  if (t.size() != 17 || t[8] != u' ') return std::nullopt;
  const QTime time = QTime::fromString(t.mid(9), QStringLiteral("HH:mm:ss"));
  if (!time.isValid()) return std::nullopt;
  return QDateTime(date, time);
}

int ageInYears(const QDateTime& birth, const QDateTime& now) {
  const double days = std::abs(static_cast<double>(birth.msecsTo(now))) / 86400000.0;
  return static_cast<int>(days / 365.25);
}

bool isStorableName(const QString& name) {
  if (name.isEmpty()) return true;  // emptiness is a rule of its own
  if (name.front().isSpace() || name.back().isSpace() || name.front() == u';') return false;
  for (QChar c : name)
    if (c == u'[' || c == u']' || c.category() == QChar::Other_Control) return false;
  return fitsCp1250(name);
}

bool isStorableValue(const QString& value) {
  if (value.isEmpty()) return true;
  if (value.front().isSpace() || value.back().isSpace()) return false;
  if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') return false;
  for (QChar c : value)
    if (c.category() == QChar::Other_Control) return false;
  return fitsCp1250(value);
}
