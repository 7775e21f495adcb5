#include "tools/questions/QuestionSource.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const char* const kKeys[] = {"P", "A", "B", "C", "D", "G", "50", "%", "T"};

int letterNumber(const QString& letter) {
  if (letter.size() != 1) return 0;
  const char16_t c = letter[0].toUpper().unicode();
  return (c >= u'A' && c <= u'D') ? c - u'A' + 1 : 0;
}

class BlockParser {
 public:
  BlockParser(QString file, SourceLevel& out) : m_file(std::move(file)), m_out(out) {}

  void add(const QString& line, int number) {
    if (m_lines.empty()) m_start = number;
    m_lines.push_back(line);
  }

  void finish() {
    if (m_lines.empty()) return;
    StoredQuestion q;
    if (m_lines.size() != 9) {
      error(QStringLiteral("a question has nine lines, this one has %1").arg(m_lines.size()));
    } else {
      std::array<QString, 9> values;
      bool ok = true;
      for (int i = 0; i < 9; ++i) {
        const QString prefix = QString::fromLatin1(kKeys[i]) + u':';
        if (!m_lines[static_cast<size_t>(i)].startsWith(prefix)) {
          error(
              QStringLiteral("line %1 of the block must begin with \"%2\"").arg(i + 1).arg(prefix));
          ok = false;
          break;
        }
        values[static_cast<size_t>(i)] =
            m_lines[static_cast<size_t>(i)].mid(prefix.size()).trimmed();
      }
      if (ok) fill(q, values);
    }
    m_lines.clear();
  }

 private:
  void fill(StoredQuestion& q, const std::array<QString, 9>& v) {
    q.text = v[0];
    for (int i = 0; i < 4; ++i) q.answers[static_cast<size_t>(i)] = v[static_cast<size_t>(i + 1)];
    q.correct = letterNumber(v[5]);
    const QStringList fifty = v[6].split(u' ', Qt::SkipEmptyParts);
    if (fifty.size() == 2) {
      q.fiftyOut1 = letterNumber(fifty[0]);
      q.fiftyOut2 = letterNumber(fifty[1]);
    }
    const QStringList shares = v[7].split(u' ', Qt::SkipEmptyParts);
    if (shares.size() != 4) error(QStringLiteral("\"%:\" needs four numbers"));
    for (int i = 0; i < 4 && i < shares.size(); ++i) {
      bool isNumber = false;
      q.audience[static_cast<size_t>(i)] = shares[i].toInt(&isNumber);
      if (!isNumber) error(QStringLiteral("\"%1\" is not a whole number").arg(shares[i]));
    }
    q.friendAnswer = letterNumber(v[8]);
    if (!q.correct || !q.friendAnswer || !q.fiftyOut1 || !q.fiftyOut2)
      error(QStringLiteral("G, 50 and T take the letters A to D"));
    m_out.questions.push_back(q);
  }

  void error(const QString& message) {
    m_out.errors << QStringLiteral("%1:%2: %3").arg(m_file).arg(m_start).arg(message);
  }

  QString m_file;
  SourceLevel& m_out;
  std::vector<QString> m_lines;
  int m_start = 0;
};

}  // namespace

SourceLevel parseSourceLevel(const QString& path) {
  SourceLevel level;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    level.errors << QStringLiteral("%1: cannot be read").arg(path);
    return level;
  }
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  BlockParser parser(QFileInfo(path).fileName(), level);
  int number = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine();
    ++number;
    if (line.startsWith(u'#')) continue;
    if (line.trimmed().isEmpty())
      parser.finish();
    else
      parser.add(line, number);
  }
  parser.finish();
  return level;
}

QString levelToIni(const std::vector<StoredQuestion>& level, int levelNumber) {
  QString ini;
  int number = 0;
  for (const StoredQuestion& q : level) {
    ini += QStringLiteral("[%1;%2]\r\n").arg(++number).arg(levelNumber);
    ini += QStringLiteral("P=%1\r\n").arg(q.text);
    for (int i = 0; i < 4; ++i)
      ini +=
          QStringLiteral("%1=%2\r\n").arg(QChar(u'A' + i)).arg(q.answers[static_cast<size_t>(i)]);
    ini +=
        QStringLiteral("G=%1\r\n1=%2\r\n2=%3\r\n").arg(q.correct).arg(q.fiftyOut1).arg(q.fiftyOut2);
    for (int i = 0; i < 4; ++i)
      ini += QStringLiteral("%1=%2\r\n").arg(6 + i).arg(q.audience[static_cast<size_t>(i)]);
    ini += QStringLiteral("T=%1\r\n").arg(q.friendAnswer);
  }
  return ini;
}
