#include "game/Ladder.h"

#include "ui/Theme.h"

QString AmountText(int level) {
  if (level == 15) return QStringLiteral("1 MILION");
  if (level < 1 || level > 15) return {};
  const QString digits = QString::number(LadderAmounts[level]);
  QString grouped;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += QLatin1Char(' ');
    grouped += digits[i];
  }
  return grouped;
}

KeptAmount keptAfterWrongAnswer(int level) {
  if (level >= 11) return {AmountText(10), 10};
  if (level >= 6) return {AmountText(5), 5};
  return {QStringLiteral("0"), 0};
}

KeptAmount keptAfterResignation(int level) { return {AmountText(level - 1), level - 1}; }

std::array<LadderRow, 15> ladderRows(int level) {
  const int won = level - 1;
  std::array<LadderRow, 15> rows;
  for (int i = 0; i < 15; ++i) {
    LadderRow& row = rows[i];
    row.level = 15 - i;
    row.top = 35 + 19 * (16 - row.level);
    row.numberX = row.level < 10 ? 29 : 20;
    row.highlighted = row.level == won;
    row.diamond = row.level < won;
    if (row.highlighted) {
      row.fill = theme::Orange;
      row.text = QColor(Qt::black);
      row.numberColour = theme::Ivory;
    } else {
      row.fill = QColor(Qt::black);
      row.text = row.level % 5 == 0 ? theme::Ivory : theme::Orange;
      row.numberColour = row.text;
    }
  }
  return rows;
}
