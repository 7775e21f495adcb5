#include "stats/PlayerStats.h"

#include <algorithm>
#include <limits>

#include "players/GameDuration.h"
#include "players/Profile.h"
#include "players/ProfileStore.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"

namespace {

// Signed overflow would be undefined and wrap the money total to a negative sum; no total
// counts below nothing.
int addCapped(int total, int amount) {
  const qint64 sum = qint64(std::max(total, 0)) + amount;
  return int(std::clamp<qint64>(sum, 0, std::numeric_limits<int>::max()));
}

bool isDigits(QStringView text, bool hex) {
  if (text.isEmpty()) return false;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    const bool digit =
        (u >= u'0' && u <= u'9') || (hex && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')));
    if (!digit) return false;
  }
  return true;
}

// A count is never negative: such a value (edited by hand) reads as 0. A number too big for
// the file's integers is a total that overflowed, so it stays at the largest one rather than
// losing the player's history to 0.
int readCount(const IniFile& ini, const QString& section, const QString& key) {
  const int count = ini.readInteger(section, key, -1);
  if (count >= 0) return count;
  // Negative, missing, unreadable or too big.
  const QString text = ini.readString(section, key);
  const bool hex = text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X');
  const bool tooBig = hex ? isDigits(QStringView(text).mid(2), true) : isDigits(text, false);
  return tooBig ? std::numeric_limits<int>::max() : 0;
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
    s.TotalWon = readCount(ini, section, QStringLiteral("SG_S"));
    s.TotalTime =
        parseTimeText(ini.readString(section, QStringLiteral("SG_C"))).value_or(QTime(0, 0));
    s.Games = readCount(ini, section, QStringLiteral("SG_I"));
    s.Resigned = readCount(ini, section, QStringLiteral("SG_R"));
    s.Lost = readCount(ini, section, QStringLiteral("SG_P"));
    s.Millions = readCount(ini, section, QStringLiteral("SG_M"));
    for (int n = 1; n <= PlayerStats::FriendCount; ++n) {
      FriendCounters& f = s.Friends[n - 1];
      f.Asked = readCount(ini, section, friendKey(n, u'W'));
      f.Right = readCount(ini, section, friendKey(n, u'D'));
      f.Wrong = readCount(ini, section, friendKey(n, u'Z'));
    }
  });
  return s;
}

bool StatsStore::SaveStats(const QString& name, const PlayerStats& s) const {
  // Its section holds the overall records, which are everybody's; section names match without
  // regard to case or spaces at their ends.
  if (name.trimmed().compare(AnonymousName, Qt::CaseInsensitive) == 0) return true;
  bool landed = true;
  const bool stored = m_dataFile().cycle([&](IniFile& ini) {
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
    // The INI text silently refuses a section name it cannot hold (a line break in the name).
    landed = ini.sectionExists(section);
  });
  return stored && landed;
}
