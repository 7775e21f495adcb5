#include "ui/Pacing.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "ui/InputGate.h"
#include "ui/Lifetime.h"

namespace {
// Steps closer together than this belong to one sequence; a longer gap is the player's turn.
constexpr auto kSequenceGap = std::chrono::milliseconds(40);
}  // namespace

namespace sequence {

bool goesOn() { return !lifetime::terminationRequested(); }

bool pause(Pacing& pacing, int ms) {
  pacing.ProcessMessages();
  pacing.Pause(ms);
  return goesOn();
}

bool repaint(Pacing& pacing) {
  pacing.ProcessMessages();
  return goesOn();
}

}  // namespace sequence

void EventLoopPacing::Pause(int ms) {
  // Once the game is quitting, the rest of a sequence runs without waiting.
  if (ms <= 0 || lifetime::terminationRequested()) return;
  const Clock::time_point start = Clock::now();
  Clock::duration owed{};
  if (m_lastEnd && start - *m_lastEnd < kSequenceGap) owed = start - *m_lastEnd + m_lateness;
  const Clock::duration wanted = std::chrono::milliseconds(ms);
  const auto wait =
      std::chrono::round<std::chrono::milliseconds>(std::max(Clock::duration{}, wanted - owed));
  m_gate.pushPause();
  if (wait.count() > 0) {
    QEventLoop loop;
    QTimer::singleShot(wait, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    lifetime::onTermination(&loop, [&loop] { loop.quit(); });
    loop.exec();
  }
  m_gate.popPause();
  const Clock::time_point end = Clock::now();
  // Late or early alike: the next pause of the sequence makes up for it.
  m_lateness =
      std::clamp<Clock::duration>((end - start) - (wanted - owed), -kSequenceGap, kSequenceGap);
  m_lastEnd = end;
}

void EventLoopPacing::ProcessMessages() { QCoreApplication::processEvents(); }

void PacingRelay::Pause(int ms) {
  if (m_target) m_target->Pause(ms);
}

void PacingRelay::ProcessMessages() {
  if (m_target)
    m_target->ProcessMessages();
  else if (QCoreApplication::instance())
    QCoreApplication::processEvents();
}
