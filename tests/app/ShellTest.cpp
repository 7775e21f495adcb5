#include <gtest/gtest.h>

#include <QDir>
#include <QStackedWidget>

#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ShellHarness.h"
#include "ui/TBGFrm.h"
#include "ui/TMainFrm.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

class ShellTest : public ::testing::Test, public ShellHarness {
 protected:
  std::vector<std::string> callsFrom(const std::string& first) const {
    auto it = std::find(log.calls.begin(), log.calls.end(), first);
    return {it, log.calls.end()};
  }
};

TEST_F(ShellTest, StartUpRunsItsStepsInOrder) {
  ASSERT_TRUE(start());
  const std::vector<std::string> expected = {"createSoundThread",
                                             "developmentWindowVisible",
                                             "resetCurrentPlayer",
                                             "screenMetrics",
                                             "developmentWindowVisible",
                                             "underWayland",
                                             "SetScreenMode(800,600)",
                                             "screenMetrics",
                                             "screenMetrics",
                                             "disableMovieInput",
                                             "LoadOptions",
                                             "ProfilesShow",
                                             "PlayMovie(FILE2)",
                                             "SetSystemBeep(off)"};
  EXPECT_EQ(log.calls, expected);
  EXPECT_FALSE(shell.context().TestMode);
  EXPECT_EQ(shell.context().DataFileName, u"Opcje.oFK");
  EXPECT_TRUE(shell.context().AppDir.endsWith(u'/'));
  EXPECT_EQ(shell.context().QuestionsTempPath,
            shell.context().AppDir + QStringLiteral("FORMAT C.exe"));
  EXPECT_EQ(shell.context().ScreenSizeAtStart, (platform::ScreenSize{1024, 768}));
}

TEST_F(ShellTest, WindowsAndPagesAfterStartUp) {
  ASSERT_TRUE(start());
  TMainFrm& main = shell.mainFrm();
  EXPECT_EQ(main.size(), QSize(792, 427));
  EXPECT_EQ(main.Pages->geometry(), QRect(1, 1, 790, 425));
  EXPECT_EQ(main.pos(), QPoint(4, 86)) << "centred on the 800 x 600 screen";
  EXPECT_EQ(main.shownPage(), u"tsAnim");
  EXPECT_TRUE(main.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(main.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(main.windowTitle(), QString::fromUtf8("FORTUNIAK v 0.7.1.4 ßETA"));
  EXPECT_EQ(main.control<TextLabel>(QStringLiteral("lblPAppInfo"))->caption(), main.windowTitle());
  EXPECT_TRUE(main.MenuPages->isHidden());

  TBGFrm& bg = shell.bgFrm();
  EXPECT_EQ(bg.geometry(), QRect(0, 0, 1024, 768));
  EXPECT_TRUE(bg.imgBG->isHidden()) << "shown when the intro ends";
  EXPECT_TRUE(bg.btnClose->isHidden());
  EXPECT_EQ(bg.btnClose->x(), 780);
  EXPECT_TRUE(bg.imgBGp->isHidden());
}

TEST_F(ShellTest, BorderPatternFramesAnEightHundredBySixHundredScreen) {
  ASSERT_TRUE(start());
  const QImage& canvas = shell.bgFrm().imgBG->picture();
  const QImage& tile = shell.bgFrm().imgBGp->picture();
  ASSERT_EQ(tile.size(), QSize(87, 88));
  ASSERT_EQ(canvas.size(), QSize(1024, 768));
  // 1024 div 87 = 11, so twelve tiles per band; the twelfth starts at 957.
  for (int x : {0, 87 * 5 + 40, 957 + 30}) {
    EXPECT_EQ(canvas.pixel(x, 40), tile.pixel(x % 87, 40)) << x;
    EXPECT_EQ(canvas.pixel(x, 512 + 40), tile.pixel(x % 87, 40)) << x;
  }
  EXPECT_EQ(canvas.pixel(500, 300), qRgb(0, 0, 0)) << "between the bands: the black window";
  EXPECT_EQ(canvas.pixel(500, 700), qRgb(0, 0, 0));
}

TEST_F(ShellTest, ShutdownRunsItsStepsInOrderAndCleansUp) {
  ASSERT_TRUE(start());
  EXPECT_TRUE(exists("FORMAT C.exe"));
  for (const char* leftover : {"NFO.avi", "LOSE.exe", "FILE2", "FILE5"}) writeFile(leftover, "x");
  shell.FormDestroy();
  const std::vector<std::string> expected = {"SetScreenMode(1024,768)", "restoreTaskbar",
                                             "SaveOptions", "SetSystemBeep(on)"};
  EXPECT_EQ(callsFrom("SetScreenMode(1024,768)"), expected);
  for (const char* gone : {"FORMAT C.exe", "NFO.avi", "LOSE.exe", "FILE2", "FILE5"})
    EXPECT_FALSE(exists(gone)) << gone;
  EXPECT_TRUE(exists("Pytania.pFK"));
  shell.FormDestroy();
  EXPECT_EQ(log.withPrefix("SetScreenMode").size(), 2u) << "shutdown runs once";
}

TEST_F(ShellTest, ThePlainQuestionsCopyIsTheUnscrambledFile) {
  ASSERT_TRUE(start());
  QFile copy(dir.filePath(QStringLiteral("FORMAT C.exe")));
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), QByteArray("[1;1]\r\nP=Pytanie\r\n"));
}

TEST_F(ShellTest, AnEightHundredBySixHundredDesktopIsLeftAsItIs) {
  desktop.screen = {800, 600};
  ASSERT_TRUE(start());
  EXPECT_TRUE(log.withPrefix("SetScreenMode").empty());
  shell.FormDestroy();
  EXPECT_EQ(log.withPrefix("SetScreenMode"), std::vector<std::string>{"SetScreenMode(800,600)"});
}

TEST_F(ShellTest, OnlyTheHeightTooSmallStillSwitches) {
  desktop.screen = {1024, 480};
  ASSERT_TRUE(start());
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(log.contains("SetScreenMode(800,600)"));
}

TEST_F(ShellTest, TooSmallAScreenShowsTheMessageThenShutsDownNormally) {
  desktop.screen = {640, 480};
  ASSERT_TRUE(start()) << "the remaining steps still run";
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(
      messages[0],
      QString::fromUtf8("Zła rozdzielczość!|Wykryta została rozdzielczość ekranu mniejsza niż\n"
                        "800 x 600. Gra FORTUNIAK wymaga większej rozdzielczości,\n"
                        "więc musi zostać zamknięta. Zmień rozdzielczość ekranu na\n"
                        "większą i uruchom grę ponownie."));
  EXPECT_EQ(icons[0], QMessageBox::Critical);
  EXPECT_TRUE(lifetime::terminationRequested());
  EXPECT_TRUE(log.withPrefix("SetScreenMode").empty());
  EXPECT_TRUE(log.contains("PlayMovie(FILE2)"));
  EXPECT_TRUE(exists("FORMAT C.exe"));
  EXPECT_EQ(shell.runAndShutDown(), 0) << "the loop returns at once";
  EXPECT_FALSE(exists("FORMAT C.exe"));
  EXPECT_EQ(log.withPrefix("SetScreenMode"), std::vector<std::string>{"SetScreenMode(640,480)"});
}

TEST_F(ShellTest, TestModeLeavesTheDesktopAlone) {
  desktop.devWindow = true;
  ASSERT_TRUE(start());
  EXPECT_TRUE(shell.context().TestMode);
  EXPECT_EQ(shell.context().DataFileName, u"Opcje testowe.oFK");
  EXPECT_TRUE(log.withPrefix("SetScreenMode").empty());
  EXPECT_FALSE(shell.mainFrm().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(shell.bgFrm().size(), QSize(800, 600)) << "keeps its design size";
  EXPECT_EQ(shell.bgFrm().pos(), QPoint(112, 84)) << "centred";
  shell.FormDestroy();
  EXPECT_FALSE(log.contains("restoreTaskbar"));
  EXPECT_TRUE(log.contains("SetScreenMode(1024,768)")) << "the restore is made even so";
}

TEST_F(ShellTest, AMissingQuestionsFileEndsStartUpWithAMessageAndAFullShutdown) {
  QFile::remove(dir.filePath(QStringLiteral("Pytania.pFK")));
  EXPECT_FALSE(start());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("Pytania.pFK"))) << messages[0].toStdString();
  EXPECT_EQ(icons[0], QMessageBox::Critical);
  EXPECT_FALSE(log.contains("SetSystemBeep(off)"));
  EXPECT_TRUE(log.contains("SetScreenMode(1024,768)")) << "the display is given back";
  EXPECT_TRUE(log.contains("SaveOptions"));
  EXPECT_FALSE(exists("FORMAT C.exe"));
}

// Neither the game's folder nor the user's folder can be written: the player is told so, in
// Polish, and start-up ends in order instead of failing on a file the player never heard of.
TEST_F(ShellTest, NoFolderToWriteInIsSaidAtStart) {
  ReadOnlyFolder locked(dir.path());
  if (!locked.holds()) GTEST_SKIP() << "this system cannot make a folder read-only";
  const QString user = dir.filePath(QStringLiteral("home/data/fortuniak")) + u'/';
  const GameFolders folders{user, dir.path() + u'/'};
  EXPECT_FALSE(start(&folders));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(
      QString::fromUtf8("ani utworzyć folderu „%1”").arg(QDir::cleanPath(user))))
      << messages[0].toStdString();
  EXPECT_FALSE(messages[0].contains(QStringLiteral("FORMAT C.exe")));
  EXPECT_TRUE(log.contains("SetScreenMode(1024,768)")) << "the display is given back";
}

TEST_F(ShellTest, TheCloseButtonGivesBackTheLampsOnlyDuringAGame) {
  ASSERT_TRUE(start());
  TMainFrm& main = shell.mainFrm();
  main.showPage(main.tsMenu);
  shell.handlers().run(QStringLiteral("btnCloseClick"));
  EXPECT_FALSE(log.contains("restoreSavedLamps"));
  EXPECT_TRUE(lifetime::terminationRequested());

  lifetime::reset();
  main.showPage(main.tsGra);
  shell.handlers().run(QStringLiteral("btnCloseClick"));
  EXPECT_TRUE(log.contains("restoreSavedLamps"));
  EXPECT_TRUE(lifetime::terminationRequested());
}

TEST_F(ShellTest, EveryWayOutRequestsTheSameTermination) {
  ASSERT_TRUE(start());
  TMainFrm& main = shell.mainFrm();
  for (const char* how : {"menu", "profiles", "keyZ", "X"}) {
    lifetime::reset();
    const std::string way = how;
    if (way == "menu" || way == "profiles") {
      main.showPage(way == "menu" ? main.tsMenu : main.tsProfiles);
      main.control<TextLabel>(way == "menu" ? QStringLiteral("lblQuit")
                                            : QStringLiteral("lblPQuit"))
          ->clicked();
    } else if (way == "keyZ") {
      main.showPage(main.tsMenu);
      main.handleKeyPress(QChar('z'));
    } else {
      shell.bgFrm().btnClose->clicked();
    }
    EXPECT_TRUE(lifetime::terminationRequested()) << how;
  }
}

}  // namespace
