#include "stats/PlayerStats.h"

#include <algorithm>
#include <limits>

#include "players/GameDuration.h"
#include "players/Profile.h"
#include "players/ProfileStore.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"

namespace {

// Signed overflow would be undefined and wrap the money total to a negative sum.
int addCapped(int total, int amount) {
  const qint64 sum = qint64(total) + amount;
  return int(
      std::clamp<qint64>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QString friendKey(int n, char16_t counter) {
  return QStringLiteral("SF_%1_%2").arg(n).arg(QChar(counter));
}

}  // namespace

PlayerStats addFinishedGame(PlayerStats stats, const QString& outcome, int wonDollars,
                            const QTime& duration) {
  stats.TotalWon = addCapped(stats.TotalWon, wonDollars);
  stats.Games = addCapped(stats.Games, 1);
  const QTime total = stats.TotalTime.isValid() ? stats.TotalTime : QTime(0, 0);
  stats.TotalTime = total.addSecs(QTime(0, 0).secsTo(duration));
  if (outcome == u"Przegrana")
    stats.Lost = addCapped(stats.Lost, 1);
  else if (outcome == u"Rezygnacja")
    stats.Resigned = addCapped(stats.Resigned, 1);
  else if (outcome == u"Wygrana")
    stats.Millions = addCapped(stats.Millions, 1);
  return stats;
}

StatsStore::StatsStore(std::function<DataFile()> dataFile) : m_dataFile(std::move(dataFile)) {}

PlayerStats StatsStore::LoadStats(const QString& name) const {
  PlayerStats s;
  m_dataFile().read([&](const IniFile& ini) {
    const QString section = ProfileStore::sectionOf(name);
    s.TotalWon = ini.readInteger(section, QStringLiteral("SG_S"), 0);
    s.TotalTime =
        parseTimeText(ini.readString(section, QStringLiteral("SG_C"))).value_or(QTime(0, 0));
    s.Games = ini.readInteger(section, QStringLiteral("SG_I"), 0);
    s.Resigned = ini.readInteger(section, QStringLiteral("SG_R"), 0);
    s.Lost = ini.readInteger(section, QStringLiteral("SG_P"), 0);
    s.Millions = ini.readInteger(section, QStringLiteral("SG_M"), 0);
    for (int n = 1; n <= PlayerStats::FriendCount; ++n) {
      FriendCounters& f = s.Friends[n - 1];
      f.Asked = ini.readInteger(section, friendKey(n, u'W'), 0);
      f.Right = ini.readInteger(section, friendKey(n, u'D'), 0);
      f.Wrong = ini.readInteger(section, friendKey(n, u'Z'), 0);
    }
  });
  return s;
}

bool StatsStore::SaveStats(const QString& name, const PlayerStats& s) const {
  // Its section holds the overall records, which are everybody's.
  if (name.compare(AnonymousName, Qt::CaseInsensitive) == 0) return true;
  return m_dataFile().cycle([&](IniFile& ini) {
    const QString section = ProfileStore::sectionOf(name);
    ini.writeInteger(section, QStringLiteral("SG_S"), s.TotalWon);
    ini.writeString(section, QStringLiteral("SG_C"),
                    timeText(s.TotalTime.isValid() ? s.TotalTime : QTime(0, 0)));
    ini.writeInteger(section, QStringLiteral("SG_I"), s.Games);
    ini.writeInteger(section, QStringLiteral("SG_R"), s.Resigned);
    ini.writeInteger(section, QStringLiteral("SG_P"), s.Lost);
    ini.writeInteger(section, QStringLiteral("SG_M"), s.Millions);
    for (int n = 1; n <= PlayerStats::FriendCount; ++n) {
      const FriendCounters& f = s.Friends[n - 1];
      ini.writeInteger(section, friendKey(n, u'W'), f.Asked);
      ini.writeInteger(section, friendKey(n, u'D'), f.Right);
      ini.writeInteger(section, friendKey(n, u'Z'), f.Wrong);
    }
  });
}
