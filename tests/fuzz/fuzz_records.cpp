// The records tables and the statistics against data files edited by hand or damaged.
//
// An input is the plain text of the data file, in Windows-1250. It goes to disk as it is when
// it begins with "[" (the plain form a data file may be found in) and scrambled otherwise. Its
// last bytes also pick a player's name among its sections, the entry to insert and the game
// to count.

#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "players/GameDuration.h"
#include "players/Profile.h"
#include "players/Records.h"
#include "stats/PlayerStats.h"
#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

const QDateTime Now(QDate(2026, 6, 1), QTime(12, 0));
const QString FileName = QStringLiteral("Opcje.oFK");
constexpr int Largest = std::numeric_limits<int>::max();
constexpr int TopLevel = 15;

// The input's last bytes, the last one first; zeros where the input is shorter.
struct Tail {
  std::array<uint8_t, 12> b{};

  Tail(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < b.size() && i < size; ++i) b[i] = data[size - 1 - i];
  }
  uint32_t word(size_t at) const {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
  }
};

QString folder() {
  static QTemporaryDir dir;
  CHECK(dir.isValid());
  return dir.path() + u'/';
}

DataFile dataFile() { return DataFile(folder(), FileName, false); }

// Section names match without regard to case or spaces at their ends.
bool isOverall(const QString& owner) {
  return owner.trimmed().compare(AnonymousName, Qt::CaseInsensitive) == 0;
}

bool isStatus(const QString& status) {
  return status == u"Przegrana" || status == u"Rezygnacja" || status == u"Wygrana" ||
         status == u"-----";
}

bool onLadder(int level) { return level >= 0 && level <= TopLevel; }

void checkEntry(const RecordEntry& e) {
  CHECK(onLadder(e.prizeLevel));
  CHECK(onLadder(e.lastQuestion));
  CHECK(isStatus(e.status));
  CHECK(e.savedAt.isValid());
  CHECK(e.gameTime.isValid());
}

std::vector<int> levels(const RecordsTable& table) {
  std::vector<int> out;
  for (const RecordEntry& e : table) out.push_back(e.prizeLevel);
  return out;
}

bool inOrder(const std::vector<int>& levels) {
  return std::is_sorted(levels.rbegin(), levels.rend());
}

// Where an entry of `level` goes: the first place of a lower level, or none (-1).
int placeFor(const RecordsTable& table, int level) {
  if (!onLadder(level)) return -1;
  for (int i = 0; i < RecordPlaces; ++i)
    if (table[size_t(i)].prizeLevel < level) return i;
  return -1;
}

std::vector<int> inserted(const RecordsTable& table, int level) {
  std::vector<int> out = levels(table);
  const int at = placeFor(table, level);
  if (at < 0) return out;
  out.insert(out.begin() + at, level);
  out.pop_back();
  return out;
}

// A player of the file, in one of the spellings that name the same section, or one that no
// section can have.
QString pickOwner(const QString& text, const Tail& tail) {
  QStringList names;
  for (const QString& section : IniFile(text).sections())
    if (section.startsWith(u'Q', Qt::CaseInsensitive)) names += section.mid(1);
  QString name =
      names.isEmpty() ? text.section(u'\n', 0, 0).left(24) : names[tail.b[10] % names.size()];
  switch (tail.b[11] % 5) {
    case 1:
      name += u' ';
      break;
    case 2:
      name = name.toUpper();
      break;
    case 3:
      name = name.left(1) + u'\n' + name.mid(1);
      break;
    default:
      break;
  }
  return name;
}

RecordEntry entryFrom(const Tail& tail, const QString& holder) {
  RecordEntry e;
  e.holder = holder;
  e.prizeLevel = tail.b[0] == 0xFF ? Largest : tail.b[0] == 0xFE ? -Largest : tail.b[0] % 20 - 2;
  e.lastQuestion = int8_t(tail.b[1]);
  static const std::array<QString, 6> statuses = {
      QStringLiteral("Przegrana"), QStringLiteral("Rezygnacja"), QStringLiteral("Wygrana"),
      QStringLiteral("-----"),     QStringLiteral("wygrana"),    QStringLiteral(" Wygrana")};
  e.status = tail.b[2] < 240 ? statuses[tail.b[2] % 6] : holder;  // now and then no word at all
  e.savedAt = Now.addSecs(-qint64(tail.word(4)));
  e.gameTime = QTime(tail.b[3] % 25, tail.b[8] % 61, tail.b[9] % 61);  // invalid at times
  return e;
}

void checkReads(const RecordsStore& records, const QString& owner) {
  const RecordsTable table = records.ReadTable(owner);
  for (int place = 0; place <= RecordPlaces + 1; ++place) {
    const RecordEntry e = records.ReadRecord(owner, place);
    checkEntry(e);
    if (place < 1 || place > RecordPlaces)
      CHECK(e == RecordEntry{});
    else
      CHECK(e == table[size_t(place - 1)]);
  }
}

// Returns whether the insertion was written.
bool checkInsert(const RecordsStore& records, const QString& owner, const RecordEntry& entry) {
  const RecordsTable ownBefore = records.ReadTable(owner);
  const RecordsTable allBefore = records.ReadTable(AnonymousName);
  const bool written = records.InsertRecord(owner, entry);
  const RecordsTable own = records.ReadTable(owner);
  const RecordsTable all = records.ReadTable(AnonymousName);
  for (const RecordsTable* t : {&own, &all})
    for (const RecordEntry& e : *t) checkEntry(e);

  const std::vector<int> ownWanted = inserted(ownBefore, entry.prizeLevel);
  const std::vector<int> allWanted =
      isOverall(owner) ? ownWanted : inserted(allBefore, entry.prizeLevel);
  if (written) {
    CHECK(levels(own) == ownWanted);
    CHECK(levels(all) == allWanted);
  } else {  // a failed write changes nothing, though one table of two may have been written
    CHECK(own == ownBefore || levels(own) == ownWanted);
    CHECK(all == allBefore || levels(all) == allWanted);
  }
  if (inOrder(levels(ownBefore))) CHECK(inOrder(levels(own)));
  if (inOrder(levels(allBefore))) CHECK(inOrder(levels(all)));

  const int at = placeFor(ownBefore, entry.prizeLevel);
  if (at < 0 || levels(own) != ownWanted) return written;
  const RecordEntry& got = own[size_t(at)];
  CHECK(got.lastQuestion == (onLadder(entry.lastQuestion) ? entry.lastQuestion : 0));
  CHECK(got.status == (isStatus(entry.status) ? entry.status : QStringLiteral("-----")));
  CHECK(got.gameTime == (entry.gameTime.isValid() ? entry.gameTime : QTime(0, 0)));
  for (int i = 0; i < RecordPlaces; ++i) {
    if (i == at) continue;
    const RecordEntry& was = ownBefore[size_t(i < at ? i : i - 1)];
    const RecordEntry& is = own[size_t(i)];
    CHECK(is.prizeLevel == was.prizeLevel && is.lastQuestion == was.lastQuestion &&
          is.status == was.status);
  }
  return written;
}

void checkStats(const PlayerStats& s) {
  CHECK(s.TotalWon >= 0 && s.Games >= 0 && s.Resigned >= 0 && s.Lost >= 0 && s.Millions >= 0);
  for (const FriendCounters& f : s.Friends) CHECK(f.Asked >= 0 && f.Right >= 0 && f.Wrong >= 0);
  CHECK(s.TotalTime.isValid());
}

// What a count stored as `text` reads as, worked out digit by digit: a negative number or no
// number is 0, a number too big for an int (a total that overflowed) the largest int.
int expectedCount(const QString& text) {
  const bool hex = text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X');
  const bool negative = !hex && text.startsWith(u'-');
  const QString digits = hex ? text.mid(2) : negative ? text.mid(1) : text;
  if (digits.isEmpty()) return 0;
  qint64 value = 0;
  for (QChar c : digits) {
    const int digit = c >= u'0' && c <= u'9'          ? c.unicode() - u'0'
                      : hex && c >= u'a' && c <= u'f' ? c.unicode() - u'a' + 10
                      : hex && c >= u'A' && c <= u'F' ? c.unicode() - u'A' + 10
                                                      : -1;
    if (digit < 0) return 0;
    value = std::min<qint64>(value * (hex ? 16 : 10) + digit, Largest);
  }
  return negative ? 0 : int(value);
}

void checkStoredCounts(const PlayerStats& s, const QString& owner) {
  const QString section = u'Q' + owner;
  auto stored = [&](const QString& key) {
    QString text;
    dataFile().read([&](const IniFile& ini) { text = ini.readString(section, key); });
    return expectedCount(text);
  };
  CHECK(s.TotalWon == stored(QStringLiteral("SG_S")));
  CHECK(s.Games == stored(QStringLiteral("SG_I")));
  CHECK(s.Resigned == stored(QStringLiteral("SG_R")));
  CHECK(s.Lost == stored(QStringLiteral("SG_P")));
  CHECK(s.Millions == stored(QStringLiteral("SG_M")));
  for (int n = 1; n <= PlayerStats::FriendCount; ++n) {
    const FriendCounters& f = s.Friends[size_t(n - 1)];
    CHECK(f.Asked == stored(QStringLiteral("SF_%1_W").arg(n)));
    CHECK(f.Right == stored(QStringLiteral("SF_%1_D").arg(n)));
    CHECK(f.Wrong == stored(QStringLiteral("SF_%1_Z").arg(n)));
  }
}

int plusOne(int count) { return count == Largest ? Largest : count + 1; }

// Counts each outcome once on the stored totals; the game picked by the tail is saved.
void checkGame(const StatsStore& stats, const QString& owner, const Tail& tail) {
  const PlayerStats before = stats.LoadStats(owner);
  checkStats(before);
  checkStoredCounts(before, owner);
  const int dollars = int(tail.word(4));
  const qint64 seconds = tail.word(0);
  const QTime duration = GameDuration(Now, Now.addSecs(-seconds));
  CHECK(duration == QTime(0, 0).addSecs(int(seconds % 86400)));
  const QStringList length = gameLengthText(Now.addSecs(seconds), Now).split(u':');
  CHECK(length.size() == 3 && length[1].size() == 2 && length[2].size() == 2);
  CHECK(length[0].toLongLong() * 3600 + length[1].toInt() * 60 + length[2].toInt() == seconds);

  struct Outcome {
    QString word;
    int PlayerStats::*counter;
  };
  const std::array<Outcome, 4> outcomes = {
      Outcome{QStringLiteral("Przegrana"), &PlayerStats::Lost},
      Outcome{QStringLiteral("Rezygnacja"), &PlayerStats::Resigned},
      Outcome{QStringLiteral("Wygrana"), &PlayerStats::Millions},
      Outcome{QStringLiteral("wygrana"), nullptr}};
  PlayerStats saved;
  for (size_t i = 0; i < outcomes.size(); ++i) {
    const PlayerStats after = addFinishedGame(before, outcomes[i].word, dollars, duration);
    checkStats(after);
    CHECK(after.Games == plusOne(before.Games));
    CHECK(after.TotalWon == int(std::clamp<qint64>(qint64(before.TotalWon) + dollars, 0, Largest)));
    CHECK(after.TotalTime == before.TotalTime.addSecs(QTime(0, 0).secsTo(duration)));
    CHECK(after.Friends == before.Friends);
    for (int PlayerStats::*counter :
         {&PlayerStats::Lost, &PlayerStats::Resigned, &PlayerStats::Millions})
      CHECK(after.*counter ==
            (counter == outcomes[i].counter ? plusOne(before.*counter) : before.*counter));
    if (i == tail.b[4] % outcomes.size()) saved = after;
  }
  const bool written = stats.SaveStats(owner, saved);
  const PlayerStats reread = stats.LoadStats(owner);
  checkStats(reread);
  CHECK(reread == (written && !isOverall(owner) ? saved : before));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray plain(reinterpret_cast<const char*>(data), qsizetype(size));
  const Tail tail(data, size);
  {
    QFile file(folder() + FileName);
    CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray onDisk = plain.startsWith('[') ? plain : scrambleText(plain);
    CHECK(file.write(onDisk) == onDisk.size());
  }
  const QString owner = pickOwner(fromCp1250(plain), tail);
  const RecordsStore records(dataFile, [] { return Now; });
  const StatsStore stats(dataFile);

  for (const QString& name : {AnonymousName, owner, QStringLiteral("Jan")})
    checkReads(records, name);
  for (const QString& name : {owner, AnonymousName}) checkGame(stats, name, tail);

  RecordEntry fixed;
  fixed.holder = QStringLiteral("Ala Kowalska");
  fixed.prizeLevel = 7;
  fixed.lastQuestion = 8;
  fixed.status = QStringLiteral("Przegrana");
  fixed.savedAt = Now;
  fixed.gameTime = QTime(0, 12, 34);
  const int at = placeFor(records.ReadTable(owner), fixed.prizeLevel);
  // Every field of an entry the file can hold comes back as it was.
  if (checkInsert(records, owner, fixed) && at >= 0)
    CHECK(records.ReadRecord(owner, at + 1) == fixed);

  checkInsert(records, owner, entryFrom(tail, owner));
  checkInsert(records, AnonymousName, entryFrom(tail, owner));
  checkReads(records, owner);

  if (records.ClearRecords(owner))
    for (const RecordEntry& e : records.ReadTable(owner)) CHECK(e == RecordEntry{});
  return 0;
}
