#include "stats/PlayerStats.h"
#include "tests/support/PlayHarness.h"
#include "ui/widgets/PictureBox.h"

namespace {

// A double-click on an answer is two clicks, the same on all four answers and on each of their
// three controls (box, tile and text).
class AnswerDoubleClickTest : public PlayHarness {
 protected:
  void begin(bool confirm) {
    startAs(QStringLiteral("Jan"), janData());
    services.state().flags.Akc = confirm;
    play();
  }
  // The question on screen gets its right answer at `position`.
  void rightAnswerAt(int position) { services.state().question.CurrentQuestion.Correct = position; }
  std::vector<QWidget*> controlsOf(int position) {
    GamePage::Answer& a = page().answer(position);
    return {static_cast<QWidget*>(a.box), static_cast<QWidget*>(a.tile),
            static_cast<QWidget*>(a.label)};
  }
  bool anyPreSelected() {
    for (int position = 1; position <= 4; ++position)
      if (page().answer(position).fill == theme::LightOrange) return true;
    return false;
  }
  // A double-click as the window system delivers it: press and release, then the second press
  // with the double-click, and its release.
  void firstHalf(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
  }
  void secondHalf(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
  }
};

TEST_F(AnswerDoubleClickTest, WithConfirmationADoubleClickAnswersOnceWhateverTheAnswer) {
  begin(true);
  for (int position = 1; position <= 4; ++position) {
    for (QWidget* control : controlsOf(position)) {
      SCOPED_TRACE(control->objectName().toStdString());
      const int before = level();
      rightAnswerAt(position);
      firstHalf(control);
      EXPECT_TRUE(anyPreSelected()) << "the first click only marks the answer";
      EXPECT_EQ(level(), before);
      secondHalf(control);
      ASSERT_EQ(level(), before + 1);
      EXPECT_FALSE(anyPreSelected()) << "nothing of the double-click acts on the next question";
    }
  }
}

TEST_F(AnswerDoubleClickTest, WithConfirmationADoubleClickOnAWrongAnswerEndsTheGameOnce) {
  begin(true);
  rightAnswerAt(2);
  firstHalf(page().answer(1).label);
  secondHalf(page().answer(1).label);
  EXPECT_EQ(main().shownPage(), u"tsLose");
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).Games, 1);
}

// Without confirmation the first click answers; the second half of the double-click reaches
// the game while the verdict runs, and is dropped there as all input is.
TEST_F(AnswerDoubleClickTest, WithoutConfirmationADoubleClickAnswersOnce) {
  begin(false);
  for (int position = 1; position <= 4; ++position) {
    for (QWidget* control : controlsOf(position)) {
      SCOPED_TRACE(control->objectName().toStdString());
      const int before = level();
      rightAnswerAt(position);
      bool delivered = false;
      pacing->actAtPause = static_cast<int>(pacing->pauses.size()) + 1;
      pacing->act = [&] {
        delivered = true;
        secondHalf(control);
      };
      firstHalf(control);
      ASSERT_TRUE(delivered) << "the first click started the verdict";
      ASSERT_EQ(level(), before + 1);
      EXPECT_FALSE(anyPreSelected());
      EXPECT_EQ(main().shownPage(), u"tsGra");
      pacing->act = nullptr;
    }
  }
}

}  // namespace
