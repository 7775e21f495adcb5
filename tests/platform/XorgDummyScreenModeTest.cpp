// Display modes through the real X11 platform on Xorg's dummy driver, which offers
// 1024x768, 800x600 and 640x480 and starts at 1024x768 (tests/support/xorg-dummy.conf).
// Each size is checked both as the platform measures it and as another client sees it.
#include <gtest/gtest.h>

#include "platform/X11Platform.h"
#include "tests/platform/TestDisplay.h"

namespace {

using platform::ScreenSize;

class XorgDummyScreenMode : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_x.ready()) << "no X server on DISPLAY";
    ASSERT_TRUE(m_platform.connected());
    ASSERT_EQ(m_x.rootSize(), (ScreenSize{1024, 768})) << "the server must start at 1024x768";
  }
  void TearDown() override { m_platform.SetScreenMode(1024, 768); }

  void expectScreen(ScreenSize size) {
    EXPECT_EQ(m_x.rootSize(), size) << "as another client sees it";
    EXPECT_EQ(m_platform.screenMetrics(), size) << "as the platform measures it";
  }

  TestDisplay m_x;
  platform::X11Platform m_platform;
};

TEST_F(XorgDummyScreenMode, SwitchesToTheGamesSizeAndBack) {
  const ScreenSize atStart = m_platform.screenMetrics();
  EXPECT_EQ(atStart, (ScreenSize{1024, 768}));

  m_platform.SetScreenMode(800, 600);
  expectScreen({800, 600});

  m_platform.SetScreenMode(atStart.width, atStart.height);
  expectScreen({1024, 768});
}

TEST_F(XorgDummyScreenMode, ReachesEveryOfferedSize) {
  m_platform.SetScreenMode(640, 480);
  expectScreen({640, 480});
  m_platform.SetScreenMode(800, 600);
  expectScreen({800, 600});
  m_platform.SetScreenMode(800, 600);  // asking for the current size is no change
  expectScreen({800, 600});
  m_platform.SetScreenMode(1024, 768);
  expectScreen({1024, 768});
}

TEST_F(XorgDummyScreenMode, SizeNotOfferedChangesNothing) {
  m_platform.SetScreenMode(1000, 700);
  expectScreen({1024, 768});

  m_platform.SetScreenMode(800, 600);
  ASSERT_EQ(m_x.rootSize(), (ScreenSize{800, 600}));
  m_platform.SetScreenMode(1024, 700);  // one side right is not enough
  expectScreen({800, 600});
  m_platform.SetScreenMode(0, 0);
  expectScreen({800, 600});
}

}  // namespace
