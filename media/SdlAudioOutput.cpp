#include "media/SdlAudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <atomic>

namespace {

constexpr int kRate = 22050;         // every wave of the game is recorded at this rate
constexpr int kBufferSamples = 512;  // about 23 ms: a purge is heard to stop at once
constexpr int kChannel = 0;

// SDL_mixer's finished callback carries no user data; this is whom it concerns.
std::atomic<SdlAudioOutput*> g_open{nullptr};

// A wave's name is a word, never a path into the other resources.
bool isWaveName(const QString& name) {
  return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
  });
}

}  // namespace

void SdlAudioOutput::FreeChunk::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

SdlAudioOutput::SdlAudioOutput() {
  SdlAudioOutput* none = nullptr;
  m_owner = g_open.compare_exchange_strong(none, this);
}

bool SdlAudioOutput::ensureOpen() {
  // The device is opened when a sound is first wanted, not while the game starts: looking for a
  // sound card can take longer than everything else start-up does.
  std::call_once(m_openOnce, [this] {
    if (!m_owner) return;
    if (!open()) {
      g_open = nullptr;
      return;
    }
    Mix_AllocateChannels(1);
    Mix_ChannelFinished(&SdlAudioOutput::onChannelFinished);
    m_open = true;
  });
  return m_open;
}

SdlAudioOutput::~SdlAudioOutput() {
  if (!m_open) {
    if (m_owner && g_open == this) g_open = nullptr;
    return;
  }
  // After this returns the callback is not running and will not run again.
  Mix_ChannelFinished(nullptr);
  Mix_HaltChannel(-1);
  m_chunks.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  g_open = nullptr;
}

bool SdlAudioOutput::open() {
  // SDL must leave SIGINT and SIGTERM to the game, which turns them into its own
  // termination request.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  const auto tryOpen = [] {
    if (SDL_Init(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 1, kBufferSamples) == 0) return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  };
  if (tryOpen()) return true;
  // Without a sound card or server the dummy driver still keeps each wave's length, so the
  // game's pacing stays as it is, only unheard.
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
  return tryOpen();
}

void SdlAudioOutput::onChannelFinished(int /*channel*/) {
  // Runs under the mixer's lock, on the audio thread or inside Mix_HaltChannel: no SDL_mixer
  // calls here.
  SdlAudioOutput* self = g_open.load();
  if (!self) return;
  {
    std::lock_guard lock(self->m_mutex);
    self->m_busy = false;
  }
  self->m_finished.notify_all();
}

Mix_Chunk* SdlAudioOutput::chunkFor(const QString& resource) {
  const QString name = resource.toUpper();
  if (!isWaveName(name)) return nullptr;
  std::lock_guard lock(m_cacheMutex);
  if (auto it = m_chunks.find(name); it != m_chunks.end()) return it->second.get();
  ChunkPtr chunk;
  QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
  if (file.open(QIODevice::ReadOnly)) {
    // The chunk gets its own converted copy of the samples; the bytes can go afterwards.
    const QByteArray data = file.readAll();
    chunk.reset(
        Mix_LoadWAV_RW(SDL_RWFromConstMem(data.constData(), static_cast<int>(data.size())), 1));
  }
  return m_chunks.emplace(name, std::move(chunk)).first->second.get();
}

bool SdlAudioOutput::play(const QString& resource) {
  if (!ensureOpen()) return false;
  Mix_Chunk* chunk = chunkFor(resource);
  if (!chunk) return false;
  std::uint64_t token = 0;
  {
    std::lock_guard start(m_startMutex);
    // Once the halt returns, the old wave's finished callback has run and cannot come late.
    Mix_HaltChannel(kChannel);
    {
      std::lock_guard lock(m_mutex);
      token = ++m_generation;
      m_busy = true;
    }
    m_finished.notify_all();  // the play() of the old wave returns
    if (Mix_PlayChannel(kChannel, chunk, 0) < 0) {
      std::lock_guard lock(m_mutex);
      m_busy = false;
      return false;
    }
  }
  std::unique_lock lock(m_mutex);
  m_finished.wait(lock, [&] { return m_generation != token || !m_busy; });
  return true;
}

void SdlAudioOutput::purge() {
  if (!m_open) return;  // not open yet: nothing plays
  std::lock_guard start(m_startMutex);
  Mix_HaltChannel(kChannel);
  {
    std::lock_guard lock(m_mutex);
    ++m_generation;
    m_busy = false;
  }
  m_finished.notify_all();
}
