#include <gtest/gtest.h>

#include <QDir>

#include "options/Options.h"
#include "tests/support/GameHarness.h"
#include "tests/support/QuestionsFile.h"
#include "tests/support/ReadOnlyFolder.h"
#include "ui/Lifetime.h"

namespace {

// An installed game: its questions in a folder it cannot write, and everything it writes in
// the user's folder, which start-up makes.
class SplitFoldersTest : public testing::Test, public GameHarness {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("shared")));
    QFile::remove(dir.filePath(QStringLiteral("Pytania.pFK")));  // only the shared ones
    QFile questions(shared() + "Pytania.pFK");
    ASSERT_TRUE(questions.open(QIODevice::WriteOnly));
    questions.write(questionsFile());
    questions.close();
    locked = std::make_unique<ReadOnlyFolder>(dir.filePath(QStringLiteral("shared")));
    if (!locked->holds()) GTEST_SKIP() << "this system cannot make a folder read-only";
    folders = {user(), shared()};
  }
  QString shared() const { return dir.filePath(QStringLiteral("shared")) + u'/'; }
  QString user() const { return dir.filePath(QStringLiteral("home/data/fortuniak")) + u'/'; }
  QStringList sharedFiles() const {
    return QDir(shared()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  QByteArray read(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
  }

  std::unique_ptr<ReadOnlyFolder> locked;
  GameFolders folders;
};

TEST_F(SplitFoldersTest, StartUpMakesTheUsersFolderAndWritesOnlyThere) {
  ASSERT_FALSE(QDir(user()).exists());
  ASSERT_TRUE(start(&folders));
  EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
  EXPECT_EQ(shell.context().AppDir, user());
  EXPECT_EQ(shell.context().DataFilePath(), user() + "Opcje.oFK");
  EXPECT_EQ(shell.context().QuestionsFilePath(), shared() + "Pytania.pFK");
  EXPECT_EQ(shell.context().QuestionsTempPath, user() + "FORMAT C.exe");
  EXPECT_EQ(read(user() + "FORMAT C.exe"), scrambleText(questionsFile()))
      << "the plain copy is made from the questions where they were found";
  EXPECT_EQ(sharedFiles(), QStringList{QStringLiteral("Pytania.pFK")});
}

TEST_F(SplitFoldersTest, TheOptionsAreSavedScrambledInTheUsersFolderAndTheCopyGoes) {
  ASSERT_TRUE(start(&folders));
  services.options().flags.Dzw = false;
  shell.FormDestroy();
  const QByteArray saved = read(user() + "Opcje.oFK");
  ASSERT_FALSE(saved.startsWith('[')) << "scrambled at rest";
  EXPECT_TRUE(scrambleText(saved).contains("[QGracz anonimowy]\r\nDzw=0\r\n"))
      << scrambleText(saved).toStdString();
  EXPECT_FALSE(QFile::exists(user() + "FORMAT C.exe"));
  const QStringList left = QDir(user()).entryList(QDir::Files | QDir::Hidden);
  EXPECT_EQ(left, QStringList{QStringLiteral("Opcje.oFK")}) << "no movie file is left either";
  EXPECT_EQ(sharedFiles(), QStringList{QStringLiteral("Pytania.pFK")});
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Opcje.oFK"))));
}

TEST_F(SplitFoldersTest, StartLooksForTheQuestionsWhereTheyAreRead) {
  ASSERT_TRUE(start(&folders));
  toProfiles();
  QTimer closer;  // a message the check shows waits for an answer
  QObject::connect(&closer, &QTimer::timeout, [this] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      messages << box->text();
      box->accept();
    }
  });
  closer.start(5);
  shell.handlers().run(QStringLiteral("btnStartClick"));
  EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
  EXPECT_FALSE(lifetime::terminationRequested());
  EXPECT_EQ(main().shownMenuPage(), u"tsChoose") << "on to the choice of friends";
}

}  // namespace
