#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>

#include "players/Records.h"

// The money text of a ladder step ("1 MILION", "125 000", "" for step 0); the ladder belongs to
// the game, so the records are handed it.
using MoneyText = std::function<QString(int level)>;

// The two labels of a records row: "3. NIKT" and the prize followed by " $", which is all an
// empty place shows.
struct RecordRow {
  QString holder;
  QString prize;
};
RecordRow recordRow(int place, const RecordEntry& entry, const MoneyText& money);

// The values of the detail panel, top to bottom: holder, place, prize, game time, saved at,
// status and the amount of the last question, which only a lost game shows.
struct RecordDetails {
  std::array<QString, 7> values;
  bool lastQuestionShown = false;
};
RecordDetails recordDetails(int place, const RecordEntry& entry, const MoneyText& money);

// The date and time an entry was saved; a time of exactly midnight is left out.
QString savedAtText(const QDateTime& savedAt);
