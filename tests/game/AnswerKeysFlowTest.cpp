#include "tests/support/PlayHarness.h"

namespace {

// One key that names an answer, as the player presses it.
struct AnswerKey {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int position;
};

constexpr Qt::KeyboardModifiers kMain = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

const AnswerKey kAnswerKeys[] = {
    {Qt::Key_A, kMain, 1}, {Qt::Key_B, kMain, 2}, {Qt::Key_C, kMain, 3}, {Qt::Key_D, kMain, 4},
    {Qt::Key_1, kMain, 1}, {Qt::Key_2, kMain, 2}, {Qt::Key_3, kMain, 3}, {Qt::Key_4, kMain, 4},
    {Qt::Key_1, kPad, 1},  {Qt::Key_2, kPad, 2},  {Qt::Key_3, kPad, 3},  {Qt::Key_4, kPad, 4},
};

// The keys of one kind: letters, main-keypad digits or numeric-keypad digits.
const AnswerKey& keyOfKind(int kind, int position) { return kAnswerKeys[kind * 4 + position - 1]; }

std::string describe(const AnswerKey& k) {
  return QKeySequence(k.key).toString().toStdString() + (k.modifiers == kPad ? " (keypad)" : "");
}

class AnswerKeysFlowTest : public PlayHarness {
 protected:
  void begin(bool keysOn, bool confirm) {
    startAs(QStringLiteral("Jan"), janData());
    services.state().flags.Kla = keysOn;
    services.state().flags.Akc = confirm;
    play();
  }
  void press(const AnswerKey& k) { QTest::keyClick(&main(), k.key, k.modifiers); }
  void expectNoKeyActs() {
    for (const AnswerKey& k : kAnswerKeys) press(k);
    EXPECT_EQ(highlighted(), QString());
    EXPECT_EQ(level(), 1);
    EXPECT_EQ(main().shownPage(), u"tsGra");
  }
  QString highlighted() {
    QString letters;
    for (int k = 1; k <= 4; ++k)
      if (GamePage::highlighted(page().answer(k).fill)) letters += QChar(u'A' + k - 1);
    return letters;
  }
};

TEST_F(AnswerKeysFlowTest, WithConfirmationEachKeyPreSelectsItsAnswer) {
  begin(true, true);
  for (const AnswerKey& k : kAnswerKeys) {
    press(k);
    EXPECT_EQ(highlighted(), QString(QChar(u'A' + k.position - 1))) << describe(k);
    EXPECT_EQ(page().answer(k.position).fill, theme::LightOrange) << describe(k);
    EXPECT_EQ(level(), 1) << describe(k);
    // Another answer's key moves the pre-selection, as a click on it would; never to the next
    // row's answer, whose key would then confirm it.
    const int other = (k.position + 1) % 4 + 1;
    press(keyOfKind(0, other));
    EXPECT_EQ(highlighted(), QString(QChar(u'A' + other - 1))) << describe(k);
  }
}

TEST_F(AnswerKeysFlowTest, WithConfirmationTheSecondPressOrEnterConfirms) {
  begin(true, true);
  for (int kind = 0; kind < 3; ++kind) {
    const AnswerKey& k = keyOfKind(kind, correct());
    press(k);
    ASSERT_EQ(level(), kind + 1) << describe(k);
    press(k);
    EXPECT_EQ(level(), kind + 2) << describe(k) << " twice";
  }
  press(keyOfKind(0, correct()));
  QTest::keyClick(&main(), Qt::Key_Return);
  EXPECT_EQ(level(), 5) << "Enter confirms the pre-selected answer";
  press(keyOfKind(1, wrong()));
  press(keyOfKind(1, wrong()));
  EXPECT_EQ(main().shownPage(), u"tsLose");
}

TEST_F(AnswerKeysFlowTest, WithoutConfirmationOnePressAnswers) {
  begin(true, false);
  for (int kind = 0; kind < 3; ++kind) {
    const AnswerKey& k = keyOfKind(kind, correct());
    press(k);
    EXPECT_EQ(level(), kind + 2) << describe(k);
  }
  press(keyOfKind(2, wrong()));
  EXPECT_EQ(main().shownPage(), u"tsLose");
}

TEST_F(AnswerKeysFlowTest, WithKeyboardAnswersOffNoKeyActsWithConfirmation) {
  begin(false, true);
  expectNoKeyActs();
}

TEST_F(AnswerKeysFlowTest, WithKeyboardAnswersOffNoKeyActsWithoutConfirmation) {
  begin(false, false);
  expectNoKeyActs();
}

TEST_F(AnswerKeysFlowTest, KeysPressedWhileASequenceRunsDoNothing) {
  begin(true, false);
  const AnswerKey& wrongKey = keyOfKind(0, wrong());
  pacing->actAtPause = static_cast<int>(pacing->pauses.size()) + 3;  // the verdict
  pacing->act = [&] { press(wrongKey); };
  press(keyOfKind(0, correct()));
  EXPECT_EQ(level(), 2);
  EXPECT_EQ(main().shownPage(), u"tsGra");
  EXPECT_EQ(highlighted(), QString());
}

}  // namespace
