// fortuniak-pytania: makes and reads question sets for the game.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include "questions/Calibration.h"
#include "questions/Question.h"
#include "questions/QuestionFile.h"
#include "storage/IniFile.h"
#include "tools/questions/GameFile.h"
#include "tools/questions/Giveaways.h"
#include "tools/questions/QuestionCsv.h"
#include "tools/questions/QuestionSource.h"
#include "ui/Random.h"

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
           "  fortuniak-pytania check Pytania.pFK                   (sprawdza plik gry)\n"
           "  fortuniak-pytania import PLIK.csv Pytania.pFK         (arkusz -> plik gry)\n"
           "  fortuniak-pytania export Pytania.pFK PLIK.csv         (plik gry -> arkusz)\n";
  return 2;
}

QString levelFile(const QString& dir, int level) {
  return QDir(dir).filePath(QStringLiteral("level-%1.txt").arg(level, 2, 10, QChar(u'0')));
}

bool readGameFile(const QString& path, QString& plain) {
  QString error;
  if (readGameText(path, plain, error)) return true;
  err() << error << '\n';
  return false;
}

// What lies in the file besides questions (junk appended to a good file, for one).
int reportStrayLines(const QString& plain) {
  int total = 0;
  for (const QString& line : questionfile::strayLines(plain, 10, &total)) out() << line << '\n';
  if (total > 10) out() << "... " << total - 10 << " more lines that belong to no question\n";
  return total;
}

int check(const QString& path) {
  const qint64 size = QFileInfo(path).size();
  if (size > questionfile::MaxBytes) {
    out() << path << ": " << size << " bytes, more than the game reads (" << questionfile::MaxBytes
          << "); the game refuses it\n";
    return 1;
  }
  QString plain;
  if (!readGameFile(path, plain)) return 1;
  int problems = reportStrayLines(plain);
  const QuestionLevels levels = levelsOf(IniFile(plain));
  for (int level = 1; level <= 15; ++level) {
    const std::vector<StoredQuestion>& questions = levels[size_t(level - 1)];
    const int count = int(questions.size());
    int playable = 0;
    for (int n = 1; n <= count; ++n) {
      const QStringList found = questions[size_t(n - 1)].problems();
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
  // Not a fault of the file, but a game could hand the player an answer.
  const std::vector<Giveaway> giveaways = findGiveaways(levels);
  for (const Giveaway& g : giveaways) out() << "warning: " << describe(g) << '\n';
  out() << (problems ? QStringLiteral("problemów: %1\n").arg(problems)
                     : QStringLiteral("plik jest poprawny\n"));
  if (!giveaways.empty()) out() << QStringLiteral("ostrzeżeń: %1\n").arg(giveaways.size());
  return problems ? 1 : 0;
}

int unpack(const QString& path, const QString& dir) {
  QString plain;
  if (!readGameFile(path, plain)) return 1;
  const QuestionLevels levels = levelsOf(IniFile(plain));
  QDir().mkpath(dir);
  for (int level = 1; level <= 15; ++level) {
    QString text = QStringLiteral("# Poziom %1\n").arg(level);
    for (const StoredQuestion& q : levels[size_t(level - 1)]) {
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
  QuestionLevels levels;
  QStringList errors;
  for (int level = 1; level <= 15; ++level) {
    const SourceLevel parsed = parseSourceLevel(levelFile(sourceDir, level));
    errors += parsed.errors;
    levels.push_back(parsed.questions);
  }
  QString error;
  if (errors.isEmpty() && !writeGameFile(levels, output, error)) errors << error;
  for (const QString& e : errors) err() << e << '\n';
  return errors.isEmpty() ? 0 : 1;
}

int importCsv(const QString& csvPath, const QString& output) {
  QFile in(csvPath);
  if (!in.open(QIODevice::ReadOnly)) {
    err() << csvPath << ": cannot be read\n";
    return 1;
  }
  Random random;
  const CsvImport imported = importQuestions(in.readAll(), csvPath, random);
  for (const QString& e : imported.errors) err() << e << '\n';
  if (!imported.errors.isEmpty()) {
    err() << output << ": not written\n";
    return 1;
  }
  QString error;
  if (!writeGameFile(imported.levels, output, error)) {
    err() << error << '\n';
    return 1;
  }
  for (const QString& w : imported.warnings) err() << "warning: " << w << '\n';
  qsizetype count = 0;
  for (const auto& level : imported.levels) count += qsizetype(level.size());
  out() << output << QStringLiteral(": zapisano, pytań: %1\n").arg(count);
  return 0;
}

int exportCsv(const QString& path, const QString& csvPath) {
  QString plain;
  if (!readGameFile(path, plain)) return 1;
  QSaveFile csv(csvPath);
  if (!csv.open(QIODevice::WriteOnly) || csv.write(exportQuestions(levelsOf(IniFile(plain)))) < 0 ||
      !csv.commit()) {
    err() << csvPath << ": cannot be written\n";
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
  if (args.size() == 4 && args[1] == u"import") return importCsv(args[2], args[3]);
  if (args.size() == 4 && args[1] == u"export") return exportCsv(args[2], args[3]);
  return usage();
}
