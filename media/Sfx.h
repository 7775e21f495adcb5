#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

class AudioOutput;

// The sound thread: plays the wave named in SoundName over and over until the name is
// cleared. Instead of suspending the thread as a whole it waits on a pause state, and with
// nothing to play it sleeps instead of spinning. It is created paused.
class TSfx {
 public:
  explicit TSfx(AudioOutput& output);
  // Ends the loop (stopping the wave) and joins the thread.
  ~TSfx();
  TSfx(const TSfx&) = delete;
  TSfx& operator=(const TSfx&) = delete;

  QString soundName() const;
  // Takes effect on the next pass: the wave being played finishes first.
  void setSoundName(const QString& name);

  bool running() const;
  void resume();
  // Pauses the loop and stops the wave at once; when it returns, the loop is out of play.
  void suspend();
  // Playing := false, SoundName := empty.
  void clear();
  // The application is terminating: the loop ends for good.
  void end();
  // The loop has ended (the thread is about to finish).
  bool ended() const;

  bool isPlaying() const { return Playing.load(); }
  // Wait up to `timeout`; true once the condition holds.
  // Started: a pass has begun since the name was set, or none can begin (paused, no name,
  // a wave that cannot be played, ended).
  bool waitStarted(std::chrono::milliseconds timeout);
  // Ended: Playing is false, or a pass has ended since `finishes` was read.
  bool waitEnded(std::uint64_t finishes, std::chrono::milliseconds timeout);
  std::uint64_t finishes() const;

  // For tests: how often the loop has come round, and how often it was resumed.
  std::uint64_t wakeUps() const;
  int resumes() const;

 private:
  void Execute();
  bool canStartLocked() const;
  void stopPlayLocked(std::unique_lock<std::mutex>& lock);

  AudioOutput& m_output;
  mutable std::mutex m_mutex;
  std::condition_variable m_wake;  // the loop and the waits both sleep on it
  QString SoundName;
  std::atomic<bool> Playing{false};
  bool m_paused = true;
  bool m_ending = false;
  bool m_inPlay = false;
  bool m_done = false;
  std::uint64_t m_changes = 0;       // every change of name, pause state or ending
  std::uint64_t m_silentAt = ~0ull;  // m_changes when the last play found nothing to play
  std::uint64_t m_starts = 0;
  std::uint64_t m_startsAtName = 0;
  std::uint64_t m_finishes = 0;
  std::uint64_t m_wakeUps = 0;
  int m_resumes = 0;
  std::thread m_thread;  // last: starts once everything above is set up
};
