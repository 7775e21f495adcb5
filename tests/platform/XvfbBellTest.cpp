// The warning bell through the real X11 platform, read back with XGetKeyboardControl on the
// tests' own connection. Runs under Xvfb.
#include <gtest/gtest.h>

#include "platform/X11Platform.h"
#include "tests/platform/TestDisplay.h"

namespace {

constexpr int UsersBell = 37;

class XvfbBell : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_x.ready()) << "no X server on DISPLAY";
    m_x.setBellPercent(UsersBell);
    ASSERT_EQ(m_x.bellPercent(), UsersBell);
  }

  TestDisplay m_x;
};

TEST_F(XvfbBell, OffSilencesAndOnGivesBackTheUsersBell) {
  platform::X11Platform platform;
  platform.SetSystemBeep(false);
  EXPECT_EQ(m_x.bellPercent(), 0);
  platform.SetSystemBeep(true);
  EXPECT_EQ(m_x.bellPercent(), UsersBell);
}

TEST_F(XvfbBell, SilencingTwiceStillGivesBackTheUsersBell) {
  platform::X11Platform platform;
  platform.SetSystemBeep(false);
  platform.SetSystemBeep(false);
  EXPECT_EQ(m_x.bellPercent(), 0);
  platform.SetSystemBeep(true);
  EXPECT_EQ(m_x.bellPercent(), UsersBell);
}

TEST_F(XvfbBell, OnWithNothingSavedLeavesTheBellAlone) {
  platform::X11Platform platform;
  platform.SetSystemBeep(true);
  EXPECT_EQ(m_x.bellPercent(), UsersBell);

  // Once given back, the saved value is spent: a later change by the user stays.
  platform.SetSystemBeep(false);
  platform.SetSystemBeep(true);
  m_x.setBellPercent(64);
  platform.SetSystemBeep(true);
  EXPECT_EQ(m_x.bellPercent(), 64);
}

TEST_F(XvfbBell, ClosingThePlatformNeverLeavesTheDesktopMute) {
  {
    platform::X11Platform platform;
    platform.SetSystemBeep(false);
    ASSERT_EQ(m_x.bellPercent(), 0);
  }
  EXPECT_EQ(m_x.bellPercent(), UsersBell);
}

}  // namespace
