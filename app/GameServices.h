#pragma once

#include <memory>

#include "app/Pacing.h"
#include "app/ShellServices.h"
#include "options/OptionFlags.h"
#include "players/PlayerSession.h"

class DataFile;
class Movies;
class QuestionBank;
class Random;
class StartCheck;
class Sound;
class Options;
class ProfileScreens;
class ProfileStore;
struct AppContext;

// The subsystems of the game as the shell calls them.
class GameServices : public ShellServices {
 public:
  GameServices();
  ~GameServices() override;

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
  bool PlayMovie(const QString& resource) override;
  void EnsureInfoMoviePlaying() override;
  void StopResultMovie() override;

  PlayerSession& session() { return m_session; }
  Options& options() { return *m_options; }
  Movies& movies() { return *m_movies; }
  QuestionBank& questionBank() { return *m_bank; }
  Sound& sound() { return *m_sound; }

 private:
  DataFile dataFile() const;

  const AppContext* m_context = nullptr;
  PlayerSession m_session;
  OptionFlags m_flags;
  int m_level = 1;  // the ladder step of the question on screen
  PacingRelay m_pacing;
  std::unique_ptr<Sound> m_sound;
  std::unique_ptr<ProfileStore> m_store;
  std::unique_ptr<Options> m_options;
  std::unique_ptr<ProfileScreens> m_profiles;
  std::unique_ptr<Movies> m_movies;
  std::unique_ptr<Random> m_random;
  std::unique_ptr<QuestionBank> m_bank;
  std::unique_ptr<StartCheck> m_startCheck;
};
