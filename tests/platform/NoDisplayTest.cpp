// With no X display at all (offscreen CI runs, Wayland-only sessions) the game must start
// and every desktop operation must be harmless. Runs with DISPLAY unset and Qt's offscreen
// screen set to 1280x720 (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "platform/NullPlatform.h"
#include "platform/X11Platform.h"

namespace {

using platform::LockKeyStates;
using platform::ScreenSize;

class NoDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(std::getenv("DISPLAY"), nullptr) << "these cases need DISPLAY unset";
  }
};

void driveEverything(platform::SystemPlatform& desktop) {
  desktop.SetScreenMode(800, 600);
  desktop.SetSystemBeep(false);
  desktop.SetSystemBeep(true);
  desktop.SetLockKeys(1, 1, 1);
  desktop.restoreTaskbar();
  desktop.showCursor(false);
}

TEST_F(NoDisplay, DesktopPlatformIsTheNullOne) {
  std::unique_ptr<platform::SystemPlatform> desktop = platform::makeDesktopPlatform();
  EXPECT_NE(dynamic_cast<platform::NullPlatform*>(desktop.get()), nullptr);
  EXPECT_EQ(dynamic_cast<platform::X11Platform*>(desktop.get()), nullptr);
}

TEST_F(NoDisplay, UnconnectedX11PlatformDoesNothing) {
  platform::X11Platform x11;
  EXPECT_FALSE(x11.connected());
  driveEverything(x11);
  EXPECT_EQ(x11.screenMetrics(), (ScreenSize{0, 0}));
  EXPECT_EQ(x11.readLockKeys(), (LockKeyStates{0, 0, 0}));
  EXPECT_FALSE(x11.developmentWindowVisible());
  EXPECT_FALSE(x11.underWayland());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(NoDisplay, NullPlatformDoesNothingAndMeasuresQtsScreen) {
  platform::NullPlatform null;
  driveEverything(null);
  EXPECT_EQ(null.screenMetrics(), (ScreenSize{1280, 720}));
  EXPECT_EQ(null.readLockKeys(), (LockKeyStates{0, 0, 0}));
  EXPECT_FALSE(null.developmentWindowVisible());
  EXPECT_FALSE(null.underWayland());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A Wayland session that also offers X is played through X, where the lights, the bell and
// the cursor are reachable; a platform the user chose, or a session with one of the two only,
// is left to Qt.
TEST(PlatformChoice, XIsPreferredInAWaylandSessionUnlessTheUserChoseOtherwise) {
  const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
  struct Case {
    const char* display;
    const char* wayland;
    const char* chosen;
    const char* expected;
  };
  for (const Case& c :
       {Case{":5", "wayland-0", "", "xcb"}, Case{":5", "wayland-0", "wayland", "wayland"},
        Case{"", "wayland-0", "", ""}, Case{":5", "", "", ""}}) {
    qputenv("DISPLAY", c.display);
    qputenv("WAYLAND_DISPLAY", c.wayland);
    qputenv("QT_QPA_PLATFORM", c.chosen);
    platform::preferX11UnderWayland();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(c.expected))
        << c.display << " " << c.wayland << " " << c.chosen;
  }
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  qputenv("QT_QPA_PLATFORM", saved);
}

}  // namespace
