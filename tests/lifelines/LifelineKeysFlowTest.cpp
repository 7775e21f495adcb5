#include <QFrame>

#include "lifelines/AudienceChart.h"
#include "lifelines/Lifelines.h"
#include "lifelines/PhoneCall.h"
#include "tests/lifelines/LifelinesHarness.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

// The lifelines and their panels played by keys: real key events on the main window.
class LifelineKeysTest : public LifelinesTest {
 protected:
  // A new game with friends 1 and 4; a later call starts another game from the menu.
  void begin(bool keysOn, bool confirm) {
    if (!m_started) {
      playWith(1, 4);
      m_started = true;
    } else {
      main().showPage(main().tsMenu);
      shell.handlers().run(QStringLiteral("btnStartClick"));
      clickFriend(1);
      clickFriend(4);
      QTest::mouseClick(friends().imgCStart, Qt::LeftButton);
      ASSERT_EQ(main().shownPage(), u"tsGra");
    }
    services.state().flags.Kla = keysOn;
    services.state().flags.Akc = confirm;
  }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&main(), k, modifiers);
  }
  static Qt::Key letter(int position) { return Qt::Key(Qt::Key_A + position - 1); }
  static Qt::Key digit(int position) { return Qt::Key(Qt::Key_0 + position); }
  std::vector<int> shownAnswers() {
    std::vector<int> shown;
    for (int k = 1; k <= 4; ++k)
      if (!page().answer(k).box->isHidden()) shown.push_back(k);
    return shown;
  }
  int removed() {
    for (int k = 1; k <= 4; ++k)
      if (page().answer(k).box->isHidden()) return k;
    return 0;
  }

 private:
  bool m_started = false;
};

TEST_F(LifelineKeysTest, FunctionKeysUseTheirLifelineOnceWhateverTheAnswerKeysOption) {
  for (bool keysOn : {true, false}) {
    begin(keysOn, false);
    struct Row {
      Qt::Key key;
      Lifelines::Button& button;
      std::function<bool()> used;
    } rows[] = {
        {Qt::Key_F1, lifelines().fiftyFifty(), [&] { return shownAnswers().size() == 2; }},
        {Qt::Key_F3, lifelines().audience(), [&] { return chart().pnPubl->isVisible(); }},
        {Qt::Key_F2, lifelines().phone(), [&] { return phone().pnTel->isVisible(); }},
    };
    for (Row& row : rows) {
      const QString name = QKeySequence(row.key).toString();
      EXPECT_TRUE(row.button.button->toolTip().endsWith(QStringLiteral("(%1).").arg(name)))
          << qPrintable(row.button.button->toolTip());
      key(row.key);
      EXPECT_TRUE(row.used()) << qPrintable(name) << " keys " << keysOn;
      EXPECT_TRUE(crossed(row.button)) << qPrintable(name);
      EXPECT_EQ(level(), 1);
    }
    // Used up, they do nothing more: the chart stays closed, two answers stay.
    QTest::mouseClick(phone().btnTFr01, Qt::LeftButton);
    QTest::mouseClick(chart().btnClosePub, Qt::LeftButton);
    for (Qt::Key k : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3}) key(k);
    EXPECT_FALSE(chart().pnPubl->isVisible());
    EXPECT_FALSE(phone().pnTel->isVisible());
    EXPECT_EQ(shownAnswers().size(), 2u);
  }
}

TEST_F(LifelineKeysTest, AfterFiftyFiftyTheRemovedAnswersKeysDoNothing) {
  for (bool confirm : {false, true}) {
    begin(true, confirm);
    key(Qt::Key_F1);
    ASSERT_EQ(shownAnswers().size(), 2u);
    const int gone = removed();
    for (Qt::KeyboardModifiers pad : {Qt::NoModifier, Qt::KeypadModifier}) key(digit(gone), pad);
    key(letter(gone));
    for (int k = 1; k <= 4; ++k)
      EXPECT_FALSE(GamePage::highlighted(page().answer(k).fill)) << k << " confirm " << confirm;
    EXPECT_EQ(level(), 1);
    key(letter(correct()));
    if (confirm) key(Qt::Key_Return);
    EXPECT_EQ(level(), 2) << "a kept answer's key answers; confirm " << confirm;
  }
}

TEST_F(LifelineKeysTest, OnThePhonePanelOneAndTwoCallTheFriends) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int tag;
  } rows[] = {
      {Qt::Key_1, Qt::NoModifier, 1},
      {Qt::Key_2, Qt::NoModifier, 2},
      {Qt::Key_1, Qt::KeypadModifier, 1},
      {Qt::Key_2, Qt::KeypadModifier, 2},
  };
  for (const auto& row : rows) {
    begin(true, false);
    key(Qt::Key_F2);
    ASSERT_TRUE(phone().pnTel->isVisible());
    // The digits are the panel's: 3 and 4 neither call nor answer.
    key(Qt::Key_3);
    key(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_TRUE(phone().pnTel->isVisible());
    EXPECT_EQ(level(), 1);
    const QString name = (row.tag == 1 ? phone().btnTFr01 : phone().btnTFr02)->caption();
    key(row.key, row.modifiers);
    EXPECT_FALSE(phone().pnTel->isVisible());
    EXPECT_TRUE(page().lblSlowa->caption().startsWith(QStringLiteral("<%1>").arg(name)))
        << qPrintable(page().lblSlowa->caption());
    EXPECT_TRUE(page().answer(1).label->isEnabled()) << "the call gives the mouse back";
    EXPECT_EQ(level(), 1);
  }
}

TEST_F(LifelineKeysTest, EnterAndEscapeCloseAFriendsInformationBackToThePanel) {
  for (Qt::Key close : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    begin(true, false);
    key(Qt::Key_F2);
    QTest::mouseClick(phone().btnTInfo02, Qt::LeftButton);
    ASSERT_TRUE(phone().pnTInfo->isVisible());
    key(Qt::Key_1);
    EXPECT_TRUE(phone().pnTInfo->isVisible()) << "no call under the information";
    key(close);
    EXPECT_FALSE(phone().pnTInfo->isVisible());
    EXPECT_TRUE(phone().pnTel->isVisible());
    EXPECT_TRUE(phone().btnTFr01->isEnabled()) << "the panel is the player's again";
    key(Qt::Key_Escape);
    EXPECT_TRUE(phone().pnTel->isVisible()) << "the phone panel has no button to close it";
    key(Qt::Key_1);
    EXPECT_FALSE(phone().pnTel->isVisible()) << "a call closes it";
  }
}

TEST_F(LifelineKeysTest, EnterAndEscapeCloseTheAudienceChartBeforeAnswering) {
  for (Qt::Key close : {Qt::Key_Return, Qt::Key_Escape}) {
    begin(true, true);
    key(letter(correct()));  // pre-selected
    key(Qt::Key_F3);
    ASSERT_TRUE(chart().pnPubl->isVisible());
    key(close);
    EXPECT_FALSE(chart().pnPubl->isVisible());
    EXPECT_EQ(level(), 1) << "the key closed the chart only";
    key(Qt::Key_Return);
    EXPECT_EQ(level(), 2) << "then Enter confirms";
  }
}

TEST_F(LifelineKeysTest, TheChartUnderThePhonePanelStaysAsItsButtonIsLocked) {
  begin(true, false);
  key(Qt::Key_F3);
  key(Qt::Key_F2);
  ASSERT_TRUE(phone().pnTel->isVisible());
  key(Qt::Key_Escape);
  EXPECT_TRUE(chart().pnPubl->isVisible());
  key(Qt::Key_2);
  key(Qt::Key_Escape);
  EXPECT_FALSE(chart().pnPubl->isVisible());
}

TEST_F(LifelineKeysTest, TheGamePageHasNoUnderlinedLetters) {
  begin(true, false);
  auto underlines = [](const QString& caption) {
    return QString(caption).remove(QStringLiteral("&&")).contains(u'&');
  };
  int checked = 0;
  for (const TextLabel* l : main().tsGra->findChildren<TextLabel*>()) {
    EXPECT_FALSE(underlines(l->caption())) << qPrintable(l->objectName());
    ++checked;
  }
  for (const FlatButton* b : main().tsGra->findChildren<FlatButton*>()) {
    EXPECT_FALSE(underlines(b->text())) << qPrintable(b->objectName());
    ++checked;
  }
  EXPECT_GT(checked, 10);
}

}  // namespace
