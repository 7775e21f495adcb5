#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A spreadsheet's CSV: UTF-8 text (a byte-order mark is skipped), fields separated by commas
// or semicolons, whichever the first line has more of, a field in double quotes where it holds
// a separator, a quote (doubled) or a line break.
struct CsvRecord {
  int line = 0;  // where the record begins
  QStringList fields;
};

struct CsvError {
  int line = 0;
  QString message;
};

struct CsvTable {
  std::vector<CsvRecord> records;
  std::vector<CsvError> errors;
};

CsvTable readCsv(const QByteArray& bytes);
// One comma-separated record with its line end; a field with a comma, a semicolon, a quote, a
// line break or spaces at its ends is quoted, so that a sheet reads it back whole whichever
// separator it guesses.
QString csvRecord(const QStringList& fields);
