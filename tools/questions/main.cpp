// fortuniak-pytania: makes and reads question sets for the game.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "questions/Calibration.h"
#include "questions/Question.h"
#include "questions/QuestionFile.h"
#include "storage/Cp1250.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"
#include "tools/questions/QuestionSource.h"

namespace {

QTextStream& err() {
  static QTextStream stream(stderr);
  return stream;
}

QTextStream& out() {
  static QTextStream stream(stdout);
  return stream;
}

int usage() {
  err() << "Użycie:\n"
           "  fortuniak-pytania pack KATALOG_ŹRÓDŁOWY Pytania.pFK   (źródło -> plik gry)\n"
           "  fortuniak-pytania unpack Pytania.pFK KATALOG          (plik gry -> źródło)\n"
           "  fortuniak-pytania check Pytania.pFK                   (sprawdza plik gry)\n";
  return 2;
}

QString levelFile(const QString& dir, int level) {
  return QDir(dir).filePath(QStringLiteral("level-%1.txt").arg(level, 2, 10, QChar(u'0')));
}

// The plain text of a game file; a plain copy (as the game makes at start-up) is read as it is.
bool readGameText(const QString& path, QString& plain) {
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) {
    err() << path << ": cannot be read\n";
    return false;
  }
  const QByteArray bytes = in.readAll();
  plain = fromCp1250(bytes.startsWith('[') ? bytes : scrambleText(bytes));
  return true;
}

bool readGameFile(const QString& path, IniFile& file) {
  QString plain;
  if (!readGameText(path, plain)) return false;
  file = IniFile(plain);
  return true;
}

// What lies in the file besides questions (junk appended to a good file, for one).
int reportStrayLines(const QString& plain) {
  int total = 0;
  for (const QString& line : questionfile::strayLines(plain, 10, &total)) out() << line << '\n';
  if (total > 10) out() << "... " << total - 10 << " more lines that belong to no question\n";
  return total;
}

int countLevel(const IniFile& file, int level) {
  int n = 0;
  while (n < 255 && file.sectionExists(questionSection(n + 1, level))) ++n;
  return n;
}

int check(const QString& path) {
  const qint64 size = QFileInfo(path).size();
  if (size > questionfile::MaxBytes) {
    out() << path << ": " << size << " bytes, more than the game reads (" << questionfile::MaxBytes
          << "); the game refuses it\n";
    return 1;
  }
  QString plain;
  if (!readGameText(path, plain)) return 1;
  const IniFile file(plain);
  int problems = reportStrayLines(plain);
  for (int level = 1; level <= 15; ++level) {
    const int count = countLevel(file, level);
    int playable = 0;
    std::vector<StoredQuestion> questions;
    for (int n = 1; n <= count; ++n) {
      questions.push_back(StoredQuestion::read(file, n, level));
      const QStringList found = questions.back().problems();
      for (const QString& p : found) out() << "[" << questionSection(n, level) << "] " << p << '\n';
      problems += static_cast<int>(found.size());
      if (found.isEmpty()) ++playable;
    }
    if (count == 0) {
      out() << "[1;" << level << "] missing: level " << level << " has no questions\n";
      ++problems;
    }
    const LevelCalibration c = calibrate(questions);
    out() << "poziom " << level << ": " << count << " pytań, " << playable << " do gry; "
          << QStringLiteral(
                 "przyjaciel ma rację w %1%, faworyt publiczności w %2%, średni udział "
                 "dobrej odpowiedzi %3%\n")
                 .arg(c.friendRightPercent(), 0, 'f', 0)
                 .arg(c.audienceRightPercent(), 0, 'f', 0)
                 .arg(c.meanRightShare, 0, 'f', 1);
  }
  out() << (problems ? QStringLiteral("problemów: %1\n").arg(problems)
                     : QStringLiteral("plik jest poprawny\n"));
  return problems ? 1 : 0;
}

int unpack(const QString& path, const QString& dir) {
  IniFile file;
  if (!readGameFile(path, file)) return 1;
  QDir().mkpath(dir);
  for (int level = 1; level <= 15; ++level) {
    QString text = QStringLiteral("# Poziom %1\n").arg(level);
    for (int n = 1, count = countLevel(file, level); n <= count; ++n) {
      const StoredQuestion q = StoredQuestion::read(file, n, level);
      text += QStringLiteral("\nP: %1\n").arg(q.text);
      for (int i = 0; i < 4; ++i)
        text += QStringLiteral("%1: %2\n").arg(QChar(u'A' + i)).arg(q.answers[i]);
      text += QStringLiteral("G: %1\n50: %2 %3\n%: %4 %5 %6 %7\nT: %8\n")
                  .arg(LetterOf(q.correct), LetterOf(q.fiftyOut1), LetterOf(q.fiftyOut2))
                  .arg(q.audience[0])
                  .arg(q.audience[1])
                  .arg(q.audience[2])
                  .arg(q.audience[3])
                  .arg(LetterOf(q.friendAnswer));
    }
    QFile outFile(levelFile(dir, level));
    if (!outFile.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        outFile.write(text.toUtf8()) < 0) {
      err() << outFile.fileName() << ": cannot be written\n";
      return 1;
    }
  }
  return 0;
}

int pack(const QString& sourceDir, const QString& output) {
  QString ini;
  QStringList errors;
  for (int level = 1; level <= 15; ++level) {
    const QString path = levelFile(sourceDir, level);
    const SourceLevel parsed = parseSourceLevel(path);
    errors += parsed.errors;
    ini += levelToIni(parsed, level);
  }
  const auto bytes = toCp1250(ini);
  if (!bytes) errors << QStringLiteral("the questions hold characters Windows-1250 lacks");
  if (!errors.isEmpty()) {
    for (const QString& e : errors) err() << e << '\n';
    return 1;
  }
  QFile out(output);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(scrambleText(*bytes)) < 0) {
    err() << output << ": cannot be written\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 4 && args[1] == u"pack") return pack(args[2], args[3]);
  if (args.size() == 4 && args[1] == u"unpack") return unpack(args[2], args[3]);
  if (args.size() == 3 && args[1] == u"check") return check(args[2]);
  return usage();
}
