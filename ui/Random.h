#pragma once

#include <chrono>
#include <random>

// The game's random numbers: uniform draws from a standard engine. The game seeds it from the
// clock and the system's entropy; tests give a fixed seed and the engine stays on it.
class Random {
 public:
  Random() : m_fixed(false) { reseed(); }
  explicit Random(std::uint32_t seed) : m_engine(seed), m_fixed(true) {}

  // Where the game re-seeds "from the clock"; a fixed-seed engine keeps its sequence.
  void reseed() {
    if (m_fixed) return;
    std::random_device device;
    std::seed_seq seq{
        device(), device(),
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
    m_engine.seed(seq);
  }
  // A uniform whole number from `low` to `high`, both included.
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }

 private:
  std::mt19937 m_engine;
  bool m_fixed;
};
