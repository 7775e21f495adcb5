#pragma once

#include <QString>
#include <QTime>
#include <array>
#include <functional>

class DataFile;

// How often a player phoned one friend and how the friend's suggestions turned out.
struct FriendCounters {
  int Asked = 0;  // "SF_" + n + "_W"
  int Right = 0;  // "SF_" + n + "_D"
  int Wrong = 0;  // "SF_" + n + "_Z"

  bool operator==(const FriendCounters&) const = default;
};

// A named player's totals over his finished games, kept in his player section.
struct PlayerStats {
  static constexpr int FriendCount = 4;

  std::array<FriendCounters, FriendCount> Friends{};  // friend n of the roster at [n - 1]
  int TotalWon = 0;                                   // "SG_S", dollars
  QTime TotalTime = QTime(0, 0);                      // "SG_C", a time of day: kept modulo 24 h
  int Games = 0;                                      // "SG_I"
  int Resigned = 0;                                   // "SG_R"
  int Lost = 0;                                       // "SG_P"
  int Millions = 0;                                   // "SG_M"

  bool operator==(const PlayerStats&) const = default;
};

// The totals after one more finished game: the dollars won (the ladder amount of the level the
// game ended with), its duration and its outcome word, "Przegrana", "Rezygnacja" or "Wygrana".
// A total that would pass the largest stored number stays at it; none goes below 0.
PlayerStats addFinishedGame(PlayerStats stats, const QString& outcome, int wonDollars,
                            const QTime& duration);

// The statistics in the data file; each call is one cycle of it.
class StatsStore {
 public:
  // `dataFile` gives the file as it is named at the moment of the call.
  explicit StatsStore(std::function<DataFile()> dataFile);

  // Any name, the anonymous player's too; what is missing or unreadable reads as 0 and
  // 00:00:00, and so does a negative count. A count too big to be stored reads as the largest
  // stored number, the total having overflowed.
  PlayerStats LoadStats(const QString& name) const;
  // Writes all eighteen keys. The anonymous player keeps no statistics: nothing is written for
  // him. False when the file could not be written, or the name cannot name a section.
  bool SaveStats(const QString& name, const PlayerStats& stats) const;

 private:
  std::function<DataFile()> m_dataFile;
};
