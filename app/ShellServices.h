#pragma once

#include <QString>

struct ShellParts;

// What the shell asks of the other subsystems while it starts, runs its menu and shuts down.
// The composition of the game overrides these with the real subsystems; an operation whose
// subsystem is not part of the game does nothing.
class ShellServices {
 public:
  virtual ~ShellServices() = default;

  // The windows exist: the subsystems add their screens and handlers.
  virtual void buildScreens(ShellParts& /*parts*/) {}
  // The windows are about to go: nothing may refer to them any more.
  virtual void releaseScreens() {}

  virtual void createSoundThread() {}
  virtual void resetCurrentPlayer() {}
  virtual void disableMovieInput() {}
  virtual void LoadOptions() {}
  virtual void SaveOptions() {}
  virtual void RefreshOptionsView() {}
  virtual void OpcjeClick() {}
  virtual void ProfilesShow() {}
  // False when the movie could not be brought out (its message has been shown).
  virtual bool PlayMovie(const QString& /*resource*/) { return true; }
  virtual void EnsureInfoMoviePlaying() {}
  virtual void StopResultMovie() {}
  virtual void ShowRecordsSidePanel(bool /*show*/) {}
  // Gives back the lock-key states saved when the game screen was set up.
  virtual void restoreSavedLamps() {}
};
