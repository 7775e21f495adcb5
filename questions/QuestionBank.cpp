#include "questions/QuestionBank.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "players/ProfileStore.h"
#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"
#include "ui/Random.h"

namespace {
QString listKey(int level) { return QStringLiteral("L%1").arg(level); }
}  // namespace

QuestionBank::QuestionBank(std::function<QString()> questionsPath,
                           std::function<DataFile()> dataFile, std::function<QString()> playerName,
                           Random& random, QuestionOnScreen& onScreen)
    : m_questionsPath(std::move(questionsPath)),
      m_dataFile(std::move(dataFile)),
      m_playerName(std::move(playerName)),
      m_random(random),
      m_onScreen(onScreen) {}

QuestionBank::~QuestionBank() = default;

const IniFile& QuestionBank::questions() const {
  // The copy is read again whenever it is not the file read last time (another path, size or
  // modification time); a game asks it several times for every question.
  const QString path = m_questionsPath();
  const QFileInfo info(path);
  const auto stamp = std::make_tuple(path, info.exists() ? info.size() : -1, info.lastModified());
  if (!m_cached || stamp != m_stamp) {
    QFile file(path);
    m_cached = std::make_unique<IniFile>(
        file.open(QIODevice::ReadOnly) ? IniFile(fromCp1250(file.readAll())) : IniFile());
    m_stamp = stamp;
    m_playable.clear();
  }
  return *m_cached;
}

int QuestionBank::countIn(const IniFile& file, int level) {
  int n = 0;
  while (n < MaxPerLevel && file.sectionExists(questionSection(n + 1, level))) ++n;
  return n;
}

QSet<int> QuestionBank::playableIn(const IniFile& file, int level) {
  QSet<int> out;
  const int count = countIn(file, level);
  for (int n = 1; n <= count; ++n)
    if (StoredQuestion::read(file, n, level).usable()) out.insert(n);
  return out;
}

int QuestionBank::CountQuestions(int level) const { return countIn(questions(), level); }

QSet<int> QuestionBank::playable(int level) const {
  const IniFile& file = questions();
  auto it = m_playable.find(level);
  if (it == m_playable.end()) it = m_playable.insert(level, playableIn(file, level));
  return *it;
}

bool QuestionBank::everyLevelPlayable() const {
  for (int level = 1; level <= Levels; ++level)
    if (playable(level).isEmpty()) return false;
  return true;
}

QSet<int> QuestionBank::askedNumbers(const QString& list) {
  QSet<int> out;
  for (const QString& entry : list.split(u'|', Qt::SkipEmptyParts)) {
    bool ok = false;
    const int n = entry.toInt(&ok);
    if (ok) out.insert(n);
  }
  return out;
}

QString QuestionBank::ReadAskedList(int level) const {
  QString list;
  const QString section = ProfileStore::sectionOf(m_playerName());
  m_dataFile().cycle([&](IniFile& ini) { list = ini.readString(section, listKey(level)); },
                     DataFile::TestCopy::Before);
  return list;
}

bool QuestionBank::AddAskedQuestion(int level, int number) const {
  const QString section = ProfileStore::sectionOf(m_playerName());
  return m_dataFile().cycle(
      [&](IniFile& ini) {
        const QString old = ini.readString(section, listKey(level));
        ini.writeString(section, listKey(level), old + QString::number(number) + u'|');
      },
      DataFile::TestCopy::Before);
}

bool QuestionBank::ClearAskedList(int level) const {
  const QString section = ProfileStore::sectionOf(m_playerName());
  return m_dataFile().cycle(
      [&](IniFile& ini) { ini.writeString(section, listKey(level), QString()); },
      DataFile::TestCopy::Before);
}

bool QuestionBank::ResetAskedLists() const {
  bool stored = true;
  for (int level = 1; level <= Levels; ++level) {
    // A level is used up when every question that can be played has been asked.
    const QSet<int> open = playable(level) - askedNumbers(ReadAskedList(level));
    if (open.isEmpty()) stored = ClearAskedList(level) && stored;
  }
  return stored;
}

bool QuestionBank::DrawQuestion(int level) {
  QList<int> open = (playable(level) - askedNumbers(ReadAskedList(level))).values();
  if (open.isEmpty()) return false;
  std::sort(open.begin(), open.end());
  m_random.reseed();
  const int n = open[m_random.between(0, static_cast<int>(open.size()) - 1)];
  m_onScreen.QuestionNumber = static_cast<std::uint8_t>(n);
  LoadQuestion(n, level);
  // The question is shown even when the list cannot be stored: the data file reports that.
  AddAskedQuestion(level, n);
  return true;
}

void QuestionBank::LoadQuestion(int number, int level) {
  const StoredQuestion q = StoredQuestion::read(questions(), number, level);
  m_random.reseed();
  // Shown position k holds the file's answer order[k]: each drawn again until it is new.
  std::array<int, 4> order{};
  for (int k = 0; k < 4; ++k) {
    int o;
    do o = m_random.between(1, 4);
    while (std::find(order.begin(), order.begin() + k, o) != order.begin() + k);
    order[static_cast<size_t>(k)] = o;
  }
  m_onScreen.CurrentQuestion = arrangeQuestion(q, order);
}
