#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/GameFolders.h"
#include "tests/support/ReadOnlyFolder.h"

namespace {

// An installed game in a prefix of its own: the executable's folder games/, the shipped
// questions in share/games/fortuniak/, and a user's home.
class GameFoldersTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    for (const char* dir : {"games", "share/games/fortuniak", "home", "xdg"})
      ASSERT_TRUE(QDir(root.path()).mkpath(QString::fromUtf8(dir)));
    put("share/games/fortuniak/Pytania.pFK");
  }
  QString path(const char* relative) const {
    return root.filePath(QString::fromUtf8(relative)) + u'/';
  }
  void put(const char* file) {
    QFile f(root.filePath(QString::fromUtf8(file)));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(f).path()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
  }
  QStringList entries(const char* dir) const {
    return QDir(path(dir)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  // The executable's folder made read-only, or the test skipped where that cannot be done.
  bool lockGames() {
    locked = std::make_unique<ReadOnlyFolder>(root.filePath(QStringLiteral("games")));
    return locked->holds();
  }
  GameFolders choose(const QString& xdg, const QString& home) {
    return gamefolders::chooseGameFolders(root.filePath(QStringLiteral("games")), xdg, home);
  }

  QTemporaryDir root;
  std::unique_ptr<ReadOnlyFolder> locked;
};

TEST_F(GameFoldersTest, TheProbeReallyWritesAndLeavesNothingBehind) {
  EXPECT_TRUE(gamefolders::canWriteIn(path("games")));
  EXPECT_TRUE(entries("games").isEmpty()) << entries("games").join(u' ').toStdString();
  EXPECT_FALSE(gamefolders::canWriteIn(path("missing")));
  if (!lockGames()) GTEST_SKIP() << "this system cannot make a folder read-only";
  EXPECT_FALSE(gamefolders::canWriteIn(path("games")));
}

TEST_F(GameFoldersTest, AWritableFolderKeepsEverythingBesideTheExecutable) {
  put("games/Pytania.pFK");
  put("xdg/fortuniak/Pytania.pFK");  // the user's folder plays no part
  const GameFolders beside{path("games"), path("games")};
  EXPECT_EQ(choose(path("xdg"), path("home")), beside);
  EXPECT_EQ(choose({}, path("home")), beside);
  EXPECT_EQ(choose({}, {}), beside);
  EXPECT_EQ(entries("games"), QStringList{QStringLiteral("Pytania.pFK")}) << "the probe is gone";
  EXPECT_FALSE(QDir(path("home") + QStringLiteral(".local")).exists()) << "nothing is made";
}

TEST_F(GameFoldersTest, AWritablePrefixWithoutQuestionsBesideReadsTheSharedOnes) {
  const GameFolders folders = choose({}, path("home"));
  EXPECT_EQ(folders.dataDir, path("games"));
  EXPECT_EQ(QDir(folders.questionsDir).canonicalPath(),
            QDir(path("share/games/fortuniak")).canonicalPath());
}

TEST_F(GameFoldersTest, AReadOnlyFolderSendsTheWritesToTheUsersDataFolder) {
  if (!lockGames()) GTEST_SKIP() << "this system cannot make a folder read-only";
  const QString shared = QDir(path("share/games/fortuniak")).canonicalPath();

  GameFolders xdg = choose(path("xdg"), path("home"));
  EXPECT_EQ(xdg.dataDir, path("xdg/fortuniak"));
  EXPECT_EQ(QDir(xdg.questionsDir).canonicalPath(), shared);

  for (const QString& unusable : {QString(), QStringLiteral("relative/data")}) {
    GameFolders home = choose(unusable, path("home"));
    EXPECT_EQ(home.dataDir, path("home/.local/share/fortuniak")) << unusable.toStdString();
    EXPECT_EQ(QDir(home.questionsDir).canonicalPath(), shared);
  }

  // With no home at all the game stays where it is; its writes then fail and say so.
  EXPECT_EQ(choose({}, {}).dataDir, path("games"));
  EXPECT_TRUE(entries("games").isEmpty());
}

TEST_F(GameFoldersTest, AUsersOwnQuestionsFileIsReadInsteadOfTheInstalledOne) {
  if (!lockGames()) GTEST_SKIP() << "this system cannot make a folder read-only";
  put("xdg/fortuniak/Pytania.pFK");
  EXPECT_EQ(choose(path("xdg"), path("home")),
            (GameFolders{path("xdg/fortuniak"), path("xdg/fortuniak")}));
  // A file in another user folder than the one in force counts for nothing.
  EXPECT_EQ(QDir(choose({}, path("home")).questionsDir).canonicalPath(),
            QDir(path("share/games/fortuniak")).canonicalPath());
  put("home/.local/share/fortuniak/Pytania.pFK");
  EXPECT_EQ(choose({}, path("home")).questionsDir, path("home/.local/share/fortuniak"));
}

TEST_F(GameFoldersTest, QuestionsBesideAReadOnlyExecutableWinOverTheSharedOnes) {
  put("games/Pytania.pFK");
  if (!lockGames()) GTEST_SKIP() << "this system cannot make a folder read-only";
  EXPECT_EQ(choose(path("xdg"), path("home")), (GameFolders{path("xdg/fortuniak"), path("games")}));
}

}  // namespace
