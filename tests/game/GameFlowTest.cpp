#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRegularExpression>
#include <numeric>

#include "game/Game.h"
#include "game/GameEnd.h"
#include "game/GamePage.h"
#include "game/Ladder.h"
#include "game/ResultPage.h"
#include "media/Movies.h"
#include "media/Sound.h"
#include "players/Records.h"
#include "stats/PlayerStats.h"
#include "storage/Cp1250.h"
#include "tests/media/ScriptedOutput.h"
#include "tests/support/PlayHarness.h"
#include "ui/InputGate.h"
#include "ui/Lifetime.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

using GameFlowTest = PlayHarness;

TEST_F(GameFlowTest, TheFirstQuestionIsRevealedAnswerByAnswer) {
  startAs(QStringLiteral("Jan"), janData());
  play();
  EXPECT_EQ(pacing->pauses, (std::vector<int>{700, 800, 800, 800}))
      << "no host line before the first question";
  EXPECT_EQ(level(), 1);
  EXPECT_TRUE(page().imgRez->isHidden()) << "nothing to keep before the first answer";
  EXPECT_TRUE(caption(page().lblPyt).endsWith(QStringLiteral(" za poziom 1?")));
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(page().answer(k).label->isHidden()) << k;
  EXPECT_TRUE(page().lblSlowa->isHidden()) << "the strip goes once the answers are out";
  EXPECT_TRUE(shell.inputGate().open()) << "the player may answer";
}

TEST_F(GameFlowTest, ACorrectAnswerBlinksClimbsAndTheHostSpeaks) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  const size_t before = pacing->pauses.size();
  answer(correct());
  // Suspense, three green-orange blinks, the green second, then the next question with the
  // host's line before it.
  EXPECT_EQ(pausesSince(before),
            (std::vector<int>{1000, 300, 300, 300, 300, 300, 300, 1000, 1000, 700, 800, 800, 800}));
  EXPECT_EQ(level(), 2);
  EXPECT_FALSE(page().imgRez->isHidden());
  EXPECT_TRUE(page().imgWin->isHidden()) << "the banner goes before the next question";
  EXPECT_EQ(page().hostPose(), services.state().progress.HostBasePose);
}

TEST_F(GameFlowTest, SuspenseLengthensUpTheLadder) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  climbTo(6);
  const std::pair<int, int> expected[] = {{6, 1500},  {7, 1500},  {8, 2000},  {9, 2500},
                                          {10, 3000}, {11, 3500}, {12, 4000}, {13, 4250},
                                          {14, 4700}, {15, 5300}};
  for (auto [step, ms] : expected) {
    ASSERT_EQ(level(), step);
    const size_t before = pacing->pauses.size();
    answer(correct());
    EXPECT_EQ(pacing->pauses.at(before), ms) << "level " << step;
  }
}

TEST_F(GameFlowTest, AWholeGameToTheMillionEndsWonAndIsCounted) {
  startAs(QStringLiteral("Jan"), janData());
  play();
  climbTo(15);
  answer(correct());
  EXPECT_EQ(main().shownPage(), u"tsAnim") << "the million movie";
  EXPECT_EQ(level(), 15) << "no level 16";
  services.movies().AnimStop();
  EXPECT_EQ(main().shownPage(), u"tsLose");
  EXPECT_EQ(caption(result().lblWonCash), u"1 MILION dolarów");
  EXPECT_EQ(caption(result().lblStatus), u"Wygrana");
  const PlayerStats stats = services.stats().LoadStats(QStringLiteral("Jan"));
  EXPECT_EQ(stats.Games, 1);
  EXPECT_EQ(stats.Millions, 1);
  EXPECT_EQ(stats.TotalWon, 1000000);
  const RecordEntry own = services.records().ReadRecord(QStringLiteral("Jan"), 1);
  EXPECT_EQ(own.holder, u"Jan");
  EXPECT_EQ(own.prizeLevel, 15);
  EXPECT_EQ(own.status, u"Wygrana");
  EXPECT_EQ(services.records().ReadRecord(AnonymousName, 1).holder, u"Jan") << "overall too";
  EXPECT_EQ(caption(result().lblLRec), u"Jan");
  EXPECT_EQ(caption(result().lblLPoz), u"1 MILION $");
  EXPECT_FALSE(result().rysPuchar->isHidden()) << "the trophy of the best game";
}

TEST_F(GameFlowTest, AWrongAnswerAtThreeKeepsNothing) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  services.state().flags.Zua = true;
  play();
  climbTo(3);
  const size_t before = pacing->pauses.size();
  const int chosen = wrong();
  answer(chosen);
  EXPECT_EQ(pausesSince(before),
            (std::vector<int>{1000, 300, 300, 300, 300, 300, 300, 300, 300, 300, 300}))
      << "the suspense, then the correct answer blinks five times";
  EXPECT_EQ(bannersSince(before), QStringList{QString()} + QStringList(10, "WYGRANA 0 $"));
  EXPECT_EQ(main().shownPage(), u"tsLose");
  EXPECT_EQ(caption(result().lblWonCash), u"0 dolarów");
  EXPECT_EQ(caption(result().lblStatus), u"Przegrana");
  EXPECT_EQ(page().answer(chosen).fill, theme::Orange) << "the chosen box stays orange";
  EXPECT_EQ(page().answer(correct()).fill, theme::Green);
  const PlayerStats stats = services.stats().LoadStats(QStringLiteral("Jan"));
  EXPECT_EQ(stats.Lost, 1);
  EXPECT_EQ(stats.Games, 1);
  EXPECT_EQ(stats.TotalWon, 0);
  EXPECT_EQ(services.records().ReadRecord(QStringLiteral("Jan"), 1).prizeLevel, 0)
      << "a level-0 result never enters the list";
}

TEST_F(GameFlowTest, AWrongAnswerAtSixKeepsOneThousand) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  services.state().flags.Zua = false;
  play();
  climbTo(6);
  const size_t before = pacing->pauses.size();
  answer(wrong());
  EXPECT_EQ(pausesSince(before), (std::vector<int>{1500, 1200})) << "Zua off: one pause";
  EXPECT_EQ(bannersSince(before), (QStringList{QString(), "WYGRANA 1 000 $"}));
  EXPECT_EQ(caption(result().lblWonCash), u"1 000 dolarów");
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).TotalWon, 1000);
  EXPECT_EQ(services.records().ReadRecord(QStringLiteral("Jan"), 1).prizeLevel, 5);
  EXPECT_EQ(services.records().ReadRecord(QStringLiteral("Jan"), 1).lastQuestion, 6);
}

TEST_F(GameFlowTest, AWrongAnswerAtElevenKeepsThirtyTwoThousand) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  climbTo(11);
  const size_t before = pacing->pauses.size();
  answer(wrong());
  EXPECT_EQ(bannersSince(before), QStringList{QString()} + QStringList(10, "WYGRANA 32 000 $"));
  EXPECT_EQ(caption(result().lblWonCash), u"32 000 dolarów");
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).TotalWon, 32000);
}

TEST_F(GameFlowTest, AResignationKeepsTheStepReached) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  services.state().flags.Rez = true;
  play();
  climbTo(12);
  const size_t before = pacing->pauses.size();
  QTest::mouseClick(page().lblRez, Qt::LeftButton);
  EXPECT_EQ(pausesSince(before), std::vector<int>(10, 300)) << "five blinks, no sound pauses";
  EXPECT_EQ(bannersSince(before), QStringList(10, "WYGRANA 64 000 $"));
  EXPECT_EQ(page().answer(correct()).fill, theme::Green);
  EXPECT_EQ(page().hostPose(), 4) << "resigning from level 8 on";
  EXPECT_EQ(main().shownPage(), u"tsLose");
  EXPECT_EQ(caption(result().lblWonCash), u"64 000 dolarów");
  EXPECT_EQ(caption(result().lblStatus), u"Rezygnacja");
  const PlayerStats stats = services.stats().LoadStats(QStringLiteral("Jan"));
  EXPECT_EQ(stats.Resigned, 1);
  EXPECT_EQ(stats.TotalWon, 64000);
  EXPECT_EQ(services.records().ReadRecord(QStringLiteral("Jan"), 1).prizeLevel, 11);
}

TEST_F(GameFlowTest, AResignationAtLevelTwoKeepsOneHundred) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  services.state().flags.Rez = false;
  play();
  climbTo(2);
  const size_t before = pacing->pauses.size();
  QTest::mouseClick(page().imgRez, Qt::LeftButton);
  EXPECT_EQ(pausesSince(before), std::vector<int>{1200});
  EXPECT_EQ(bannersSince(before), QStringList{"WYGRANA 100 $"});
  EXPECT_EQ(caption(result().lblWonCash), u"100 dolarów");
}

TEST_F(GameFlowTest, WithConfirmationTheFirstClickOnlyPreselects) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = true;
  play();
  QTest::mouseClick(page().answer(2).box, Qt::LeftButton);
  EXPECT_EQ(page().answer(2).fill, theme::LightOrange);
  QTest::mouseClick(page().answer(1).tile, Qt::LeftButton);
  EXPECT_EQ(page().answer(1).fill, theme::LightOrange) << "the pre-selection moves";
  EXPECT_NE(page().answer(2).fill, theme::LightOrange);
  EXPECT_EQ(level(), 1);
  const int target = correct();
  QTest::mouseClick(page().answer(target).label, Qt::LeftButton);
  QTest::mouseClick(page().answer(target).label, Qt::LeftButton);
  EXPECT_EQ(level(), 2) << "the second click on the same answer evaluates it";
}

TEST_F(GameFlowTest, KeysMoveThePreselectionAndEnterAnswers) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = true;
  services.state().flags.Kla = true;
  play();
  main().setFocus();
  QTest::keyClick(&main(), Qt::Key_Right);
  EXPECT_EQ(page().answer(2).fill, theme::LightOrange);
  QTest::keyClick(&main(), Qt::Key_Down);
  EXPECT_EQ(page().answer(4).fill, theme::LightOrange);
  QTest::keyClick(&main(), Qt::Key_Left);
  EXPECT_EQ(page().answer(3).fill, theme::LightOrange);
  const int before = level();
  const bool right = correct() == 3;
  QTest::keyClick(&main(), Qt::Key_Return);
  if (right)
    EXPECT_EQ(level(), before + 1);
  else
    EXPECT_EQ(main().shownPage(), u"tsLose");
}

TEST_F(GameFlowTest, WithoutKeyboardAnswersTheKeysDoNothing) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Kla = false;
  play();
  QTest::keyClick(&main(), Qt::Key_Right);
  QTest::keyClick(&main(), Qt::Key_Return);
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(GamePage::highlighted(page().answer(k).fill)) << k;
  EXPECT_EQ(level(), 1);
}

TEST_F(GameFlowTest, AnAnonymousRecordAsksForAName) {
  startAs(AnonymousName);
  services.state().flags.Akc = false;
  play();
  climbTo(6);
  answer(wrong());
  ASSERT_FALSE(result().pnLName->isHidden());
  EXPECT_FALSE(result().btnLOk->isEnabled());
  EXPECT_FALSE(main().require(QStringLiteral("lblBack"))->isEnabled()) << "the panel is modal";
  type(QStringLiteral("edtLName"), QStringLiteral("123"));
  EXPECT_FALSE(result().btnLOk->isEnabled()) << "a name needs a letter";
  result().edtLName->clear();
  type(QStringLiteral("edtLName"), QStringLiteral("Ala1"));
  EXPECT_TRUE(result().btnLOk->isEnabled());
  QTest::keyClick(result().edtLName, Qt::Key_Return);
  EXPECT_TRUE(result().pnLName->isHidden());
  EXPECT_TRUE(main().require(QStringLiteral("lblBack"))->isEnabled());
  const RecordEntry best = services.records().ReadRecord(AnonymousName, 1);
  EXPECT_EQ(best.holder, u"Ala1");
  EXPECT_EQ(best.prizeLevel, 5);
  EXPECT_FALSE(dataText().contains(QStringLiteral("SG_"))) << "no statistics for anonymous";
}

TEST_F(GameFlowTest, AnAnonymousResultOffTheListStoresNothing) {
  startAs(AnonymousName);
  services.state().flags.Akc = false;
  play();
  climbTo(3);
  const QByteArray before = dataBytes();
  answer(wrong());
  EXPECT_TRUE(result().pnLName->isHidden());
  EXPECT_EQ(dataBytes(), before);
}

TEST_F(GameFlowTest, QuittingDuringASequenceCutsItShort) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  pacing->quitAtPause = static_cast<int>(pacing->pauses.size()) + 2;
  answer(wrong());
  EXPECT_EQ(main().shownPage(), u"tsGra") << "the game did not go on to its end";
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).Games, 0);
}

TEST_F(GameFlowTest, WithSoundEachStepPlaysItsClipsInOrder) {
  startAs(QStringLiteral("Jan"), janData());
  OptionFlags& f = services.state().flags;
  f.Dzw = true;
  f.Akc = false;
  pacing->realTime = std::chrono::milliseconds(20);
  play();
  while (level() < 6) {
    ASSERT_TRUE(waitForClip(level() <= 5 ? QStringLiteral("MUSIC_1") : QStringLiteral("MUSIC_2")));
    answer(correct());
  }
  ASSERT_TRUE(waitForClip(QStringLiteral("MUSIC_2")));
  answer(wrong());
  EXPECT_EQ(clips(), (QStringList{"MUSIC_1", "DOBRA_PRZED", "MUSIC_1", "DOBRA_PRZED", "MUSIC_1",
                                  "DOBRA_PRZED", "MUSIC_1", "DOBRA_PRZED", "MUSIC_1", "DOBRA_GWARA",
                                  "MUSIC_2", "ZAZNACZ", "ODP_ZUA"}));
  EXPECT_FALSE(services.sound().sfx().running()) << "the end of the game stops the sound";
}

TEST_F(GameFlowTest, AResignationWithSoundApplaudsThenPlaysItsMusic) {
  startAs(QStringLiteral("Jan"), janData());
  OptionFlags& f = services.state().flags;
  f.Dzw = true;
  f.Akc = false;
  f.Rez = true;
  pacing->realTime = std::chrono::milliseconds(20);
  play();
  climbTo(8);
  const size_t before = pacing->pauses.size();
  const int plays = static_cast<int>(audio->plays().size());
  pacing->actAtPause = static_cast<int>(before) + 1;  // the applause is on during the blinking
  pacing->act = [&] { EXPECT_TRUE(waitForClip(QStringLiteral("REZ_OKLASKI"))); };
  QTest::mouseClick(page().lblRez, Qt::LeftButton);
  std::vector<int> expected(10, 300);
  expected.push_back(8800);
  EXPECT_EQ(pausesSince(before), expected);
  EXPECT_EQ(page().hostPose(), 4);
  QStringList after;
  for (size_t i = static_cast<size_t>(plays); i < audio->plays().size(); ++i)
    if (after.isEmpty() || after.back() != audio->plays()[i].name) after << audio->plays()[i].name;
  EXPECT_EQ(after, (QStringList{"REZ_OKLASKI", "REZ_MUZA"}));
  EXPECT_EQ(caption(result().lblWonCash), u"4 000 dolarów");
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).Resigned, 1);
}

TEST_F(GameFlowTest, WithoutSoundNothingIsPlayedAndThePausesStayTheSame) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  climbTo(7);
  const size_t before = pacing->pauses.size();
  answer(correct());
  EXPECT_EQ(pausesSince(before),
            (std::vector<int>{1500, 300, 300, 300, 300, 300, 300, 1000, 1000, 700, 800, 800, 800}))
      << "no zaznacz before the suspense, no waiting on clips";
  EXPECT_TRUE(audio->plays().empty());
}

TEST_F(GameFlowTest, ClicksDuringASequenceAreDroppedNotQueued) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = true;
  play();
  const int target = correct();
  const int other = target % 4 + 1;
  pacing->actAtPause = static_cast<int>(pacing->pauses.size()) + 1;  // during the suspense
  pacing->act = [&] {
    QTest::mouseClick(page().answer(other).label, Qt::LeftButton);
    QTest::mouseClick(page().answer(other).label, Qt::LeftButton);
    QTest::mouseClick(page().lblRez, Qt::LeftButton);
  };
  answer(target);
  QCoreApplication::processEvents();
  EXPECT_EQ(level(), 2) << "exactly one step up";
  EXPECT_EQ(main().shownPage(), u"tsGra");
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(GamePage::highlighted(page().answer(k).fill)) << k;
}

TEST_F(GameFlowTest, TheAskedListsRememberEveryQuestionShown) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  climbTo(3);
  answer(wrong());
  const QString data = dataText();
  for (int step = 1; step <= 3; ++step)
    EXPECT_TRUE(data.contains(QRegularExpression(QStringLiteral("\\nL%1=[12]\\|").arg(step))))
        << step;
  EXPECT_FALSE(data.contains(QStringLiteral("L4=")));
}

TEST_F(GameFlowTest, AnAnonymousNameMustComeBackFromTheFileAsTyped) {
  EXPECT_TRUE(GameEnd::acceptableRecordName(QStringLiteral("Ala1")));
  EXPECT_TRUE(GameEnd::acceptableRecordName(QString::fromUtf8("Żaneta")));
  EXPECT_FALSE(GameEnd::acceptableRecordName(QStringLiteral("123"))) << "no letter A-Z";
  EXPECT_FALSE(GameEnd::acceptableRecordName(QStringLiteral(" Ala")));
  EXPECT_FALSE(GameEnd::acceptableRecordName(QStringLiteral("Ala ")));
  EXPECT_FALSE(GameEnd::acceptableRecordName(QString::fromUtf8("Ala \u263A")));
  EXPECT_FALSE(GameEnd::acceptableRecordName(QStringLiteral("Ala\tKot")));
  EXPECT_FALSE(GameEnd::acceptableRecordName(QString()));
}

TEST_F(GameFlowTest, AGameOfADayOrMoreShowsItsRealLength) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  services.state().progress.GameStartTime = QDateTime::currentDateTime().addSecs(-(25 * 3600 + 3));
  answer(wrong());
  EXPECT_EQ(result().lblTime->caption(), u"25:00:03");
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).TotalTime, QTime(1, 0, 3))
      << "the total is a time of day, as stored files keep it";
}

TEST_F(GameFlowTest, TheDurationIsShownAsHoursMinutesAndSeconds) {
  const QString shown = GameEnd::longTimeText(QTime(1, 2, 3));
  EXPECT_TRUE(shown == u"1:02:03" || shown == u"01:02:03") << qPrintable(shown);
}

}  // namespace
