#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "questions/Question.h"

// One level as its readable source file holds it (see assets/questions/FORMAT.md).
struct SourceLevel {
  std::vector<StoredQuestion> questions;
  QStringList errors;  // "file:line: message"
};

SourceLevel parseSourceLevel(const QString& path);
// The INI text of one level's questions, sections "number;level" in file order.
QString levelToIni(const std::vector<StoredQuestion>& level, int levelNumber);
