// The development-window look-up against windows the test itself puts on the X server.
// Runs under Xvfb, which has no window manager; frames are made by hand where needed.
#include <gtest/gtest.h>

#include <string>

#include "platform/X11Platform.h"
#include "tests/platform/TestDisplay.h"

namespace {

const std::string Title = platform::DevEnvWindowTitle;

class XvfbDevWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_x.ready()) << "no X server on DISPLAY";
    ASSERT_TRUE(m_platform.connected());
  }

  TestDisplay m_x;
  platform::X11Platform m_platform;
};

TEST_F(XvfbDevWindow, FoundOnlyWhileTheTitledWindowIsMapped) {
  EXPECT_FALSE(m_platform.developmentWindowVisible());

  const Window window = m_x.createWindow(m_x.root(), Title, Title);
  EXPECT_FALSE(m_platform.developmentWindowVisible()) << "created but never mapped";
  m_x.map(window);
  EXPECT_TRUE(m_platform.developmentWindowVisible());
  m_x.unmap(window);
  EXPECT_FALSE(m_platform.developmentWindowVisible());
}

TEST_F(XvfbDevWindow, EitherNameIsEnough) {
  const Window legacyOnly = m_x.createWindow(m_x.root(), Title, std::nullopt);
  m_x.map(legacyOnly);
  EXPECT_TRUE(m_platform.developmentWindowVisible()) << "WM_NAME only";
  m_x.unmap(legacyOnly);

  const Window utf8Only = m_x.createWindow(m_x.root(), "Terminal", Title);
  m_x.map(utf8Only);
  EXPECT_TRUE(m_platform.developmentWindowVisible()) << "_NET_WM_NAME only";
  m_x.unmap(utf8Only);
  EXPECT_FALSE(m_platform.developmentWindowVisible());
}

TEST_F(XvfbDevWindow, SimilarTitlesDoNotCount) {
  for (const std::string& near :
       {Title + " ", Title + "2", std::string("fortuniak devenv"),
        Title.substr(0, Title.size() - 1), " " + Title, Title + " - Notatnik"}) {
    m_x.map(m_x.createWindow(m_x.root(), near, near));
  }
  EXPECT_FALSE(m_platform.developmentWindowVisible());
}

TEST_F(XvfbDevWindow, FoundInsideAWindowManagerFrame) {
  const Window frame = m_x.createWindow(m_x.root(), std::nullopt, std::nullopt);
  const Window client = m_x.createWindow(frame, Title, Title);
  m_x.map(client);
  EXPECT_FALSE(m_platform.developmentWindowVisible()) << "frame not mapped: not viewable";
  m_x.map(frame);
  EXPECT_TRUE(m_platform.developmentWindowVisible());
  m_x.unmap(client);
  EXPECT_FALSE(m_platform.developmentWindowVisible());
}

}  // namespace
