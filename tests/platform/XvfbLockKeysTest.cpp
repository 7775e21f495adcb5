// Lock keys through the real X11 platform, read back by a second XKB client.
// Runs under Xvfb (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/X11Platform.h"
#include "tests/platform/TestDisplay.h"

namespace {

using platform::LockKeyStates;

class XvfbLockKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_x.ready()) << "no X server with XKB on DISPLAY";
    ASSERT_TRUE(m_platform.connected());
    m_x.setLocks(false, false, false);
    ASSERT_EQ(m_x.indicators(), (LockKeyStates{0, 0, 0}));
  }
  void TearDown() override { m_x.setLocks(false, false, false); }

  TestDisplay m_x;
  platform::X11Platform m_platform;
};

TEST_F(XvfbLockKeys, EachLockTurnsOnAndOffWithoutTouchingTheOthers) {
  const LockKeyStates alone[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (const LockKeyStates& want : alone) {
    SCOPED_TRACE(::testing::Message() << "num " << int(want.num) << " caps " << int(want.caps)
                                      << " scroll " << int(want.scroll));
    m_platform.SetLockKeys(want.num, want.caps, want.scroll);
    EXPECT_EQ(m_x.indicators(), want);
    EXPECT_EQ(m_platform.readLockKeys(), want);
    // Num Lock and Caps Lock are locked modifiers, not only lit LEDs.
    EXPECT_EQ((m_x.lockedMods() & Mod2Mask) != 0, want.num == 1);
    EXPECT_EQ((m_x.lockedMods() & LockMask) != 0, want.caps == 1);

    m_platform.SetLockKeys(0, 0, 0);
    EXPECT_EQ(m_x.indicators(), (LockKeyStates{0, 0, 0}));
    EXPECT_EQ(m_platform.readLockKeys(), (LockKeyStates{0, 0, 0}));
    EXPECT_EQ(m_x.lockedMods() & (Mod2Mask | LockMask), 0u);
  }
}

TEST_F(XvfbLockKeys, ReadsWhatAnotherProgramSet) {
  m_x.setLocks(true, false, true);
  EXPECT_EQ(m_platform.readLockKeys(), (LockKeyStates{1, 0, 1}));
  m_x.setLocks(false, true, false);
  EXPECT_EQ(m_platform.readLockKeys(), (LockKeyStates{0, 1, 0}));
  m_x.setLocks(true, true, true);
  EXPECT_EQ(m_platform.readLockKeys(), (LockKeyStates{1, 1, 1}));
}

TEST_F(XvfbLockKeys, OnlyTheLowestBitOfEachByteCounts) {
  m_platform.SetLockKeys(0x81, 0x81, 0x81);
  EXPECT_EQ(m_x.indicators(), (LockKeyStates{1, 1, 1}));
  // Read gives plain 1, never the byte that was passed in.
  EXPECT_EQ(m_platform.readLockKeys(), (LockKeyStates{1, 1, 1}));

  m_platform.SetLockKeys(0x80, 0xFE, 0x02);
  EXPECT_EQ(m_x.indicators(), (LockKeyStates{0, 0, 0}));
  EXPECT_EQ(m_platform.readLockKeys(), (LockKeyStates{0, 0, 0}));
}

TEST_F(XvfbLockKeys, StatesReadAtStartAreGivenBackAtTheEnd) {
  m_x.setLocks(true, false, true);
  const LockKeyStates atStart = m_platform.readLockKeys();
  m_platform.SetLockKeys(0, 1, 0);  // the game's own choice while it runs
  ASSERT_EQ(m_x.indicators(), (LockKeyStates{0, 1, 0}));

  m_platform.SetLockKeys(atStart.num, atStart.caps, atStart.scroll);
  EXPECT_EQ(m_x.indicators(), (LockKeyStates{1, 0, 1}));
}

// Which of the three LEDs each XKB indicator event reports, in the order they came.
std::vector<std::string> drainIndicatorChanges(TestDisplay& x) {
  const int num = x.indicatorIndex("Num Lock");
  const int caps = x.indicatorIndex("Caps Lock");
  const int scroll = x.indicatorIndex("Scroll Lock");
  std::vector<std::string> changes;
  XSync(x.get(), False);
  while (XPending(x.get()) > 0) {
    XEvent event{};
    XNextEvent(x.get(), &event);
    if (event.type != x.xkbEventBase()) continue;
    const auto& xkb = reinterpret_cast<const XkbEvent&>(event);
    if (xkb.any.xkb_type != XkbIndicatorStateNotify) continue;
    std::string names;
    for (const auto& [index, name] : {std::pair{num, "num"}, {caps, "caps"}, {scroll, "scroll"}}) {
      if (index >= 0 && (xkb.indicators.changed & (1u << index)) != 0) {
        names += names.empty() ? name : std::string("+") + name;
      }
    }
    if (!names.empty()) changes.push_back(names);
  }
  return changes;
}

TEST_F(XvfbLockKeys, AppliesNumLockThenCapsLockThenScrollLock) {
  ASSERT_GE(m_x.indicatorIndex("Num Lock"), 0);
  ASSERT_GE(m_x.indicatorIndex("Caps Lock"), 0);
  ASSERT_GE(m_x.indicatorIndex("Scroll Lock"), 0);
  XkbSelectEvents(m_x.get(), XkbUseCoreKbd, XkbIndicatorStateNotifyMask,
                  XkbIndicatorStateNotifyMask);
  drainIndicatorChanges(m_x);

  m_platform.SetLockKeys(1, 1, 1);
  EXPECT_EQ(drainIndicatorChanges(m_x), (std::vector<std::string>{"num", "caps", "scroll"}));
  m_platform.SetLockKeys(0, 0, 0);
  EXPECT_EQ(drainIndicatorChanges(m_x), (std::vector<std::string>{"num", "caps", "scroll"}));
}

// Num Lock is whichever real modifier the keymap gives the Num_Lock key, not always Mod2.
TEST_F(XvfbLockKeys, NumLockFollowsTheKeymapsModifier) {
  // Put Num_Lock on Mod3 for this test only; the server's keymap is back as it was after.
  auto restore = [this](XModifierKeymap* map) {
    XSetModifierMapping(m_x.get(), map);
    XFreeModifiermap(map);
    XSync(m_x.get(), False);
  };
  std::unique_ptr<XModifierKeymap, decltype(restore)> original(XGetModifierMapping(m_x.get()),
                                                               restore);
  ASSERT_NE(original, nullptr);
  const KeyCode numLockKey = XKeysymToKeycode(m_x.get(), XK_Num_Lock);
  ASSERT_NE(numLockKey, 0);
  XModifierKeymap* moved =
      XDeleteModifiermapEntry(XGetModifierMapping(m_x.get()), numLockKey, Mod2MapIndex);
  moved = XInsertModifiermapEntry(moved, numLockKey, Mod3MapIndex);
  ASSERT_EQ(XSetModifierMapping(m_x.get(), moved), MappingSuccess);
  XFreeModifiermap(moved);
  XSync(m_x.get(), False);

  platform::X11Platform platform;  // a fresh connection reads the new keymap
  platform.SetLockKeys(1, 0, 0);
  EXPECT_EQ(m_x.lockedMods() & (Mod2Mask | Mod3Mask), static_cast<unsigned>(Mod3Mask));
  EXPECT_TRUE(m_x.indicatorOn("Num Lock"));
  EXPECT_EQ(platform.readLockKeys(), (LockKeyStates{1, 0, 0}));
  platform.SetLockKeys(0, 0, 0);
  EXPECT_EQ(m_x.lockedMods() & Mod3Mask, 0u);
  EXPECT_FALSE(m_x.indicatorOn("Num Lock"));
}

}  // namespace
