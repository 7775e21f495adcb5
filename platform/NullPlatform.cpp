#include "platform/NullPlatform.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

ScreenSize NullPlatform::screenMetrics() {
  // Qt still knows a screen size offscreen; the game's own window size is the last resort.
  if (qGuiApp) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      return {screen->size().width(), screen->size().height()};
    }
  }
  return {800, 600};
}

void NullPlatform::SetScreenMode(int, int) {}

void NullPlatform::SetSystemBeep(bool) {}

LockKeyStates NullPlatform::readLockKeys() { return {}; }

void NullPlatform::SetLockKeys(std::uint8_t, std::uint8_t, std::uint8_t) {}

bool NullPlatform::developmentWindowVisible() { return false; }

void NullPlatform::restoreTaskbar() {}

void NullPlatform::showCursor(bool) {}

bool NullPlatform::underWayland() { return false; }

}  // namespace platform
