#pragma once

#include <chrono>
#include <optional>
#include <vector>

class InputGate;

// The waits of the game's timed sequences. The game waits in a local event loop so the screen
// repaints and no input acts; tests use a virtual clock that returns at once.
class Pacing {
 public:
  virtual ~Pacing() = default;
  virtual void Pause(int ms) = 0;
  // Lets pending window events be handled (repaints above all).
  virtual void ProcessMessages() = 0;
};

// The steps of a timed sequence. Each tells whether the sequence goes on, which it does not
// once the game is quitting: the rest of it must not run, so the game ends promptly.
namespace sequence {
bool goesOn();
// Pending messages handled (the screen repaints), then the wait.
bool pause(Pacing& pacing, int ms);
bool repaint(Pacing& pacing);
}  // namespace sequence

// Within a sequence, the steps between two pauses (repaints, the game's own work) and the
// lateness of the pause before count against the next pause, so a sequence of many steps keeps
// the length of its pauses instead of drifting a few milliseconds a step.
class EventLoopPacing : public Pacing {
 public:
  explicit EventLoopPacing(InputGate& gate) : m_gate(gate) {}
  void Pause(int ms) override;
  void ProcessMessages() override;

 private:
  using Clock = std::chrono::steady_clock;
  InputGate& m_gate;
  std::optional<Clock::time_point> m_lastEnd;
  Clock::duration m_lateness{};
};

// Stands for the game's pacing before the windows exist (the sound thread is made first of
// all): until the real one is set, it just lets pending events be handled.
class PacingRelay : public Pacing {
 public:
  void setTarget(Pacing* target) { m_target = target; }
  void Pause(int ms) override;
  void ProcessMessages() override;

 private:
  Pacing* m_target = nullptr;
};

// Returns at once and remembers every pause; `now()` is the sum of the pauses so far.
class VirtualPacing : public Pacing {
 public:
  void Pause(int ms) override {
    pauses.push_back(ms);
    m_now += ms;
  }
  void ProcessMessages() override { ++processed; }
  long long now() const { return m_now; }

  std::vector<int> pauses;
  int processed = 0;

 private:
  long long m_now = 0;
};
