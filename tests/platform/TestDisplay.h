#pragma once

// The tests' own Xlib connection to the server the platform talks to, so every effect is
// seen the way another program on the desktop would see it. Include after Qt and gtest:
// Xlib's macros break their headers.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/SystemPlatform.h"

class TestDisplay {
 public:
  TestDisplay() : m_display(XOpenDisplay(nullptr)) {
    if (!m_display) return;
    int opcode = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    m_hasXkb = XkbQueryExtension(m_display, &opcode, &m_xkbEventBase, &error, &major, &minor);
  }
  ~TestDisplay() {
    if (!m_display) return;
    // Newest first: a frame takes its children with it.
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) XDestroyWindow(m_display, *it);
    XCloseDisplay(m_display);
  }
  TestDisplay(const TestDisplay&) = delete;
  TestDisplay& operator=(const TestDisplay&) = delete;

  bool ready() const { return m_display != nullptr && m_hasXkb; }
  Display* get() const { return m_display; }
  int xkbEventBase() const { return m_xkbEventBase; }
  Window root() const { return DefaultRootWindow(m_display); }

  // --- keyboard ---
  unsigned int lockedMods() {
    XkbStateRec state{};
    XkbGetState(m_display, XkbUseCoreKbd, &state);
    return state.locked_mods;
  }
  bool indicatorOn(const char* name) {
    int index = -1;
    Bool on = False;
    XkbIndicatorMapRec map{};
    Bool real = False;
    XkbGetNamedIndicator(m_display, atom(name), &index, &on, &map, &real);
    return on;
  }
  int indicatorIndex(const char* name) {
    int index = -1;
    Bool on = False;
    XkbIndicatorMapRec map{};
    Bool real = False;
    return XkbGetNamedIndicator(m_display, atom(name), &index, &on, &map, &real) ? index : -1;
  }
  // The three lock LEDs as another program reads them.
  platform::LockKeyStates indicators() {
    return {static_cast<std::uint8_t>(indicatorOn("Num Lock")),
            static_cast<std::uint8_t>(indicatorOn("Caps Lock")),
            static_cast<std::uint8_t>(indicatorOn("Scroll Lock"))};
  }
  void setLocks(bool num, bool caps, bool scroll) {
    XkbLockModifiers(m_display, XkbUseCoreKbd, Mod2Mask | LockMask,
                     (num ? Mod2Mask : 0u) | (caps ? LockMask : 0u));
    XkbSetNamedIndicator(m_display, atom("Scroll Lock"), True, scroll, False, nullptr);
    XSync(m_display, False);
  }

  int bellPercent() {
    XKeyboardState state{};
    XGetKeyboardControl(m_display, &state);
    return state.bell_percent;
  }
  void setBellPercent(int percent) {
    XKeyboardControl control{};
    control.bell_percent = percent;
    XChangeKeyboardControl(m_display, KBBellPercent, &control);
    XSync(m_display, False);
  }

  // --- screen ---
  platform::ScreenSize rootSize() {
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    XGetGeometry(m_display, this->root(), &root, &x, &y, &width, &height, &border, &depth);
    return {static_cast<int>(width), static_cast<int>(height)};
  }

  // --- windows ---
  // A window the tests own; either name left out stays unset.
  Window createWindow(Window parent, std::optional<std::string> wmName,
                      std::optional<std::string> netWmName) {
    Window window = XCreateSimpleWindow(m_display, parent, 10, 10, 200, 100, 0, 0, 0);
    m_windows.push_back(window);
    if (wmName) {
      XChangeProperty(m_display, window, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(wmName->data()),
                      static_cast<int>(wmName->size()));
    }
    if (netWmName) {
      XChangeProperty(m_display, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8,
                      PropModeReplace, reinterpret_cast<const unsigned char*>(netWmName->data()),
                      static_cast<int>(netWmName->size()));
    }
    XSync(m_display, False);
    return window;
  }
  void map(Window window) {
    XMapWindow(m_display, window);
    XSync(m_display, False);
  }
  void unmap(Window window) {
    XUnmapWindow(m_display, window);
    XSync(m_display, False);
  }

  Atom atom(const char* name) { return XInternAtom(m_display, name, False); }

 private:
  Display* m_display;
  bool m_hasXkb = false;
  int m_xkbEventBase = 0;
  std::vector<Window> m_windows;
};
