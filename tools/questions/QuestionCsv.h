#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "tools/questions/GameFile.h"

class Random;

// A player's own questions in a spreadsheet, one a row under the header
// "poziom,pytanie,A,B,C,D,poprawna" (any order, any letter case; other columns are left alone).
// A row without a level joins the rows without one, spread over the fifteen levels in file
// order; the lifelines' data are drawn level by level (LifelineDraw.h).
struct CsvImport {
  QuestionLevels levels;
  QStringList errors;    // "FILE:LINE: …": with any, nothing is to be written
  QStringList warnings;  // a set the game cannot play yet, and what it lacks
};

CsvImport importQuestions(const QByteArray& csv, const QString& fileName, Random& random);
// The same columns, every row with its level, comma-separated UTF-8.
QByteArray exportQuestions(const QuestionLevels& levels);
