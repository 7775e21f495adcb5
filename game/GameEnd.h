#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class Handlers;
class Movies;
class RecordsStore;
class Sound;
class StatsStore;
class TMainFrm;
struct GameProgress;
struct OptionFlags;
struct PlayerSession;
struct ResultPage;

namespace platform {
class SystemPlatform;
}

// A finished game waiting for the anonymous player's name before it enters the records.
struct PendingResult {
  QString amountText;
  QString outcome;
  int wonLevel = 0;
  QDateTime end;  // the game ended then, not when the name is confirmed
};

// The end of every game: the result page with its movie, the player's statistics, the
// records, and the lock-key lights given back.
class GameEnd {
 public:
  struct Needs {
    TMainFrm& form;
    Handlers& handlers;
    Movies& movies;
    Sound& sound;
    const OptionFlags& flags;
    const PlayerSession& session;
    GameProgress& progress;
    const StatsStore& stats;
    const RecordsStore& records;
    platform::SystemPlatform& desktop;
    std::function<QDateTime()> now;
  };

  explicit GameEnd(Needs needs);
  ~GameEnd();

  ResultPage& page() { return *m_page; }

  void EndGame(const QString& outcome, const QString& amountText, int wonLevel);
  void edtLNameChange();
  void btnLOkClick();
  // The lock-key lights as they were when the game was set up, if a game is on.
  void restoreSavedLamps();

  // A name the anonymous player may enter the records under.
  static bool acceptableRecordName(const QString& name);
  // A duration as the result page shows it.
  static QString longTimeText(const QTime& time);

 private:
  // EndGame for a result whose game ended at `result.end`.
  void finish(const PendingResult& result);
  void showRecordHolder(bool zeroForEmpty);
  // The name the result enters the records under; empty while the name panel waits.
  QString recordsName(const PendingResult& result);

  Needs m_;
  std::unique_ptr<ResultPage> m_page;
  std::optional<PendingResult> m_pending;
};
