#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>
#include <array>
#include <functional>

class DataFile;

// One place of a records table. Keys in the owner's player section are the letter followed by
// the place, "N1" to "C15". A value the file holds that is none of those described below
// (edited by hand or damaged) reads as the field's default.
struct RecordEntry {
  QString holder = QStringLiteral("NIKT");                          // "N"
  int prizeLevel = 0;                                               // "P": ladder step won, 0-15
  int lastQuestion = 0;                                             // "O": question on screen, 0-15
  QString status = QStringLiteral("-----");                         // "S": outcome word or "-----"
  QDateTime savedAt = QDateTime(QDate(2011, 11, 11), QTime(0, 0));  // "D"
  QTime gameTime = QTime(0, 0);                                     // "C": the game's duration

  bool operator==(const RecordEntry&) const = default;
};

inline constexpr int RecordPlaces = 15;
using RecordsTable = std::array<RecordEntry, RecordPlaces>;

// The records tables: one per player in his section, and the overall table in the anonymous
// player's section. A place with prize level 0 is empty. Each call below is one cycle of the
// data file per table it touches.
class RecordsStore {
 public:
  // `dataFile` gives the file as it is named at the moment of the call; `now` places the
  // two-digit years of stored dates.
  RecordsStore(std::function<DataFile()> dataFile, std::function<QDateTime()> now);

  // Place 1 to 15 of the owner's table; any other place reads as an empty one.
  RecordEntry ReadRecord(const QString& owner, int place) const;
  RecordsTable ReadTable(const QString& owner) const;
  // Puts the entry behind every entry of an equal or higher level of the owner's table, when
  // there is a lower one. A named owner's entry also goes into the overall table when it beats
  // place 15 there. An entry whose level is off the ladder enters no table; its other fields
  // are stored as they will read back. False when a table could not be written.
  bool InsertRecord(const QString& owner, const RecordEntry& entry) const;
  // Removes the fifteen places of the owner's table; the rest of the section stays.
  bool ClearRecords(const QString& owner) const;

 private:
  bool insertInto(const QString& owner, const RecordEntry& entry) const;

  std::function<DataFile()> m_dataFile;
  std::function<QDateTime()> m_now;
};
