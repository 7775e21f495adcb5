#include "players/RecordTexts.h"

#include "players/Profile.h"

namespace {
QString dollars(const MoneyText& money, int level) { return money(level) + QStringLiteral(" $"); }
}  // namespace

RecordRow recordRow(int place, const RecordEntry& entry, const MoneyText& money) {
  return {QString::number(place) + QStringLiteral(". ") + entry.holder,
          dollars(money, entry.prizeLevel)};
}

RecordDetails recordDetails(int place, const RecordEntry& entry, const MoneyText& money) {
  RecordDetails d;
  d.values = {entry.holder,
              QString::number(place),
              dollars(money, entry.prizeLevel),
              timeText(entry.gameTime),
              savedAtText(entry.savedAt),
              entry.status,
              dollars(money, entry.lastQuestion)};
  d.lastQuestionShown = entry.status == u"Przegrana";
  return d;
}

QString savedAtText(const QDateTime& savedAt) {
  return savedAt.time() == QTime(0, 0) ? dateText(savedAt.date()) : dateTimeText(savedAt);
}
