#pragma once

#include "platform/SystemPlatform.h"
#include "tests/support/CallLog.h"

// A desktop that remembers every system call made on it and answers from its fields.
class RecordingPlatform : public platform::SystemPlatform {
 public:
  explicit RecordingPlatform(CallLog& log) : m_log(log) {}

  platform::ScreenSize screen{1024, 768};
  bool devWindow = false;
  platform::LockKeyStates locks{};
  bool cursorShown = true;
  bool beepOn = true;
  bool modesSwitch = true;  // false: a server that refuses every mode change
  bool xwayland = false;

  platform::ScreenSize screenMetrics() override {
    m_log.add("screenMetrics");
    return screen;
  }
  void SetScreenMode(int width, int height) override {
    m_log.add("SetScreenMode(" + std::to_string(width) + "," + std::to_string(height) + ")");
    if (modesSwitch) screen = {width, height};
  }
  void SetSystemBeep(bool on) override {
    m_log.add(on ? "SetSystemBeep(on)" : "SetSystemBeep(off)");
    beepOn = on;
  }
  platform::LockKeyStates readLockKeys() override {
    m_log.add("readLockKeys");
    return locks;
  }
  void SetLockKeys(std::uint8_t num, std::uint8_t caps, std::uint8_t scroll) override {
    m_log.add("SetLockKeys(" + std::to_string(num) + "," + std::to_string(caps) + "," +
              std::to_string(scroll) + ")");
    locks = {num, caps, scroll};
  }
  bool developmentWindowVisible() override {
    m_log.add("developmentWindowVisible");
    return devWindow;
  }
  void restoreTaskbar() override { m_log.add("restoreTaskbar"); }
  void showCursor(bool show) override {
    m_log.add(show ? "showCursor(true)" : "showCursor(false)");
    cursorShown = show;
  }
  bool underWayland() override {
    m_log.add("underWayland");
    return xwayland;
  }

 private:
  CallLog& m_log;
};
