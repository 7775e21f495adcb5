#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// One question as the readable source files hold it (see assets/questions/FORMAT.md).
struct SourceQuestion {
  QString text;
  std::array<QString, 4> answers;
  int correct = 0;                // 1-4
  std::array<int, 2> fifty{};     // 1-4, the two answers fifty-fifty removes
  std::array<int, 4> audience{};  // percentages of A-D
  int friendAnswer = 0;           // 1-4
  int line = 0;                   // where the block starts
};

struct SourceLevel {
  std::vector<SourceQuestion> questions;
  QStringList errors;  // "file:line: message"
};

SourceLevel parseSourceLevel(const QString& path);
// The INI text of one level's questions, sections "number;level" in file order.
QString levelToIni(const SourceLevel& level, int levelNumber);
