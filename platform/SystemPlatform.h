#pragma once

#include <QString>
#include <cstdint>
#include <memory>

// The handful of desktop operations the game makes outside Qt: display mode, warning bell,
// lock keys, the development-window look-up, the taskbar and the mouse cursor.
namespace platform {

// Title of the window whose presence at start-up switches the game into TestMode.
inline constexpr const char* DevEnvWindowTitle = "Fortuniak DevEnv";

struct ScreenSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

// Keyboard-state bytes of Num Lock, Caps Lock and Scroll Lock, as a keyboard-state table
// holds them: bit 0 set means the lock is on. Other bits are carried but ignored.
struct LockKeyStates {
  std::uint8_t num = 0;
  std::uint8_t caps = 0;
  std::uint8_t scroll = 0;
  friend bool operator==(const LockKeyStates&, const LockKeyStates&) = default;
};

class SystemPlatform {
 public:
  virtual ~SystemPlatform() = default;

  // Size of the whole screen in pixels, as it is now.
  virtual ScreenSize screenMetrics() = 0;
  // Switches the display to width x height; does nothing when that mode is not offered.
  virtual void SetScreenMode(int width, int height) = 0;
  // Off silences the warning bell for this session; on gives back what the user had.
  virtual void SetSystemBeep(bool on) = 0;
  virtual LockKeyStates readLockKeys() = 0;
  // Applied in the order Num Lock, Caps Lock, Scroll Lock.
  virtual void SetLockKeys(std::uint8_t num, std::uint8_t caps, std::uint8_t scroll) = 0;
  // True only when a visible top-level window titled DevEnvWindowTitle exists.
  virtual bool developmentWindowVisible() = 0;
  virtual void restoreTaskbar() = 0;
  virtual void showCursor(bool show) = 0;
  // True when the X server is XWayland: a Wayland compositor owns the display and its modes,
  // so a mode switch would change nothing the player sees.
  virtual bool underWayland() = 0;
};

// The platform of this desktop: X11 when a display can be opened, otherwise one that does
// nothing (offscreen runs, Wayland-only sessions).
std::unique_ptr<SystemPlatform> makeDesktopPlatform();

// In a Wayland session that also offers X (XWayland), Qt is told to use X: the lock-key
// lights, the bell and the cursor are reachable only there. A platform the user chose with
// QT_QPA_PLATFORM is kept. Called before the application object exists.
void preferX11UnderWayland();

}  // namespace platform
