#include "media/Sfx.h"

#include "media/AudioOutput.h"

using namespace std::chrono_literals;

namespace {

// How soon a stop is tried again when the loop was just about to start its wave.
constexpr auto kPurgeRetry = 2ms;

}  // namespace

TSfx::TSfx(AudioOutput& output) : m_output(output), m_thread([this] { Execute(); }) {}

TSfx::~TSfx() {
  end();
  if (m_thread.joinable()) m_thread.join();
}

void TSfx::Execute() {
  std::unique_lock lock(m_mutex);
  while (!m_ending) {
    ++m_wakeUps;
    if (!canStartLocked()) {
      m_wake.wait(lock);
      continue;
    }
    const QString name = SoundName;
    m_inPlay = true;
    Playing = true;
    ++m_starts;
    m_wake.notify_all();
    lock.unlock();
    const bool played = m_output.play(name);
    lock.lock();
    m_inPlay = false;
    Playing = false;
    ++m_finishes;
    // A wave that cannot be played returns at once; going round again would spin.
    if (!played) m_silentAt = m_changes;
    m_wake.notify_all();
  }
  m_done = true;
  m_wake.notify_all();
}

bool TSfx::canStartLocked() const {
  return !m_paused && !m_ending && !SoundName.isEmpty() && m_silentAt != m_changes;
}

void TSfx::stopPlayLocked(std::unique_lock<std::mutex>& lock) {
  // A purge that comes between the loop's decision and the start of its wave is lost, so it
  // is repeated until the loop has left play().
  while (m_inPlay) {
    lock.unlock();
    m_output.purge();
    lock.lock();
    m_wake.wait_for(lock, kPurgeRetry, [this] { return !m_inPlay; });
  }
}

QString TSfx::soundName() const {
  std::lock_guard lock(m_mutex);
  return SoundName;
}

void TSfx::setSoundName(const QString& name) {
  std::lock_guard lock(m_mutex);
  SoundName = name;
  if (!name.isEmpty()) m_startsAtName = m_starts;
  ++m_changes;
  m_wake.notify_all();
}

bool TSfx::running() const {
  std::lock_guard lock(m_mutex);
  return !m_paused;
}

void TSfx::resume() {
  std::lock_guard lock(m_mutex);
  if (!m_paused) return;
  m_paused = false;
  ++m_changes;
  ++m_resumes;
  m_wake.notify_all();
}

void TSfx::suspend() {
  std::unique_lock lock(m_mutex);
  if (!m_paused) {
    m_paused = true;
    ++m_changes;
    m_wake.notify_all();
  }
  stopPlayLocked(lock);
}

void TSfx::clear() {
  std::lock_guard lock(m_mutex);
  Playing = false;
  SoundName.clear();
  ++m_changes;
  m_wake.notify_all();
}

void TSfx::end() {
  std::unique_lock lock(m_mutex);
  if (!m_ending) {
    m_ending = true;
    ++m_changes;
    m_wake.notify_all();
  }
  stopPlayLocked(lock);
}

bool TSfx::ended() const {
  std::lock_guard lock(m_mutex);
  return m_done;
}

bool TSfx::waitStarted(std::chrono::milliseconds timeout) {
  std::unique_lock lock(m_mutex);
  return m_wake.wait_for(
      lock, timeout, [this] { return Playing || m_starts != m_startsAtName || !canStartLocked(); });
}

bool TSfx::waitEnded(std::uint64_t finishes, std::chrono::milliseconds timeout) {
  std::unique_lock lock(m_mutex);
  return m_wake.wait_for(lock, timeout,
                         [&] { return !Playing || m_finishes != finishes || m_ending; });
}

std::uint64_t TSfx::finishes() const {
  std::lock_guard lock(m_mutex);
  return m_finishes;
}

std::uint64_t TSfx::wakeUps() const {
  std::lock_guard lock(m_mutex);
  return m_wakeUps;
}

int TSfx::resumes() const {
  std::lock_guard lock(m_mutex);
  return m_resumes;
}
