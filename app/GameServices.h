#pragma once

#include <QDateTime>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/SharedState.h"
#include "ui/Pacing.h"
#include "ui/ShellServices.h"

class AudioOutput;
class DataFile;
class Game;
class GameEnd;
class LifelineHooks;
class Lifelines;
class RecordsPage;
class RecordsStore;
class StatsPage;
class StatsStore;
class Movies;
class QuestionBank;
class Random;
class StartCheck;
class Sound;
class Options;
class ProfileScreens;
class ProfileStore;
class WriteFailureNotice;
struct AppContext;

// The composition of the game: builds the subsystems, hands them the shared state and connects
// them. It owns no rules of its own.
class GameServices : public ShellServices {
 public:
  GameServices();
  ~GameServices() override;

  // Where the sound is heard: the desktop's sound card unless a test gives an output of its
  // own. Set before start-up.
  void setAudioOutput(std::function<std::unique_ptr<AudioOutput>()> make) {
    m_makeAudio = std::move(make);
  }

  // Where the date and time come from: the system clock unless a test gives one. Set before
  // start-up.
  void setClock(std::function<QDateTime()> now) { m_clock = std::move(now); }

  // The random draws (questions, shuffles, the host's lines, the friends' wordings) from a fixed
  // seed, for tests that must see the same game every run. Set before start-up.
  void setRandomSeed(std::uint32_t seed) { m_seed = seed; }

  void buildScreens(ShellParts& parts) override;
  void releaseScreens() override;

  void createSoundThread() override;
  void resetCurrentPlayer() override;
  void LoadOptions() override;
  void SaveOptions() override;
  void RefreshOptionsView() override;
  void OpcjeClick() override;
  void ProfilesShow() override;
  void disableMovieInput() override;
  void PlayMovie(const QString& resource) override;
  void EnsureInfoMoviePlaying() override;
  void StopResultMovie() override;
  void ShowRecordsSidePanel(bool show) override;
  void restoreSavedLamps() override;

  SharedState& state() { return m_state; }
  PlayerSession& session() { return m_state.session; }
  Options& options() { return *m_options; }
  Movies& movies() { return *m_movies; }
  QuestionBank& questionBank() { return *m_bank; }
  Sound& sound() { return *m_sound; }
  Game& game() { return *m_game; }
  Lifelines& lifelines() { return *m_lifelines; }
  GameEnd& gameEnd() { return *m_gameEnd; }
  const RecordsStore& records() const { return *m_records; }
  const StatsStore& stats() const { return *m_stats; }
  RecordsPage& recordsPage() { return *m_recordsPage; }
  StatsPage& statsPage() { return *m_statsPage; }
  const WriteFailureNotice& writeFailureNotice() const { return *m_writeFailure; }

 private:
  DataFile dataFile() const;
  void addPendingHandlers(ShellParts& parts);
  void buildGame(ShellParts& parts);
  void buildRecordsAndStats(ShellParts& parts);

  std::function<std::unique_ptr<AudioOutput>()> m_makeAudio;
  std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
  const AppContext* m_context = nullptr;
  SharedState m_state;
  PacingRelay m_pacing;
  std::unique_ptr<WriteFailureNotice> m_writeFailure;
  std::unique_ptr<Sound> m_sound;
  std::unique_ptr<ProfileStore> m_store;
  std::unique_ptr<Options> m_options;
  std::unique_ptr<ProfileScreens> m_profiles;
  std::unique_ptr<Movies> m_movies;
  std::optional<std::uint32_t> m_seed;
  std::unique_ptr<Random> m_random;
  std::unique_ptr<QuestionBank> m_bank;
  std::unique_ptr<StartCheck> m_startCheck;
  std::unique_ptr<StatsStore> m_stats;
  std::unique_ptr<RecordsStore> m_records;
  std::unique_ptr<LifelineHooks> m_relay;
  std::unique_ptr<Lifelines> m_lifelines;
  std::unique_ptr<GameEnd> m_gameEnd;
  std::unique_ptr<Game> m_game;
  std::unique_ptr<RecordsPage> m_recordsPage;
  std::unique_ptr<StatsPage> m_statsPage;
};
