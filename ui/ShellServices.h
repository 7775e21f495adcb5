#pragma once

#include <QString>

struct ShellParts;

// What the shell asks of the other subsystems while it starts, runs its menu and shuts down.
// Every operation must be provided: one whose subsystem is not built yet is listed as
// pending by the composition, not left to do nothing unnoticed.
class ShellServices {
 public:
  virtual ~ShellServices() = default;

  // The windows exist: the subsystems add their screens and handlers.
  virtual void buildScreens(ShellParts& parts) = 0;
  // The windows are about to go: nothing may refer to them any more.
  virtual void releaseScreens() = 0;

  virtual void createSoundThread() = 0;
  virtual void resetCurrentPlayer() = 0;
  virtual void disableMovieInput() = 0;
  virtual void LoadOptions() = 0;
  virtual void SaveOptions() = 0;
  virtual void RefreshOptionsView() = 0;
  virtual void OpcjeClick() = 0;
  virtual void ProfilesShow() = 0;
  // A movie that cannot be written is skipped: the game goes on without it.
  virtual void PlayMovie(const QString& resource) = 0;
  virtual void EnsureInfoMoviePlaying() = 0;
  virtual void StopResultMovie() = 0;
  virtual void ShowRecordsSidePanel(bool show) = 0;
  // Gives back the lock-key states saved when the game screen was set up.
  virtual void restoreSavedLamps() = 0;
};
