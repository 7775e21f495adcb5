#include "tools/questions/GameFile.h"

#include <QFile>
#include <QSaveFile>

#include "questions/QuestionBank.h"
#include "storage/Cp1250.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"
#include "tools/questions/QuestionSource.h"

bool readGameText(const QString& path, QString& plain, QString& error) {
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) {
    error = path + QStringLiteral(": cannot be read");
    return false;
  }
  const QByteArray bytes = in.readAll();
  plain = fromCp1250(bytes.startsWith('[') ? bytes : scrambleText(bytes));
  return true;
}

int countLevel(const IniFile& file, int level) {
  int n = 0;
  while (n < QuestionBank::MaxPerLevel && file.sectionExists(questionSection(n + 1, level))) ++n;
  return n;
}

QuestionLevels levelsOf(const IniFile& file) {
  QuestionLevels levels(QuestionBank::Levels);
  for (int level = 1; level <= QuestionBank::Levels; ++level)
    for (int n = 1, count = countLevel(file, level); n <= count; ++n)
      levels[size_t(level - 1)].push_back(StoredQuestion::read(file, n, level));
  return levels;
}

bool writeGameFile(const QuestionLevels& levels, const QString& path, QString& error) {
  QString ini;
  for (size_t l = 0; l < levels.size(); ++l) ini += levelToIni(levels[l], int(l + 1));
  const auto bytes = toCp1250(ini);
  if (!bytes) {
    error = QStringLiteral("the questions hold characters Windows-1250 lacks");
    return false;
  }
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(scrambleText(*bytes)) < 0 || !out.commit()) {
    error = path + QStringLiteral(": cannot be written");
    return false;
  }
  return true;
}
