#include <gtest/gtest.h>

#include <QDir>

#include "media/MoviePlayer.h"
#include "media/Movies.h"
#include "tests/support/GameHarness.h"
#include "ui/TBGFrm.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

class MoviesTest : public ::testing::Test, public GameHarness {
 protected:
  void SetUp() override { ASSERT_TRUE(start()); }
  Movies& movies() { return services.movies(); }
  // Puts the player on a clock the test moves.
  void clockOn(MoviePlayer& player) {
    player.setClock([this] { return clock; });
  }
  void runFor(MoviePlayer& player, qint64 ms) {
    clock += ms;
    player.advance();
  }
  qint64 clock = 0;
};

TEST_F(MoviesTest, TheIntroStartsFullWindowAndItsFileIsGoneOncePlaying) {
  // Start-up has already played it.
  EXPECT_EQ(main().shownPage(), u"tsAnim");
  EXPECT_EQ(movies().sfAnim().Movie(), QDir(dir.path()).filePath(QStringLiteral("FILE2")));
  EXPECT_EQ(movies().sfAnim().TotalFrames(), 235);
  EXPECT_TRUE(movies().sfAnim().IsPlaying());
  EXPECT_TRUE(movies().timerActive());
  EXPECT_FALSE(exists("FILE2"));
  EXPECT_TRUE(log.contains("showCursor(false)"));
  EXPECT_FALSE(shell.bgFrm().isEnabled()) << "the X cannot be used during a movie";
  EXPECT_TRUE(shell.bgFrm().imgBG->isHidden());
}

TEST_F(MoviesTest, TheIntroEndsByItselfThreeFramesBeforeItsEnd) {
  MoviePlayer& intro = movies().sfAnim();
  clockOn(intro);
  intro.GotoFrame(0);
  intro.Play();
  runFor(intro, 231 * 1000 / 12 + 1);  // frame 231
  ASSERT_EQ(intro.CurrentFrame(), 231);
  movies().tmAnimTimer();
  EXPECT_EQ(main().shownPage(), u"tsAnim");
  runFor(intro, 1000 / 12);  // frame 232
  ASSERT_EQ(intro.CurrentFrame(), 232);
  movies().tmAnimTimer();
  EXPECT_EQ(main().shownPage(), u"tsProfiles");
  EXPECT_FALSE(movies().timerActive());
  EXPECT_TRUE(shell.bgFrm().isEnabled());
  EXPECT_FALSE(shell.bgFrm().btnClose->isHidden()) << "the X shows for the first time";
  EXPECT_FALSE(shell.bgFrm().imgBG->isHidden());
  EXPECT_TRUE(log.contains("showCursor(true)"));
}

TEST_F(MoviesTest, AnyKeySkipsTheIntro) {
  press(Qt::Key_Space);
  EXPECT_EQ(main().shownPage(), u"tsProfiles");
  EXPECT_FALSE(movies().sfAnim().IsPlaying());
}

TEST_F(MoviesTest, AStoppedMovieEarlyOnIsNotTakenAsEnded) {
  MoviePlayer& intro = movies().sfAnim();
  clockOn(intro);
  intro.GotoFrame(0);
  intro.Play();
  runFor(intro, 30 * 1000 / 12 + 1);
  intro.Stop();
  movies().tmAnimTimer();
  EXPECT_EQ(main().shownPage(), u"tsAnim") << "stopped at frame 30";
  intro.GotoFrame(31);
  movies().tmAnimTimer();
  EXPECT_EQ(main().shownPage(), u"tsProfiles");
}

TEST_F(MoviesTest, TheEndOfTheMillionMovieIsReportedOnce) {
  int ended = 0;
  movies().setMillionMovieEnded([&] { ++ended; });
  ASSERT_TRUE(movies().PlayMovie(QStringLiteral("FILE5")));
  EXPECT_EQ(movies().sfAnim().TotalFrames(), 195);
  press(Qt::Key_W);
  EXPECT_EQ(ended, 1);
}

TEST_F(MoviesTest, TheInformationMovieIsNotRestartedWhilePlaying) {
  MoviePlayer& info = movies().sfInfo();
  main().showPage(main().tsMenu);
  click(QStringLiteral("lblInfo"));
  EXPECT_EQ(main().shownMenuPage(), u"Info");
  EXPECT_EQ(info.TotalFrames(), 131);
  EXPECT_FALSE(exists("NFO.avi"));
  clockOn(info);
  info.Play();  // restart on the test's clock
  runFor(info, 2000);
  const int frame = info.CurrentFrame();
  ASSERT_GT(frame, 20);
  click(QStringLiteral("lblInfo"));
  EXPECT_EQ(info.CurrentFrame(), frame);
  info.StopPlay();
  click(QStringLiteral("lblInfo"));
  EXPECT_EQ(info.CurrentFrame(), 0);
  EXPECT_TRUE(info.IsPlaying());
  runFor(info, (131 + 5) * 1000 / 12 + 1);
  EXPECT_EQ(info.CurrentFrame(), 5) << "it loops";
}

TEST_F(MoviesTest, TheResultMovieRestartsEveryTime) {
  MoviePlayer& lose = movies().sfLose();
  ASSERT_TRUE(movies().EnsureResultMoviePlaying());
  EXPECT_EQ(lose.TotalFrames(), 26);
  EXPECT_FALSE(exists("LOSE.exe"));
  clockOn(lose);
  lose.Play();
  runFor(lose, 1000);
  ASSERT_EQ(lose.CurrentFrame(), 12);
  ASSERT_TRUE(movies().EnsureResultMoviePlaying());
  EXPECT_EQ(lose.CurrentFrame(), 0);
  main().showPage(main().tsLose);
  click(QStringLiteral("lblBack"));
  EXPECT_FALSE(lose.IsPlaying());
}

// The result's texts, the trophy and the way back stand around the movie, never under it.
TEST_F(MoviesTest, TheResultMovieLeavesTheResultPageClear) {
  const QRect movie = movies().sfLose().geometry();
  int around = 0;
  for (QWidget* w : main().tsLose->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QString name = w->objectName();
    // The background lies under everything; the name panel is laid over the page on purpose.
    if (name == u"imgLoseTlo" || name == u"sfLose" || name == u"pnLName") continue;
    EXPECT_FALSE(w->geometry().intersects(movie)) << name.toStdString();
    ++around;
  }
  EXPECT_GE(around, 10);
}

TEST_F(MoviesTest, AMovieThatCannotBeLoadedEndsAtOnce) {
  MoviePlayer& intro = movies().sfAnim();
  intro.setMovie(dir.filePath(QStringLiteral("no-such-movie")));
  EXPECT_EQ(intro.TotalFrames(), 0);
  intro.Play();
  EXPECT_FALSE(intro.IsPlaying());
  movies().tmAnimTimer();
  EXPECT_FALSE(movies().timerActive());
}

TEST(MovieInTheWay, AnIntroThatCannotBeWrittenIsSkippedWithoutAWord) {
  GameHarness game;
  ASSERT_TRUE(QDir(game.dir.path()).mkdir(QStringLiteral("FILE2")));
  ASSERT_TRUE(game.start()) << "the game starts";
  EXPECT_TRUE(game.messages.isEmpty());
  EXPECT_EQ(game.services.movies().sfAnim().TotalFrames(), 0);
  game.services.movies().tmAnimTimer();
  EXPECT_EQ(game.main().shownPage(), u"tsProfiles");
  EXPECT_TRUE(game.exists("FORMAT C.exe"));
}

TEST_F(MoviesTest, MoviesNeverTakeTheMouse) {
  for (const char* name : {"sfAnim", "sfLose", "sfInfo"})
    EXPECT_TRUE(c(QString::fromLatin1(name))->testAttribute(Qt::WA_TransparentForMouseEvents))
        << name;
}

}  // namespace
