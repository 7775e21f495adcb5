#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <cerrno>

#include "media/MoviePlayer.h"
#include "media/Movies.h"
#include "players/Records.h"
#include "stats/PlayerStats.h"
#include "tests/support/PlayHarness.h"
#include "ui/WriteFailureNotice.h"

namespace {

// Message boxes that come up while a timed sequence holds the game's input closed: the box
// still takes the player's click or key, and the game goes on to its end.
class SequenceInputTest : public PlayHarness {
 protected:
  // Every box the game waits in is noted, and the player tries to close it the way a player
  // does; a box that ignores him is closed by the test after a while, so the test ends.
  void watchForBoxes() {
    QObject::connect(&watcher, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      if (!seen.contains(box->text())) seen << box->text();
      if (++attempts > 5) {
        stuck << box->text();
        box->done(QMessageBox::Ok);
        return;
      }
      QTest::keyClick(box, Qt::Key_Return);
    });
    watcher.start(20);
  }
  // A game by Jan, with a folder where the game writes a movie's file.
  void playWithAFolderNamed(const char* name) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromLatin1(name)));
    startAs(QStringLiteral("Jan"), janData());
    services.state().flags.Akc = false;
    watchForBoxes();
    play();
  }
  void expectNoBox() {
    EXPECT_TRUE(stuck.isEmpty()) << "a box that input could not close: "
                                 << stuck.join(u'\n').toStdString();
    EXPECT_TRUE(seen.isEmpty()) << seen.join(u'\n').toStdString();
  }

  QTimer watcher;
  int attempts = 0;
  QStringList seen;
  QStringList stuck;
};

TEST_F(SequenceInputTest, ABoxOpenedDuringARevealTakesAClickAndAKey) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  WriteFailureNotice notice(&main());
  WriteFailureNotice second(&main());
  bool closedByClick = false;
  bool closedByKey = false;
  pacing->actAtPause = static_cast<int>(pacing->pauses.size()) + 4;
  pacing->act = [&] {
    ASSERT_FALSE(shell.inputGate().open()) << "the sequence holds the game's input";
    notice.report(dir.path(), ENOSPC);
    ASSERT_EQ(openMessages().size(), 1);
    QTest::mouseClick(openMessages().front()->button(QMessageBox::Ok), Qt::LeftButton);
    closedByClick = openMessages().isEmpty();
    second.report(dir.path(), ENOSPC);
    ASSERT_EQ(openMessages().size(), 1);
    QTest::keyClick(openMessages().front(), Qt::Key_Escape);
    closedByKey = openMessages().isEmpty();
  };
  answer(correct());
  EXPECT_TRUE(closedByClick);
  EXPECT_TRUE(closedByKey);
  EXPECT_EQ(level(), 2) << "the game went on";
}

TEST_F(SequenceInputTest, TheGameStillDropsInputMeantForItsOwnWindowDuringASequence) {
  startAs(QStringLiteral("Jan"), janData());
  services.state().flags.Akc = false;
  play();
  WriteFailureNotice notice(&main());
  pacing->actAtPause = static_cast<int>(pacing->pauses.size()) + 2;
  pacing->act = [&] {
    notice.report(dir.path(), ENOSPC);
    QTest::mouseClick(page().answer(wrong()).label, Qt::LeftButton);
  };
  answer(correct());
  EXPECT_EQ(level(), 2) << "the click on a wrong answer during the verdict did nothing";
  EXPECT_EQ(main().shownPage(), u"tsGra");
}

// A folder in the way of the result movie's file: the result page shows without the movie,
// with no box to close, and the statistics and records of the game are written.
TEST_F(SequenceInputTest, AResultMovieThatCannotBeWrittenIsSkipped) {
  playWithAFolderNamed("LOSE.exe");
  climbTo(4);
  QTest::mouseClick(page().lblRez, Qt::LeftButton);
  expectNoBox();
  EXPECT_EQ(main().shownPage(), u"tsLose");
  EXPECT_EQ(services.movies().sfLose().TotalFrames(), 0) << "no movie";
  const PlayerStats stats = services.stats().LoadStats(QStringLiteral("Jan"));
  EXPECT_EQ(stats.Games, 1);
  EXPECT_EQ(stats.Resigned, 1);
  EXPECT_EQ(services.records().ReadRecord(QStringLiteral("Jan"), 1).prizeLevel, 3);
  QTest::mouseClick(c(QStringLiteral("lblBack")), Qt::LeftButton);
  EXPECT_EQ(main().shownPage(), u"tsMenu") << "the page takes the mouse";
}

TEST_F(SequenceInputTest, ALostGameWithoutItsResultMovieStillCounts) {
  playWithAFolderNamed("LOSE.exe");
  climbTo(7);
  answer(wrong());
  expectNoBox();
  EXPECT_EQ(main().shownPage(), u"tsLose");
  const PlayerStats stats = services.stats().LoadStats(QStringLiteral("Jan"));
  EXPECT_EQ(stats.Games, 1);
  EXPECT_EQ(stats.Lost, 1);
  EXPECT_EQ(services.records().ReadRecord(QStringLiteral("Jan"), 1).prizeLevel, 5);
}

// The million movie in the way: the game ends as if the movie had been played.
TEST_F(SequenceInputTest, AMillionMovieThatCannotBeWrittenEndsTheGame) {
  playWithAFolderNamed("FILE5");
  climbTo(15);
  answer(correct());
  services.movies().tmAnimTimer();
  expectNoBox();
  EXPECT_EQ(main().shownPage(), u"tsLose");
  EXPECT_EQ(services.stats().LoadStats(QStringLiteral("Jan")).Millions, 1);
}

}  // namespace
