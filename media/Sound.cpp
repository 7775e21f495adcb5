#include "media/Sound.h"

#include <chrono>

#include "options/OptionFlags.h"
#include "ui/Lifetime.h"
#include "ui/Pacing.h"

using namespace std::chrono_literals;

namespace {

// A wait hands the screen a chance to repaint this often.
constexpr auto kWaitSlice = 10ms;

}  // namespace

Sound::Sound(std::unique_ptr<AudioOutput> output, Pacing& pacing, const OptionFlags& options,
             std::function<QString()> musicPiece)
    : m_output(std::move(output)),
      m_pacing(pacing),
      m_options(options),
      m_musicPiece(std::move(musicPiece)),
      m_sfx(*m_output) {
  lifetime::onTermination(&m_lifetimeHook, [this] { m_sfx.end(); });
  if (lifetime::terminationRequested()) m_sfx.end();
}

Sound::~Sound() = default;

template <typename Met>
void Sound::waitUntil(Met met) {
  for (;;) {
    if (met(0ms) || lifetime::terminationRequested()) return;
    m_pacing.ProcessMessages();
    met(kWaitSlice);
  }
}

void Sound::SetMusic(bool on) {
  if (on) {
    if (!m_options.Dzw) return;
    m_output->prepare();
    m_pacing.ProcessMessages();
    if (m_sfx.running()) m_sfx.suspend();
    m_output->purge();
    m_sfx.setSoundName(m_musicPiece());
    m_sfx.resume();
    return;
  }
  m_pacing.ProcessMessages();
  if (!m_sfx.running()) return;
  m_sfx.suspend();
  m_output->purge();
  m_sfx.clear();
}

void Sound::prepareOutput() {
  if (m_options.Dzw) m_output->prepare();
}

void Sound::StartSound(const QString& name) {
  if (!m_options.Dzw) return;
  m_output->prepare();
  m_sfx.setSoundName(name);
  m_sfx.resume();
}

void Sound::WaitSoundStarted() {
  if (!m_options.Dzw) return;
  waitUntil([this](std::chrono::milliseconds timeout) { return m_sfx.waitStarted(timeout); });
}

void Sound::StopRepeating() { m_sfx.setSoundName({}); }

void Sound::WaitSoundEnded() {
  const std::uint64_t finishes = m_sfx.finishes();
  waitUntil([this, finishes](std::chrono::milliseconds timeout) {
    return m_sfx.waitEnded(finishes, timeout);
  });
}

void Sound::SuspendSound() { m_sfx.suspend(); }

void Sound::PlayEffectOnce(const QString& name, bool waitForEnd) {
  if (!m_options.Dzw) return;
  StartSound(name);
  WaitSoundStarted();
  StopRepeating();
  if (waitForEnd) {
    WaitSoundEnded();
    SuspendSound();
  }
}

void Sound::PlayWaveNow(const QString& name) {
  if (!m_options.Dzw) return;
  m_output->play(name);
}
