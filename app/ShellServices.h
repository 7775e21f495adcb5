#pragma once

#include <QString>

// What the shell asks of the other subsystems while it starts, runs its menu and shuts down.
// The composition of the game overrides these with the real subsystems; an operation whose
// subsystem is not part of the game does nothing.
class ShellServices {
 public:
  virtual ~ShellServices() = default;

  virtual void createSoundThread() {}
  virtual void resetCurrentPlayer() {}
  virtual void disableMovieInput() {}
  virtual void LoadOptions() {}
  virtual void SaveOptions() {}
  virtual void RefreshOptionsView() {}
  virtual void OpcjeClick() {}
  virtual void ProfilesShow() {}
  virtual void PlayMovie(const QString& /*resource*/) {}
  virtual void EnsureInfoMoviePlaying() {}
  virtual void StopResultMovie() {}
  virtual void ShowRecordsSidePanel(bool /*show*/) {}
  // Gives back the lock-key states saved when the game screen was set up.
  virtual void restoreSavedLamps() {}
};
