#include "ui/Pacing.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "ui/InputGate.h"
#include "ui/Lifetime.h"

void EventLoopPacing::Pause(int ms) {
  // Once the game is quitting, the rest of a sequence runs without waiting.
  if (ms <= 0 || lifetime::terminationRequested()) return;
  m_gate.pushPause();
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  lifetime::onTermination(&loop, [&loop] { loop.quit(); });
  loop.exec();
  m_gate.popPause();
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
