#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "media/AudioOutput.h"
#include "media/Sfx.h"

class Pacing;
struct OptionFlags;

// The game's sound: the music of the question's level and the effects, played by the sound
// thread, and the phone clips, played on the caller's thread. All operations are called from
// the user-interface thread. While "Dzw" is off nothing is played and the thread is never
// resumed: the operations that would do so refuse, those that stop or wait still work, so
// sound switched off during a piece can still be stopped.
class Sound {
 public:
  // `musicPiece` names the piece that belongs to the question on screen; the game decides.
  Sound(std::unique_ptr<AudioOutput> output, Pacing& pacing, const OptionFlags& options,
        std::function<QString()> musicPiece);
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  // Opens the audio device, if sound is on, so that no timed sequence waits for it later.
  void prepareOutput();
  // On: (re)starts the piece of the current level from its beginning; it then loops.
  // Off: stops the sound thread and whatever it plays.
  void SetMusic(bool on);
  // Plays `name` over and over until StopRepeating().
  void StartSound(const QString& name);
  void WaitSoundStarted();
  // The wave being played finishes, then nothing more.
  void StopRepeating();
  void WaitSoundEnded();
  void SuspendSound();
  void PlayEffectOnce(const QString& name, bool waitForEnd);
  // Synchronous, on the calling thread; meant for while the music is off.
  void PlayWaveNow(const QString& name);

  TSfx& sfx() { return m_sfx; }

 private:
  // Returns once `met` holds, letting the screen repaint meanwhile (input does not act).
  template <typename Met>
  void waitUntil(Met met);

  std::unique_ptr<AudioOutput> m_output;
  Pacing& m_pacing;
  const OptionFlags& m_options;
  std::function<QString()> m_musicPiece;
  TSfx m_sfx;              // ends before the output it plays through goes
  QObject m_lifetimeHook;  // last: the termination handler goes first
};
