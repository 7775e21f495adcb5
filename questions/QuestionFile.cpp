#include "questions/QuestionFile.h"

namespace {

// "number;level" in plain decimal: questions 1-255 of levels 1-15.
bool isQuestionSection(QStringView name) {
  const qsizetype semicolon = name.indexOf(u';');
  if (semicolon < 0) return false;
  auto inRange = [](QStringView digits, int high) {
    if (digits.isEmpty() || digits.size() > 3 || digits.startsWith(u'0')) return false;
    for (QChar c : digits)
      if (c < u'0' || c > u'9') return false;
    return digits.toInt() <= high;
  };
  return inRange(name.left(semicolon), 255) && inRange(name.mid(semicolon + 1), 15);
}

bool isQuestionKey(QStringView key) {
  static const QString keys = QStringLiteral("PABCDG12T6789");
  const QStringView k = key.trimmed();
  return k.size() == 1 && keys.contains(k[0].toUpper());
}

}  // namespace

QStringList questionfile::strayLines(const QString& plain, int limit, int* total) {
  QStringList found;
  int count = 0;
  qsizetype start = 0;
  for (int number = 1; start < plain.size(); ++number) {
    qsizetype end = plain.indexOf(u'\n', start);
    if (end < 0) end = plain.size();
    const QStringView line = QStringView(plain).mid(start, end - start).trimmed();
    start = end + 1;
    if (line.isEmpty() || line.startsWith(u';')) continue;
    bool fits = false;
    if (line.startsWith(u'[') && line.endsWith(u']'))
      fits = isQuestionSection(line.mid(1, line.size() - 2).trimmed());
    else if (const qsizetype eq = line.indexOf(u'='); eq > 0)
      fits = isQuestionKey(line.left(eq));
    if (fits) continue;
    if (++count <= limit) found << QStringLiteral("line %1: not part of any question").arg(number);
  }
  if (total) *total = count;
  return found;
}
