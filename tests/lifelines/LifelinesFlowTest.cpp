#include <gtest/gtest.h>

#include "lifelines/AudienceShares.h"
#include "stats/PlayerStats.h"
#include "tests/lifelines/LifelinesHarness.h"
#include "ui/AppContext.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/SymbolLabel.h"

namespace {

TEST_F(LifelinesTest, TheChoiceKeepsTheLastTwoAndTheyGoOnThePhonePanel) {
  openChoice();
  for (int n : {3, 1, 4}) clickFriend(n);
  EXPECT_EQ(friends().chosen().text(), u"14");
  for (int n = 1; n <= 4; ++n) {
    const bool chosen = n == 1 || n == 4;
    EXPECT_EQ(friends().entry(n).tick->isVisible(), chosen) << n;
    EXPECT_EQ(friends().entry(n).stats->isVisible(), chosen) << n;
  }
  EXPECT_EQ(friends().entry(1).stats->caption(),
            QString::fromUtf8("Podpowiedzi: 0, Dobrych: 0, Złych: 0."));
  QTest::mouseClick(friends().imgCStart, Qt::LeftButton);
  EXPECT_EQ(main().shownPage(), u"tsGra");
  EXPECT_EQ(phone().btnTFr01->caption(), u"Jacek Mazur");
  EXPECT_EQ(phone().btnTFr02->caption(), u"Leszek Gruszka");
  EXPECT_EQ(level(), 1);
}

TEST_F(LifelinesTest, StartWithOneFriendShowsTheErrorAndStays) {
  openChoice();
  clickFriend(2);
  QTest::mouseClick(friends().imgCStart, Qt::LeftButton);
  auto* error = main().require(QStringLiteral("pnCError"));
  EXPECT_TRUE(error->isVisible());
  EXPECT_EQ(main().require<TextLabel>(QStringLiteral("lblCError"))->caption(),
            QString::fromUtf8("UWAGA! Musisz wybrać dwóch przyjaciół. Aby wybrać przyjaciela "
                              "kliknij na jego imię i nazwisko. Aby zobaczyć informacje o "
                              "przyjacielu kliknij na \"i\"."));
  EXPECT_EQ(main().shownPage(), u"tsMenu");
  QTest::mouseClick(main().require(QStringLiteral("btnCHide")), Qt::LeftButton);
  EXPECT_FALSE(error->isVisible());
}

TEST_F(LifelinesTest, AnAnonymousPlayerSeesNoCounters) {
  openChoice(AnonymousName);
  clickFriend(2);
  EXPECT_TRUE(friends().entry(2).tick->isVisible());
  EXPECT_FALSE(friends().entry(2).stats->isVisible());
  QTest::mouseClick(friends().entry(2).info, Qt::LeftButton);
  EXPECT_TRUE(friends().pnCInfo->isVisible());
  EXPECT_EQ(friends().lblWsz->caption(), QString::fromUtf8("Podpowiadał: ???"));
  EXPECT_FALSE(friends().entry(1).name->isEnabled()) << "the panel holds the lock";
  QTest::mouseClick(main().require(QStringLiteral("btnCOk")), Qt::LeftButton);
  EXPECT_FALSE(friends().pnCInfo->isVisible());
  EXPECT_TRUE(friends().entry(1).name->isEnabled());
}

TEST_F(LifelinesTest, WithLifelinesOffAllThreeAreCrossedAndTheLightsGoOut) {
  desktop.locks = {1, 1, 1};
  startAs(QStringLiteral("Jan"), janData());
  play();  // Kou is off
  for (Lifelines::Button* b :
       {&lifelines().fiftyFifty(), &lifelines().phone(), &lifelines().audience()})
    EXPECT_TRUE(crossed(*b));
  press(Qt::Key_NumLock);
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 0, 0})) << "a key sets them back";
  desktop.locks = {1, 1, 1};
  activate();
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 0, 0})) << "so does coming back";
}

TEST_F(LifelinesTest, FiftyFiftyRemovesTheTwoNamedAnswersAndItsLight) {
  playWith(1, 2);
  desktop.locks = {1, 1, 1};
  const size_t before = pacing->pauses.size();
  QTest::mouseClick(lifelines().fiftyFifty().button, Qt::LeftButton);
  EXPECT_TRUE(pausesSince(before).empty()) << "no 500 ms without sound";
  // The file names its second and third answers, wherever the shuffle put them.
  std::vector<int> kept;
  for (int k = 1; k <= 4; ++k) {
    const QString text = page().answer(k).label->caption();
    const bool named = text == QString::fromUtf8("Zła B") || text == QString::fromUtf8("Zła C");
    EXPECT_EQ(page().answer(k).label->isHidden(), named) << qPrintable(text);
    if (!named) kept.push_back(k);
  }
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_TRUE(crossed(lifelines().fiftyFifty()));
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 1, 1}));
  // The keys now move between the two kept answers only, the first arrow landing on the later.
  QTest::keyClick(&main(), Qt::Key_Right);
  EXPECT_EQ(page().answer(kept[1]).fill, theme::LightOrange);
  QTest::keyClick(&main(), Qt::Key_Down);
  EXPECT_EQ(page().answer(kept[0]).fill, theme::LightOrange);
  // The next question shows four answers again.
  answer(correct());
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(page().answer(k).label->isHidden()) << k;
  EXPECT_FALSE(progress().FiftyFiftyUsed);
}

TEST_F(LifelinesTest, FiftyFiftyWithSoundPlaysItsClipWhileTheAnswersGo) {
  playWith(1, 2);
  services.state().flags.Dzw = true;
  pacing->realTime = std::chrono::milliseconds(20);
  const size_t before = pacing->pauses.size();
  // The real half second lets the sound thread start the clip; a busy machine may need longer
  // than the virtual clock's few milliseconds.
  pacing->actAtPause = static_cast<int>(before) + 1;
  pacing->act = [&] { EXPECT_TRUE(waitForClip(QStringLiteral("K_KOM"))) << "during the pause"; };
  QTest::mouseClick(lifelines().fiftyFifty().button, Qt::LeftButton);
  EXPECT_EQ(pausesSince(before), std::vector<int>{500});
  EXPECT_TRUE(waitForClip(QStringLiteral("MUSIC_1"))) << "the music comes back";
  EXPECT_TRUE(clips().contains(QStringLiteral("K_KOM")));
}

TEST_F(LifelinesTest, TheAudienceAfterFiftyFiftySumsToAHundred) {
  playWith(1, 2);
  QTest::mouseClick(lifelines().fiftyFifty().button, Qt::LeftButton);
  const size_t before = pacing->pauses.size();
  QTest::mouseClick(lifelines().audience().button, Qt::LeftButton);
  const std::vector<int> after = pausesSince(before);
  // The stored shares are 70, 10, 10, 10 with the correct one kept: 80 and 20.
  EXPECT_EQ(after, std::vector<int>(80 + 3, 5)) << "max(t) + 3 passes of 5 ms, no crowd pause";
  int total = 0;
  for (int k = 1; k <= 4; ++k) {
    const QString shown = chart().lblP[static_cast<size_t>(k - 1)]->caption();
    EXPECT_TRUE(chart().lblP[static_cast<size_t>(k - 1)]->isVisible());
    const bool removed = k == question().FiftyOut1 || k == question().FiftyOut2;
    if (removed) {
      EXPECT_EQ(shown, u"0%");
      EXPECT_FALSE(chart().sh[static_cast<size_t>(k - 1)]->isVisible());
    }
    total += shown.chopped(1).toInt();
  }
  EXPECT_EQ(total, 100);
  const QWidget* top = chart().sh[static_cast<size_t>(correct() - 1)];
  EXPECT_EQ(top->height(), AudienceBars::finalHeight(80));
  EXPECT_EQ(top->y() + top->height(), AudienceBars::Foot);
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 1, 0}));
  QTest::mouseClick(chart().btnClosePub, Qt::LeftButton);
  EXPECT_FALSE(chart().pnPubl->isVisible());
}

TEST_F(LifelinesTest, TheAudienceWithSoundWaitsForTheCrowd) {
  playWith(1, 2);
  services.state().flags.Dzw = true;
  pacing->realTime = std::chrono::milliseconds(2);
  const size_t before = pacing->pauses.size();
  QTest::mouseClick(lifelines().audience().button, Qt::LeftButton);
  const std::vector<int> after = pausesSince(before);
  ASSERT_FALSE(after.empty());
  EXPECT_EQ(after.front(), 3800);
  EXPECT_EQ(after.size(), 1u + 70 + 3);
  EXPECT_TRUE(clips().contains(QStringLiteral("K_PUB")));
}

// The friend names the answer the file stores for him, by the letter it is shown under, and
// his counters follow whether it was the correct one.
class PhoneCallTest : public LifelinesTest, public testing::WithParamInterface<int> {};

TEST_P(PhoneCallTest, ACallSaysTheStoredAnswerAndCountsIt) {
  const bool right = GetParam() == 1;
  writeFile("Pytania.pFK", questionsFile(GetParam()));
  playWith(3, 1);
  QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
  EXPECT_TRUE(phone().pnTel->isVisible());
  EXPECT_FALSE(page().answer(1).label->isEnabled()) << "the panel holds the lock";
  EXPECT_EQ(phone().btnTFr01->caption(), u"Zenon Wrona");
  phone().CallFriend(3, 2);
  const QString letter =
      letterShowing(right ? QStringLiteral("Dobra 1") : QString::fromUtf8("Zła B"));
  ASSERT_FALSE(letter.isEmpty());
  EXPECT_EQ(page().lblSlowa->caption(),
            QString::fromUtf8("<Zenon Wrona> Akurat na tym się nie znam, ale wydaje mi się, że "
                              "jest to odpowiedź: ") +
                letter + QString::fromUtf8(". Raczej mam rację. Możesz mi uwierzyć."));
  // Over 82 characters: two lines high, grown upwards; the friend speaks in white.
  EXPECT_EQ(page().shpSlowa->geometry(), QRect(-1, 221, 611, 40));
  EXPECT_EQ(page().lblSlowa->geometry(), QRect(7, 221, 600, 40));
  EXPECT_EQ(page().lblSlowa->palette().color(QPalette::Active, QPalette::WindowText),
            QColor(Qt::white));
  EXPECT_TRUE(page().answer(1).label->isEnabled()) << "the lock is released";
  EXPECT_FALSE(lifelines().phone().button->isEnabled()) << "the repair keeps the phone used";
  EXPECT_TRUE(lifelines().fiftyFifty().button->isEnabled());
  const PlayerStats stats = services.stats().LoadStats(QStringLiteral("Jan"));
  EXPECT_EQ(stats.Friends[2].Asked, 1);
  EXPECT_EQ(stats.Friends[2].Right, right ? 1 : 0);
  EXPECT_EQ(stats.Friends[2].Wrong, right ? 0 : 1);
  EXPECT_EQ(stats.Friends[0].Asked, 0) << "only the friend called";
}

INSTANTIATE_TEST_SUITE_P(RightAndWrong, PhoneCallTest, testing::Values(1, 2));

TEST_F(LifelinesTest, AnAnonymousCallLeavesTheDataFileAlone) {
  playWith(1, 2, AnonymousName);
  const QByteArray before = dataBytes();
  QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
  QTest::mouseClick(phone().btnTFr01, Qt::LeftButton);
  EXPECT_TRUE(page().lblSlowa->caption().startsWith(QStringLiteral("<Jacek Mazur> ")));
  EXPECT_EQ(dataBytes(), before);
}

TEST_F(LifelinesTest, ACallWithSoundPlaysItsClipsInOrder) {
  playWith(4, 2);
  services.state().flags.Dzw = true;
  pacing->realTime = std::chrono::milliseconds(5);
  QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
  const size_t before = pacing->pauses.size();
  const size_t plays = audio->plays().size();
  phone().CallFriend(4, 1);
  EXPECT_EQ(pausesSince(before), std::vector<int>{400});
  QStringList call;
  for (size_t i = plays; i < audio->plays().size(); ++i) call << audio->plays()[i].name;
  call.removeDuplicates();
  const QString letter = LetterOf(question().FriendAnswer);
  EXPECT_EQ(call.mid(0, 5),
            (QStringList{"TEL_START", "T", QStringLiteral("T") + letter, "TE", "TEL_END"}));
}

TEST_F(LifelinesTest, TheFriendInformationFromThePhoneComesBackToThePhone) {
  playWith(1, 2);
  QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
  QTest::mouseClick(phone().btnTInfo02, Qt::LeftButton);
  EXPECT_TRUE(phone().pnTInfo->isVisible());
  EXPECT_TRUE(phone().lblTInfo->caption().startsWith(QString::fromUtf8("Imię: Dorota")));
  EXPECT_FALSE(phone().btnTFr01->isEnabled());
  QTest::mouseClick(phone().btnTOk, Qt::LeftButton);
  EXPECT_FALSE(phone().pnTInfo->isVisible());
  EXPECT_TRUE(phone().btnTFr01->isEnabled());
  EXPECT_FALSE(page().answer(1).label->isEnabled()) << "the phone panel holds the lock again";
}

TEST_F(LifelinesTest, InTestModeNothingIsUsedUp) {
  openChoice();
  shell.context().TestMode = true;  // as a development window at start would set it
  clickFriend(1);
  clickFriend(2);
  QTest::mouseClick(friends().imgCStart, Qt::LeftButton);
  desktop.locks = {0, 0, 0};
  auto useAll = [&] {
    QTest::mouseClick(lifelines().fiftyFifty().button, Qt::LeftButton);
    QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
    QTest::mouseClick(phone().btnTFr01, Qt::LeftButton);
    QTest::mouseClick(lifelines().audience().button, Qt::LeftButton);
    EXPECT_TRUE(chart().pnPubl->isVisible());
    QTest::mouseClick(chart().btnClosePub, Qt::LeftButton);
  };
  for (int round = 0; round < 2; ++round) {
    useAll();
    for (Lifelines::Button* b :
         {&lifelines().fiftyFifty(), &lifelines().phone(), &lifelines().audience()}) {
      EXPECT_TRUE(b->button->isEnabled()) << qPrintable(b->button->objectName());
      EXPECT_TRUE(b->used->isHidden()) << qPrintable(b->used->objectName());
    }
    EXPECT_EQ(desktop.locks, (platform::LockKeyStates{1, 1, 1})) << round;
  }
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).Friends[0].Asked, 2);
}

// The call's release of the control lock enables every button it finds; the used ones must stay
// used, and the lights follow real keys and the window's activation.
TEST_F(LifelinesTest, AfterFiftyFiftyAndACallOnlyTheAudienceIsLeft) {
  playWith(1, 2);
  desktop.locks = {1, 1, 1};
  QTest::mouseClick(lifelines().fiftyFifty().button, Qt::LeftButton);
  QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
  QTest::mouseClick(phone().btnTFr01, Qt::LeftButton);
  EXPECT_TRUE(crossed(lifelines().fiftyFifty()));
  EXPECT_TRUE(crossed(lifelines().phone()));
  EXPECT_TRUE(lifelines().audience().button->isEnabled());
  EXPECT_TRUE(lifelines().audience().used->isHidden());
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 0, 1}));
  desktop.locks = {1, 1, 1};  // the player presses Num Lock and Caps Lock
  press(Qt::Key_CapsLock);
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 0, 1}));
  desktop.locks = {0, 1, 0};  // changed while the window was away
  activate();
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 0, 1}));
  QTest::mouseClick(lifelines().audience().button, Qt::LeftButton);
  EXPECT_TRUE(chart().pnPubl->isVisible());
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 0, 0}));
  const size_t from = pacing->pauses.size();
  answer(question().FiftyKeep1 == correct() ? question().FiftyKeep2 : question().FiftyKeep1);
  for (size_t i = from; i < seen.size(); ++i)
    EXPECT_TRUE(seen[i].speech.isEmpty()) << "the friend's words go with the answer";
  EXPECT_TRUE(chart().pnPubl->isHidden()) << "and so does the chart";
  ASSERT_EQ(main().shownPage(), u"tsLose");
  desktop.locks = {1, 0, 1};
  press(Qt::Key_NumLock);
  activate();
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{1, 0, 1})) << "after the game they are his";
}

TEST_F(LifelinesTest, TheCountersOfAFriendPhonedOnce) {
  playWith(1, 2);
  QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
  QTest::mouseClick(phone().btnTFr01, Qt::LeftButton);
  answer(wrong());
  main().showPage(main().tsMenu);
  shell.handlers().run(QStringLiteral("btnStartClick"));
  QTest::mouseClick(friends().entry(1).info, Qt::LeftButton);
  EXPECT_EQ(friends().lblWsz->caption(), QString::fromUtf8("Podpowiadał: 1  raz"));
  EXPECT_EQ(friends().lblDob->caption(), QString::fromUtf8("Dobrze: 1  raz"));
  EXPECT_EQ(friends().lblZue->caption(), QString::fromUtf8("Źle: 0  razy"));
}

}  // namespace
