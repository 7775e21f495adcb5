// The desktop platform as the game gets it when an X display is there, and the cursor
// override it keeps in Qt. Runs under Xvfb (1024x768).
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <memory>

#include "platform/X11Platform.h"

namespace {

TEST(XvfbDesktop, MakesTheX11PlatformAndMeasuresTheScreen) {
  std::unique_ptr<platform::SystemPlatform> desktop = platform::makeDesktopPlatform();
  auto* x11 = dynamic_cast<platform::X11Platform*>(desktop.get());
  ASSERT_NE(x11, nullptr);
  EXPECT_TRUE(x11->connected());
  EXPECT_EQ(desktop->screenMetrics(), (platform::ScreenSize{1024, 768}));
  EXPECT_FALSE(desktop->underWayland()) << "Xvfb is a server of its own";
}

class XvfbCursor : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_platform.connected());
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
  void TearDown() override {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  }

  platform::X11Platform m_platform;
};

TEST_F(XvfbCursor, HidingTwiceThenShowingOnceShowsIt) {
  m_platform.showCursor(false);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
  m_platform.showCursor(false);
  m_platform.showCursor(true);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(XvfbCursor, ShowingLeavesOtherOverridesAlone) {
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  m_platform.showCursor(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);

  m_platform.showCursor(false);
  m_platform.showCursor(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

TEST_F(XvfbCursor, ClosingThePlatformShowsTheCursor) {
  {
    platform::X11Platform platform;
    platform.showCursor(false);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
