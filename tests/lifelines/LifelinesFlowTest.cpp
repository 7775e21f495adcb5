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
  main().FormKeyDown();
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 0, 0}));
}

TEST_F(LifelinesTest, FiftyFiftyRemovesTheTwoNamedAnswersAndItsLight) {
  playWith(1, 2);
  desktop.locks = {1, 1, 1};
  const int out1 = question().FiftyOut1;
  const int out2 = question().FiftyOut2;
  const size_t before = pacing->pauses.size();
  QTest::mouseClick(lifelines().fiftyFifty().button, Qt::LeftButton);
  EXPECT_TRUE(pausesSince(before).empty()) << "no 500 ms without sound";
  for (int k = 1; k <= 4; ++k)
    EXPECT_EQ(page().answer(k).label->isHidden(), k == out1 || k == out2) << k;
  EXPECT_TRUE(progress().FiftyFiftyUsed);
  EXPECT_TRUE(crossed(lifelines().fiftyFifty()));
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{0, 1, 1}));
  // The keys now move between the two kept answers only, starting on the higher one.
  QTest::keyClick(&main(), Qt::Key_Right);
  EXPECT_EQ(page().answer(question().FiftyKeep2).fill, theme::LightOrange);
  QTest::keyClick(&main(), Qt::Key_Down);
  EXPECT_EQ(page().answer(question().FiftyKeep1).fill, theme::LightOrange);
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

TEST_F(LifelinesTest, ACallSaysTheStoredAnswerAndCountsIt) {
  playWith(3, 1);
  QTest::mouseClick(lifelines().phone().button, Qt::LeftButton);
  EXPECT_TRUE(phone().pnTel->isVisible());
  EXPECT_FALSE(page().answer(1).label->isEnabled()) << "the panel holds the lock";
  EXPECT_EQ(phone().btnTFr01->caption(), u"Zenon Wrona");
  phone().CallFriend(3, 2);
  const QString letter = LetterOf(question().FriendAnswer);
  EXPECT_EQ(page().lblSlowa->caption(),
            QString::fromUtf8("<Zenon Wrona> Akurat na tym się nie znam, ale wydaje mi się, że "
                              "jest to odpowiedź: ") +
                letter + QString::fromUtf8(". Raczej mam rację. Możesz mi uwierzyć."));
  EXPECT_TRUE(page().answer(1).label->isEnabled()) << "the lock is released";
  EXPECT_FALSE(lifelines().phone().button->isEnabled()) << "the repair keeps the phone used";
  EXPECT_TRUE(lifelines().fiftyFifty().button->isEnabled());
  const FriendCounters c = services.stats().LoadStats(QStringLiteral("Jan")).Friends[2];
  EXPECT_EQ(c.Asked, 1);
  EXPECT_EQ(c.Right, 1) << "the stored suggestion is the correct answer";
  EXPECT_EQ(c.Wrong, 0);
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
  for (int i = 0; i < 2; ++i) {
    QTest::mouseClick(lifelines().fiftyFifty().button, Qt::LeftButton);
    EXPECT_TRUE(lifelines().fiftyFifty().button->isEnabled());
    EXPECT_TRUE(lifelines().fiftyFifty().used->isHidden());
  }
  EXPECT_EQ(desktop.locks, (platform::LockKeyStates{1, 1, 1}));
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
