#include "platform/X11Platform.h"

#include <QCursor>
#include <QGuiApplication>
#include <cstring>
#include <string_view>
#include <vector>

// Xlib last: its macros would break the Qt headers above.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>

namespace platform {
namespace {

int ignoreError(Display*, XErrorEvent*) { return 0; }

// Windows vanish while we walk the tree and servers refuse modes; Xlib's default handler
// would end the game for that, so failed requests are simply forgotten.
template <typename Work>
void ignoringErrors(Display* display, Work&& work) {
  XSync(display, False);
  XErrorHandler previous = XSetErrorHandler(&ignoreError);
  work();
  XSync(display, False);
  XSetErrorHandler(previous);
}

template <typename T>
using XPtr = std::unique_ptr<T, int (*)(void*)>;

template <typename T>
XPtr<T> xOwned(T* data) {
  return XPtr<T>(data, &XFree);
}

std::vector<Window> childrenOf(Display* display, Window window) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return {};
  auto owned = xOwned(children);
  return children ? std::vector<Window>(children, children + count) : std::vector<Window>{};
}

// Exact byte comparison; reads one word more than the title so a longer name shows up.
bool propertyEquals(Display* display, Window window, Atom property, Atom type,
                    std::string_view text) {
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const long words = static_cast<long>(text.size() / 4 + 2);
  if (XGetWindowProperty(display, window, property, 0, words, False, type, &actualType, &format,
                         &count, &remaining, &data) != Success) {
    return false;
  }
  auto owned = xOwned(data);
  if (!data || format != 8 || remaining != 0 || count != text.size()) return false;
  return std::memcmp(data, text.data(), text.size()) == 0;
}

}  // namespace

X11Platform::X11Platform() : m_display(XOpenDisplay(nullptr), &XCloseDisplay) {
  if (!m_display) return;
  Display* display = m_display.get();
  int opcode = 0;
  int event = 0;
  int error = 0;
  int major = XkbMajorVersion;
  int minor = XkbMinorVersion;
  m_hasXkb = XkbQueryExtension(display, &opcode, &event, &error, &major, &minor);
  m_hasRandr = XRRQueryExtension(display, &event, &error);
}

X11Platform::~X11Platform() {
  // The bell setting outlives our connection on the server; never leave the desktop mute.
  SetSystemBeep(true);
  showCursor(true);
}

ScreenSize X11Platform::screenMetrics() {
  if (!m_display) return {};
  // Asked from the server: Xlib's cached screen size does not follow mode switches.
  Window root = 0;
  int x = 0;
  int y = 0;
  unsigned int width = 0;
  unsigned int height = 0;
  unsigned int border = 0;
  unsigned int depth = 0;
  if (XGetGeometry(m_display.get(), DefaultRootWindow(m_display.get()), &root, &x, &y, &width,
                   &height, &border, &depth) == 0) {
    return {};
  }
  return {static_cast<int>(width), static_cast<int>(height)};
}

void X11Platform::SetScreenMode(int width, int height) {
  if (!m_display || !m_hasRandr) return;
  Display* display = m_display.get();
  const Window root = DefaultRootWindow(display);
  ignoringErrors(display, [&] {
    std::unique_ptr<XRRScreenConfiguration, decltype(&XRRFreeScreenConfigInfo)> config(
        XRRGetScreenInfo(display, root), &XRRFreeScreenConfigInfo);
    if (!config) return;
    int sizeCount = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config.get(), &sizeCount);
    Rotation rotation = 0;
    const SizeID current = XRRConfigCurrentConfiguration(config.get(), &rotation);
    int target = -1;
    for (int i = 0; i < sizeCount; ++i) {
      if (sizes[i].width == width && sizes[i].height == height) target = i;
    }
    if (target < 0 || target == current) return;

    const short currentRate = XRRConfigCurrentRate(config.get());
    int rateCount = 0;
    const short* rates = XRRConfigRates(config.get(), target, &rateCount);
    short rate = rateCount > 0 ? rates[0] : 0;
    for (int i = 0; i < rateCount; ++i) {
      if (rates[i] == currentRate) rate = currentRate;
    }
    const auto id = static_cast<SizeID>(target);
    if (rate > 0) {
      XRRSetScreenConfigAndRate(display, config.get(), root, id, rotation, rate, CurrentTime);
    } else {
      XRRSetScreenConfig(display, config.get(), root, id, rotation, CurrentTime);
    }
  });
}

void X11Platform::SetSystemBeep(bool on) {
  if (!m_display) return;
  Display* display = m_display.get();
  XKeyboardControl control{};
  if (on) {
    if (!m_savedBellPercent) return;
    control.bell_percent = *m_savedBellPercent;
    m_savedBellPercent.reset();
  } else {
    // Saved only once, so silencing twice still gives back the user's own volume.
    if (!m_savedBellPercent) {
      XKeyboardState state{};
      XGetKeyboardControl(display, &state);
      m_savedBellPercent = state.bell_percent;
    }
    control.bell_percent = 0;
  }
  XChangeKeyboardControl(display, KBBellPercent, &control);
  XSync(display, False);
}

unsigned int X11Platform::numLockMask() {
  const unsigned int mask = XkbKeysymToModifiers(m_display.get(), XK_Num_Lock);
  return mask != 0 ? mask : Mod2Mask;
}

bool X11Platform::scrollLockOn() {
  Display* display = m_display.get();
  const Atom name = XInternAtom(display, "Scroll Lock", False);
  int index = 0;
  Bool state = False;
  XkbIndicatorMapRec map{};
  Bool real = False;
  return XkbGetNamedIndicator(display, name, &index, &state, &map, &real) && state;
}

LockKeyStates X11Platform::readLockKeys() {
  if (!m_display || !m_hasXkb) return {};
  XkbStateRec state{};
  if (XkbGetState(m_display.get(), XkbUseCoreKbd, &state) != Success) return {};
  const unsigned int num = numLockMask();
  LockKeyStates locks;
  locks.num = (state.locked_mods & num) == num ? 1 : 0;
  locks.caps = (state.locked_mods & LockMask) != 0 ? 1 : 0;
  locks.scroll = scrollLockOn() ? 1 : 0;
  return locks;
}

void X11Platform::lockModifier(unsigned int mask, bool on) {
  XkbLockModifiers(m_display.get(), XkbUseCoreKbd, mask, on ? mask : 0);
}

void X11Platform::setScrollLock(bool on) {
  // Scroll Lock is bound to no modifier in the usual keymaps, only to its indicator.
  Display* display = m_display.get();
  const Atom name = XInternAtom(display, "Scroll Lock", False);
  XkbSetNamedIndicator(display, name, True, on ? True : False, False, nullptr);
}

void X11Platform::SetLockKeys(std::uint8_t num, std::uint8_t caps, std::uint8_t scroll) {
  if (!m_display || !m_hasXkb) return;
  ignoringErrors(m_display.get(), [&] {
    lockModifier(numLockMask(), (num & 1) != 0);
    lockModifier(LockMask, (caps & 1) != 0);
    setScrollLock((scroll & 1) != 0);
  });
}

bool X11Platform::isDevelopmentWindow(unsigned long window) {
  Display* display = m_display.get();
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  if (attributes.map_state != IsViewable) return false;
  const std::string_view title = DevEnvWindowTitle;
  const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  return propertyEquals(display, window, XA_WM_NAME, AnyPropertyType, title) ||
         propertyEquals(display, window, netWmName, utf8, title);
}

bool X11Platform::developmentWindowVisible() {
  if (!m_display) return false;
  Display* display = m_display.get();
  bool found = false;
  ignoringErrors(display, [&] {
    // Window managers put each client window inside a frame of their own.
    for (const Window top : childrenOf(display, DefaultRootWindow(display))) {
      if (isDevelopmentWindow(top)) {
        found = true;
        return;
      }
      for (const Window client : childrenOf(display, top)) {
        if (isDevelopmentWindow(client)) {
          found = true;
          return;
        }
      }
    }
  });
  return found;
}

// Linux desktops have no taskbar window that the game could look up and bring back.
void X11Platform::restoreTaskbar() {}

void X11Platform::showCursor(bool show) {
  if (!m_display || !qGuiApp) return;
  // One override at most, so any number of hides is undone by one show.
  if (!show && !m_cursorHidden) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    m_cursorHidden = true;
  } else if (show && m_cursorHidden) {
    QGuiApplication::restoreOverrideCursor();
    m_cursorHidden = false;
  }
}

// XWayland names its outputs XWAYLAND0, XWAYLAND1, ... (older servers have no extension of
// their own to ask for).
bool X11Platform::underWayland() {
  if (!m_display || !m_hasRandr) return false;
  Display* display = m_display.get();
  bool found = false;
  ignoringErrors(display, [&] {
    std::unique_ptr<XRRScreenResources, decltype(&XRRFreeScreenResources)> resources(
        XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display)), &XRRFreeScreenResources);
    if (!resources) return;
    for (int i = 0; i < resources->noutput && !found; ++i) {
      std::unique_ptr<XRROutputInfo, decltype(&XRRFreeOutputInfo)> output(
          XRRGetOutputInfo(display, resources.get(), resources->outputs[i]), &XRRFreeOutputInfo);
      found = output && std::string_view(output->name, static_cast<std::size_t>(output->nameLen))
                            .starts_with("XWAYLAND");
    }
  });
  return found;
}

}  // namespace platform
