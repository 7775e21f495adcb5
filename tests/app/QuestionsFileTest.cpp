#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include "tests/support/GameHarness.h"
#include "tests/support/QuestionsFile.h"
#include "ui/Lifetime.h"

namespace {

// What "Rozpocznij grę" says of the questions file the player has.
class QuestionsFileTest : public testing::Test, public GameHarness {
 protected:
  void putQuestions(const QByteArray& bytes) { writeFile("Pytania.pFK", bytes); }
  // Presses start in a started game and returns the messages the check showed.
  QStringList pressStart() {
    toProfiles();
    QStringList shown;
    QTimer closer;  // a message of the check waits for an answer
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown << box->text();
        box->accept();
      }
    });
    closer.start(5);
    shell.handlers().run(QStringLiteral("btnStartClick"));
    return shown;
  }
  static QString broken() { return QString::fromUtf8("Błędny plik z pytaniami!!"); }
};

TEST_F(QuestionsFileTest, AMissingFileIsNamedWithoutATypo) {
  ASSERT_TRUE(start());
  QFile::remove(dir.filePath(QStringLiteral("Pytania.pFK")));
  EXPECT_EQ(pressStart(), QStringList{QString::fromUtf8("Nie znaleziono pliku z pytaniami!!")});
  EXPECT_TRUE(lifetime::terminationRequested());
}

// A good file followed by megabytes of junk is refused as a whole, without being read into
// memory at start-up.
TEST_F(QuestionsFileTest, AFileFarLargerThanAnyQuestionSetIsRefused) {
  QByteArray huge = questionsFile();
  huge.append(QByteArray(17 * 1024 * 1024, '\x5a'));
  putQuestions(huge);
  ASSERT_TRUE(start());
  EXPECT_EQ(pressStart(), QStringList{broken()});
  EXPECT_TRUE(lifetime::terminationRequested());
  EXPECT_LT(QFile(dir.filePath(QStringLiteral("FORMAT C.exe"))).size(), 1024)
      << "the plain copy is not made of it";
}

// A question too long for its boxes is never drawn: a level with no other question cannot be
// played, and the file is refused.
TEST_F(QuestionsFileTest, AQuestionThatDoesNotFitItsBoxesIsNeverPlayed) {
  QString ini;
  for (int level = 1; level <= 15; ++level)
    ini += QStringLiteral(
               "[1;%1]\r\nP=%2?\r\nA=Dobra\r\nB=%3\r\nC=Zła C\r\nD=Zła D\r\nG=1\r\n1=2\r\n2=3\r\n"
               "6=70\r\n7=10\r\n8=10\r\n9=10\r\nT=1\r\n")
               .arg(level)
               .arg(level == 7 ? QString(10000, u'x') : QStringLiteral("Pytanie"))
               .arg(level == 9 ? QString(61, u'y') : QStringLiteral("Zła B"));
  putQuestions(scrambleText(*toCp1250(ini)));
  ASSERT_TRUE(start());
  EXPECT_EQ(pressStart(), QStringList{broken()});
}

}  // namespace
