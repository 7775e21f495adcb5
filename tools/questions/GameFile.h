#pragma once

#include <QString>
#include <vector>

#include "questions/Question.h"

class IniFile;

// A whole question set: levels[0] holds level 1, in the numbers' order.
using QuestionLevels = std::vector<std::vector<StoredQuestion>>;

// The plain text of a game file; a plain copy (as the game makes at start-up) is read as it is.
bool readGameText(const QString& path, QString& plain, QString& error);
// Questions 1, 2, … of a level up to its first missing number, as the game counts them.
int countLevel(const IniFile& file, int level);
QuestionLevels levelsOf(const IniFile& file);
// The scrambled Windows-1250 file the game reads. Nothing is written when a text has a
// character Windows-1250 lacks or the file cannot be written whole.
bool writeGameFile(const QuestionLevels& levels, const QString& path, QString& error);
