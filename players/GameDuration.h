#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

// How long a game took, as a time of day: whole hours, minutes within the hour and seconds
// within the minute. The order of the two moments does not matter, so a clock set back during
// a game gives no negative time. A time of day cannot hold 24 hours or more; such a game gives
// its length modulo 24 hours, as the statistics total and the stored record times count it.
QTime GameDuration(const QDateTime& end, const QDateTime& start);

// The real length of the same game as "H:MM:SS", the hours not wrapped at a day and written
// without a leading zero: "1:02:03", "25:00:03".
QString gameLengthText(const QDateTime& end, const QDateTime& start);

// A duration in the locale's long time format (the desktop's unless given), as the result page
// and the statistics show it. Always on a 24-hour clock and without a time zone: a duration
// is no time of day, so "13:05:09" never becomes "1:05:09 PM".
QString longTimeText(const QTime& time, const QLocale& locale = QLocale::system());

// A stored time text "hh:mm:ss". An hour of one digit ("1:02:03") is read as well, the form
// some system time formats write. nullopt when the text is no time of day.
std::optional<QTime> parseTimeText(const QString& text);
