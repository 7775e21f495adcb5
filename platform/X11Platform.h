#pragma once

#include <memory>
#include <optional>

#include "platform/SystemPlatform.h"

// Xlib's own name for a connection; the Xlib headers stay out of ours because their
// macros (None, Bool, Status, ...) collide with Qt's names.
struct _XDisplay;

namespace platform {

// The desktop through its own Xlib connection, apart from Qt's. When no display opens
// (offscreen runs, Wayland-only sessions) every operation does nothing.
class X11Platform final : public SystemPlatform {
 public:
  X11Platform();
  ~X11Platform() override;
  X11Platform(const X11Platform&) = delete;
  X11Platform& operator=(const X11Platform&) = delete;

  bool connected() const { return m_display != nullptr; }

  ScreenSize screenMetrics() override;
  void SetScreenMode(int width, int height) override;
  void SetSystemBeep(bool on) override;
  LockKeyStates readLockKeys() override;
  void SetLockKeys(std::uint8_t num, std::uint8_t caps, std::uint8_t scroll) override;
  bool developmentWindowVisible() override;
  void restoreTaskbar() override;
  void showCursor(bool show) override;
  bool underWayland() override;

 private:
  unsigned int numLockMask();
  void lockModifier(unsigned int mask, bool on);
  void setScrollLock(bool on);
  bool scrollLockOn();
  bool isDevelopmentWindow(unsigned long window);

  std::unique_ptr<_XDisplay, int (*)(_XDisplay*)> m_display;
  bool m_hasXkb = false;
  bool m_hasRandr = false;
  std::optional<int> m_savedBellPercent;  // the user's bell while we keep it silent
  bool m_cursorHidden = false;
};

}  // namespace platform
