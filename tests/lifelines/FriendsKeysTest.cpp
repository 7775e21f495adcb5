#include "lifelines/Friends.h"
#include "tests/lifelines/LifelinesHarness.h"
#include "ui/widgets/SymbolLabel.h"
#include "ui/widgets/TextLabel.h"

namespace {

// The friends page played by keys: real key events on the main window.
class FriendsKeysTest : public LifelinesTest {
 protected:
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&main(), k, modifiers);
  }
  void typed(char c, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&main(), c, modifiers);
  }
  // The friend whose information shows, 0 while the panel is closed.
  int infoShown() {
    if (friends().pnCInfo->isHidden()) return 0;
    for (int n = 1; n <= FriendCount; ++n)
      if (friends().lblCInfo->caption() == TextLabel::literal(friendInfoText(n))) return n;
    return -1;
  }
};

TEST_F(FriendsKeysTest, DigitsToggleTheFriendsAndAThirdDropsTheOldest) {
  openChoice();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* chosen;
  } steps[] = {
      {Qt::Key_3, Qt::NoModifier, "3"},      {Qt::Key_1, Qt::KeypadModifier, "31"},
      {Qt::Key_4, Qt::NoModifier, "14"},     {Qt::Key_1, Qt::NoModifier, "4"},
      {Qt::Key_2, Qt::KeypadModifier, "42"}, {Qt::Key_5, Qt::NoModifier, "42"},
  };
  for (const auto& step : steps) {
    key(step.key, step.modifiers);
    EXPECT_EQ(friends().chosen().text(), QString::fromLatin1(step.chosen));
    for (int n = 1; n <= FriendCount; ++n)
      EXPECT_EQ(friends().entry(n).tick->isVisible(), friends().chosen().contains(n)) << n;
  }
  EXPECT_EQ(main().shownMenuPage(), u"tsChoose");
}

TEST_F(FriendsKeysTest, IAndANumberOrShiftAndANumberShowAFriendsInformation) {
  openChoice();
  key(Qt::Key_I);
  EXPECT_EQ(main().shownMenuPage(), u"tsChoose") << "I is the page's, not the menu's";
  EXPECT_EQ(infoShown(), 0);
  key(Qt::Key_2);
  EXPECT_EQ(infoShown(), 2);
  EXPECT_EQ(friends().chosen().count(), 0) << "the number did not toggle the friend";
  key(Qt::Key_3);
  EXPECT_EQ(infoShown(), 2) << "the panel holds the roster";
  key(Qt::Key_Escape);
  EXPECT_EQ(infoShown(), 0);

  // I held down while the number is pressed, on the numeric keypad.
  QTest::keyPress(&main(), Qt::Key_I);
  key(Qt::Key_4, Qt::KeypadModifier);
  QTest::keyRelease(&main(), Qt::Key_I);
  EXPECT_EQ(infoShown(), 4);
  key(Qt::Key_Return);
  EXPECT_EQ(infoShown(), 0);

  // Shift+number types the symbols above the digits.
  const std::pair<char, int> shifted[] = {{'!', 1}, {'@', 2}, {'#', 3}, {'$', 4}};
  for (auto [symbol, number] : shifted) {
    typed(symbol, Qt::ShiftModifier);
    EXPECT_EQ(infoShown(), number) << symbol;
    key(Qt::Key_Return);
  }
  EXPECT_EQ(friends().chosen().count(), 0);
}

TEST_F(FriendsKeysTest, EnterIsStart) {
  openChoice();
  key(Qt::Key_2);
  key(Qt::Key_Return);
  ASSERT_TRUE(main().require(QStringLiteral("pnCError"))->isVisible()) << "one friend is too few";
  key(Qt::Key_Return);
  EXPECT_FALSE(main().require(QStringLiteral("pnCError"))->isVisible());
  key(Qt::Key_4);
  key(Qt::Key_Enter, Qt::KeypadModifier);
  ASSERT_EQ(main().shownPage(), u"tsGra");
  EXPECT_EQ(phone().btnTFr01->caption(), FriendRoster(2).fullName());
  EXPECT_EQ(phone().btnTFr02->caption(), FriendRoster(4).fullName());
}

TEST_F(FriendsKeysTest, WithMenuKeysOffOnlyEnterActs) {
  openChoice();
  services.state().flags.Men = false;
  for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_I}) key(k);
  typed('!', Qt::ShiftModifier);
  EXPECT_EQ(friends().chosen().count(), 0);
  EXPECT_EQ(infoShown(), 0);
  QTest::mouseClick(friends().entry(1).name, Qt::LeftButton);
  QTest::mouseClick(friends().entry(3).name, Qt::LeftButton);
  key(Qt::Key_Return);
  EXPECT_EQ(main().shownPage(), u"tsGra");
}

}  // namespace
