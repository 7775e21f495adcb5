// fortuniak-pytania: makes and reads question sets for the game.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include "storage/Cp1250.h"
#include "storage/ScrambleFile.h"
#include "tools/questions/QuestionSource.h"

namespace {

QTextStream& err() {
  static QTextStream stream(stderr);
  return stream;
}

int usage() {
  err() << "Użycie: fortuniak-pytania pack KATALOG_ŹRÓDŁOWY Pytania.pFK\n";
  return 2;
}

int pack(const QString& sourceDir, const QString& output) {
  QString ini;
  QStringList errors;
  for (int level = 1; level <= 15; ++level) {
    const QString path = QDir(sourceDir).filePath(QStringLiteral("level-%1.txt").arg(level, 2, 10, QChar(u'0')));
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
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(scrambleText(*bytes)) < 0) {
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
  return usage();
}
