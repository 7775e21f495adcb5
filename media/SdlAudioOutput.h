#pragma once

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "media/AudioOutput.h"

struct Mix_Chunk;

// The waves embedded under ":/sounds", played on one SDL_mixer channel. SDL_mixer is one per
// process, so only one of these may be open at a time; a second one stays silent. No play()
// may still be running when it goes.
class SdlAudioOutput : public AudioOutput {
 public:
  SdlAudioOutput();
  ~SdlAudioOutput() override;
  SdlAudioOutput(const SdlAudioOutput&) = delete;
  SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

  bool play(const QString& resource) override;
  void purge() override;
  void prepare() override { ensureOpen(); }

  // Opens the device if that has not happened yet. False when not even SDL's dummy driver could
  // be opened: every play returns at once.
  bool isOpen() { return ensureOpen(); }

 private:
  struct FreeChunk {
    void operator()(Mix_Chunk* chunk) const;
  };
  using ChunkPtr = std::unique_ptr<Mix_Chunk, FreeChunk>;

  static void onChannelFinished(int channel);
  static bool open();
  bool ensureOpen();
  Mix_Chunk* chunkFor(const QString& resource);

  bool m_owner = false;  // holds the one SDL_mixer of the process
  std::once_flag m_openOnce;
  std::atomic<bool> m_open{false};

  std::mutex m_cacheMutex;
  std::map<QString, ChunkPtr> m_chunks;  // by upper-case name; empty = no such wave

  // Serialises starting a wave against stopping one, so a purge never falls between the halt
  // of the old wave and the start of the new one.
  std::mutex m_startMutex;
  // Never held while calling into SDL_mixer: the finished callback takes it under the mixer's
  // own lock.
  std::mutex m_mutex;
  std::condition_variable m_finished;
  std::uint64_t m_generation = 0;  // bumped by every start and purge
  bool m_busy = false;             // the channel plays the latest wave
};
