#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "media/AudioOutput.h"

// An output whose waves the test ends, or lets run for a given time; it records every play.
class ScriptedOutput : public AudioOutput {
 public:
  enum class End { Playing, Finished, Purged };
  struct Play {
    QString name;
    End end = End::Playing;
    std::thread::id thread;
  };

  void setDuration(const QString& name, std::chrono::milliseconds length) {
    std::lock_guard lock(m_mutex);
    m_lengths[name] = length;
  }
  // Time spent before the wave starts, as when it is first loaded; a purge meanwhile is lost.
  void setLoadTime(std::chrono::milliseconds load) {
    std::lock_guard lock(m_mutex);
    m_load = load;
  }
  void setMissing(const QString& name) {
    std::lock_guard lock(m_mutex);
    m_missing.insert(name);
  }

  bool play(const QString& name) override {
    std::unique_lock lock(m_mutex);
    if (m_load.count() > 0) {
      const auto load = m_load;
      lock.unlock();
      std::this_thread::sleep_for(load);
      lock.lock();
    }
    if (m_missing.count(name)) {
      ++m_missingTries;
      return false;
    }
    const size_t index = m_plays.size();
    m_plays.push_back({name, End::Playing, std::this_thread::get_id()});
    m_changed.notify_all();
    // Waves without a length play until finish(); long enough that a missed stop fails the
    // test instead of hanging it.
    const auto it = m_lengths.find(name);
    const auto length =
        it != m_lengths.end() ? it->second : std::chrono::milliseconds(std::chrono::seconds(30));
    if (!m_changed.wait_for(lock, length, [&] { return m_plays[index].end != End::Playing; }))
      m_plays[index].end = End::Finished;
    m_changed.notify_all();
    return true;
  }

  void purge() override {
    std::lock_guard lock(m_mutex);
    ++m_purges;
    endAll(End::Purged);
  }

  // The wave being played reaches its end.
  void finish() {
    std::lock_guard lock(m_mutex);
    endAll(End::Finished);
  }

  bool waitForPlays(size_t count) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(2),
                              [&] { return m_plays.size() >= count; });
  }

  std::vector<Play> plays() const {
    std::lock_guard lock(m_mutex);
    return m_plays;
  }
  int purges() const {
    std::lock_guard lock(m_mutex);
    return m_purges;
  }
  int missingTries() const {
    std::lock_guard lock(m_mutex);
    return m_missingTries;
  }

 private:
  void endAll(End end) {
    for (Play& p : m_plays)
      if (p.end == End::Playing) p.end = end;
    m_changed.notify_all();
  }

  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<Play> m_plays;
  std::map<QString, std::chrono::milliseconds> m_lengths;
  std::set<QString> m_missing;
  std::chrono::milliseconds m_load{0};
  int m_purges = 0;
  int m_missingTries = 0;
};
