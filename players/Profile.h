#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>
#include <optional>

// A player as the profile screens and the data file know him.
struct Profile {
  QString name;
  QString place;
  QDateTime birthDate;
  QChar sex = u'M';
  QString password;  // plain text; empty: no password
};

inline const QString AnonymousName = QStringLiteral("Gracz anonimowy");

// The player the game starts with.
Profile AnonymousPlayer();

// Date and time texts of the data file: "RR-MM-DD", "hh:mm:ss", "RR-MM-DD hh:mm:ss".
QString dateText(const QDate& date);
QString timeText(const QTime& time);
QString dateTimeText(const QDateTime& dateTime);

// A two-digit year is the year of the hundred years that end with the current year: in 2026,
// "26" is 2026 and "27" is 1927.
int fullYear(int twoDigitYear, int currentYear);
// "RR-MM-DD", optionally followed by " hh:mm:ss"; nullopt when it is not a valid date.
std::optional<QDateTime> parseDateTimeText(const QString& text, const QDate& today);

// Whole years between the birth date and now (by days / 365.25, never negative).
int ageInYears(const QDateTime& birth, const QDateTime& now);

// Whether a name can be the name of a data-file section and come back unchanged: no "[" or
// "]", no leading ";", no spaces at either end, no control characters, only Windows-1250.
bool isStorableName(const QString& name);
// Whether a value (place, password) comes back from the data file as it was written: no
// spaces at either end, no control characters, not wrapped in double quotes, only
// Windows-1250.
bool isStorableValue(const QString& value);
