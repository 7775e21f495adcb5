#include <QtGlobal>

#include "platform/NullPlatform.h"
#include "platform/SystemPlatform.h"
#include "platform/X11Platform.h"

namespace platform {

std::unique_ptr<SystemPlatform> makeDesktopPlatform() {
  auto x11 = std::make_unique<X11Platform>();
  if (x11->connected()) return x11;
  return std::make_unique<NullPlatform>();
}

void preferX11UnderWayland() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
}

}  // namespace platform
