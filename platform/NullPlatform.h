#pragma once

#include "platform/SystemPlatform.h"

namespace platform {

// A desktop we cannot reach (offscreen runs, Wayland-only sessions): nothing to change,
// nothing to find.
class NullPlatform final : public SystemPlatform {
 public:
  ScreenSize screenMetrics() override;
  void SetScreenMode(int width, int height) override;
  void SetSystemBeep(bool on) override;
  LockKeyStates readLockKeys() override;
  void SetLockKeys(std::uint8_t num, std::uint8_t caps, std::uint8_t scroll) override;
  bool developmentWindowVisible() override;
  void restoreTaskbar() override;
  void showCursor(bool show) override;
  bool underWayland() override;
};

}  // namespace platform
