#include "players/Records.h"

#include <algorithm>

#include "players/GameDuration.h"
#include "players/Profile.h"
#include "players/ProfileStore.h"
#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"

namespace {

constexpr int TopLevel = 15;

QString key(char16_t letter, int place) { return QChar(letter) + QString::number(place); }

// Section names match without regard to case or spaces at their ends, so any such spelling of
// the anonymous name is the overall table; treating it as a player's own would insert the
// entry there twice.
bool isOverallTable(const QString& owner) {
  return owner.trimmed().compare(AnonymousName, Qt::CaseInsensitive) == 0;
}

bool isLadderLevel(int level) { return level >= 0 && level <= TopLevel; }

// A level outside the ladder (a file edited by hand) reads as 0, so that no caller looks up a
// ladder amount that does not exist.
int readLevel(const IniFile& ini, const QString& section, const QString& key) {
  const int level = ini.readInteger(section, key, 0);
  return isLadderLevel(level) ? level : 0;
}

// Only the outcome words, and the empty place's mark, are statuses; anything else would be
// shown as the outcome of a game.
bool isStatus(const QString& status) {
  return status == u"Przegrana" || status == u"Rezygnacja" || status == u"Wygrana" ||
         status == RecordEntry{}.status;
}

QString readStatus(const IniFile& ini, const QString& section, const QString& key) {
  const QString status = ini.readString(section, key);
  return isStatus(status) ? status : RecordEntry{}.status;
}

RecordEntry readEntry(const IniFile& ini, const QString& section, int place, const QDate& today) {
  RecordEntry e;
  e.holder = ini.readString(section, key(u'N', place), e.holder);
  e.prizeLevel = readLevel(ini, section, key(u'P', place));
  e.lastQuestion = readLevel(ini, section, key(u'O', place));
  e.status = readStatus(ini, section, key(u'S', place));
  e.savedAt =
      parseDateTimeText(ini.readString(section, key(u'D', place)), today).value_or(e.savedAt);
  e.gameTime = parseTimeText(ini.readString(section, key(u'C', place))).value_or(e.gameTime);
  return e;
}

RecordsTable readTable(const IniFile& ini, const QString& section, const QDate& today) {
  RecordsTable table;
  for (int place = 1; place <= RecordPlaces; ++place)
    table[place - 1] = readEntry(ini, section, place, today);
  return table;
}

void writeEntry(IniFile& ini, const QString& section, int place, const RecordEntry& e) {
  ini.writeString(section, key(u'N', place), e.holder);
  ini.writeInteger(section, key(u'P', place), e.prizeLevel);
  ini.writeInteger(section, key(u'O', place), e.lastQuestion);
  ini.writeString(section, key(u'S', place), e.status);
  ini.writeString(section, key(u'D', place), dateTimeText(e.savedAt));
  ini.writeString(section, key(u'C', place), timeText(e.gameTime));
}

// A name typed on the result screen may hold letters that Windows-1250 lacks; one of them would
// make the whole write fail and the record be lost, so each is kept as "?".
QString storableHolder(const QString& name) {
  QString out;
  out.reserve(name.size());
  for (qsizetype i = 0; i < name.size(); ++i) {
    const QChar c = name[i];
    if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
      out += u'?';
      ++i;
    } else {
      out += fitsCp1250(QString(c)) ? c : QChar(u'?');
    }
  }
  return out;
}

// The entry as it will read back: what the file would not give back is written as the
// default it would read as.
RecordEntry storable(const RecordEntry& entry) {
  RecordEntry out = entry;
  out.holder = storableHolder(entry.holder);
  if (!isLadderLevel(out.lastQuestion)) out.lastQuestion = 0;
  if (!isStatus(out.status)) out.status = RecordEntry{}.status;
  if (!out.gameTime.isValid()) out.gameTime = RecordEntry{}.gameTime;
  return out;
}

}  // namespace

RecordsStore::RecordsStore(std::function<DataFile()> dataFile, std::function<QDateTime()> now)
    : m_dataFile(std::move(dataFile)), m_now(std::move(now)) {}

RecordEntry RecordsStore::ReadRecord(const QString& owner, int place) const {
  if (place < 1 || place > RecordPlaces) return {};
  RecordEntry entry;
  const QDate today = m_now().date();
  m_dataFile().read([&](const IniFile& ini) {
    entry = readEntry(ini, ProfileStore::sectionOf(owner), place, today);
  });
  return entry;
}

RecordsTable RecordsStore::ReadTable(const QString& owner) const {
  RecordsTable table;
  const QDate today = m_now().date();
  m_dataFile().read(
      [&](const IniFile& ini) { table = readTable(ini, ProfileStore::sectionOf(owner), today); });
  return table;
}

bool RecordsStore::InsertRecord(const QString& owner, const RecordEntry& entry) const {
  // Stored, a level beyond the ladder would read as an empty place: such an entry, like one
  // that won nothing, enters no table.
  if (!isLadderLevel(entry.prizeLevel)) return true;
  const RecordEntry stored = storable(entry);
  bool written = insertInto(owner, stored);
  // In a table kept in order, a lower place exists exactly when the entry beats place 15.
  if (!isOverallTable(owner)) written = insertInto(AnonymousName, stored) && written;
  return written;
}

// The table is read and written back in the same cycle, so nothing can come between.
bool RecordsStore::insertInto(const QString& owner, const RecordEntry& entry) const {
  const QString section = ProfileStore::sectionOf(owner);
  const QDate today = m_now().date();
  bool landed = true;
  const bool stored = m_dataFile().cycle(
      [&](IniFile& ini) {
        RecordsTable table = readTable(ini, section, today);
        const auto at = std::find_if(table.begin(), table.end(), [&](const RecordEntry& e) {
          return e.prizeLevel < entry.prizeLevel;
        });
        if (at == table.end()) return;
        std::move_backward(at, table.end() - 1, table.end());
        *at = entry;
        for (int place = 1; place <= RecordPlaces; ++place)
          writeEntry(ini, section, place, table[place - 1]);
        // The INI text silently refuses a section name it cannot hold (a line break in the
        // owner's name), and then nothing changed to be stored.
        landed = ini.sectionExists(section);
      },
      DataFile::TestCopy::After);
  return stored && landed;
}

bool RecordsStore::ClearRecords(const QString& owner) const {
  const QString section = ProfileStore::sectionOf(owner);
  return m_dataFile().cycle([&](IniFile& ini) {
    for (int place = 1; place <= RecordPlaces; ++place)
      for (char16_t letter : {u'N', u'P', u'O', u'S', u'D', u'C'})
        ini.deleteKey(section, key(letter, place));
  });
}
