#pragma once

#include <QString>

// Where the game's waves are heard: one at a time, each played to its end by the caller's
// thread, so the sound thread can hand over by name and by stopping.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Plays the named wave and returns when it has ended or was stopped; a new play stops the
  // one before. False, at once and silent, when there is nothing to play under that name.
  virtual bool play(const QString& resource) = 0;
  // Stops whatever plays, at once; callable from any thread. The blocked play() returns.
  virtual void purge() = 0;
  // Called on the user-interface thread before a sound is first wanted, so an output that opens
  // its device late does so there and not on the sound thread.
  virtual void prepare() {}
};
