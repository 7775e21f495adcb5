#include <gtest/gtest.h>

#include <QDir>
#include <QMessageBox>

#include "options/Options.h"
#include "players/ProfileStore.h"
#include "tests/support/GameHarness.h"
#include "tests/support/ReadOnlyFolder.h"
#include "ui/WriteFailureNotice.h"
#include "ui/widgets/TextLabel.h"

namespace {

// A game whose folder cannot be written: what was stored stays, every write says it failed,
// and the player is told once.
class WriteFailureTest : public testing::Test, public GameHarness {
 protected:
  void SetUp() override {
    writeData(
        QStringLiteral("[QJan]\r\nImi=Jan\r\nMie=Opole\r\nUro=80-01-02 00:00:00\r\n"
                       "Pue=M\r\nHas=\r\nDzw=1\r\n"));
    ASSERT_TRUE(start());
    toProfiles();
    before = dataBytes();
  }
  void lockFolder() {
    folder = std::make_unique<ReadOnlyFolder>(dir.path());
    if (!folder->holds()) GTEST_SKIP() << "this system cannot make a folder read-only";
  }
  QByteArray before;
  std::unique_ptr<ReadOnlyFolder> folder;
};

TEST_F(WriteFailureTest, SavingOptionsFailsLeavesTheFileAndTellsThePlayerOnce) {
  lockFolder();
  services.options().flags.Dzw = false;
  EXPECT_FALSE(services.options().SaveOptions());
  EXPECT_EQ(dataBytes(), before);
  ASSERT_EQ(openMessages().size(), 1);
  // In Polish, naming the folder and what the player can do, and promising only the truth.
  const QString text = openMessages().front()->text();
  EXPECT_TRUE(text.contains(QDir::toNativeSeparators(dir.path()))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Tej zmiany nie zapisano"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Zwolnij miejsce"))) << text.toStdString();
  for (const char* english : {"Permission", "denied", "No space", "Read-only", "Opcje.oFK"})
    EXPECT_FALSE(text.contains(QString::fromUtf8(english))) << english;
  EXPECT_FALSE(services.options().SaveOptions()) << "still failing";
  EXPECT_EQ(openMessages().size(), 1) << "the player is told once, not at every write";

  // The notice says the game keeps trying: once the folder can be written, saves go through.
  folder.reset();
  EXPECT_TRUE(services.options().SaveOptions());
  EXPECT_NE(dataBytes(), before);
}

TEST_F(WriteFailureTest, ANewPlayerThatCannotBeStoredIsNotCreated) {
  lockFolder();
  click(QStringLiteral("lblPNew"));
  type(QStringLiteral("edtPImi"), QStringLiteral("Ola"));
  type(QStringLiteral("edtPMie"), QStringLiteral("Gniezno"));
  c<QLineEdit>(QStringLiteral("edtPUro"))->setCursorPosition(0);
  type(QStringLiteral("edtPUro"), QStringLiteral("900101"));
  type(QStringLiteral("edtPPue"), QStringLiteral("k"));
  ASSERT_TRUE(c(QStringLiteral("lblPCreate"))->isEnabled());
  click(QStringLiteral("lblPCreate"));
  EXPECT_EQ(dataBytes(), before);
  EXPECT_EQ(services.session().CurrentPlayer.name, AnonymousName) << "nobody logged in as Ola";
  EXPECT_EQ(c<QLineEdit>(QStringLiteral("edtPImi"))->text(), u"Ola") << "the form keeps the text";
  EXPECT_EQ(openMessages().size(), 1);
}

TEST_F(WriteFailureTest, AWritableFolderSavesWithoutAWord) {
  services.options().flags.Dzw = false;
  EXPECT_TRUE(services.options().SaveOptions());
  EXPECT_NE(dataBytes(), before);
  EXPECT_TRUE(openMessages().isEmpty());
}

}  // namespace
