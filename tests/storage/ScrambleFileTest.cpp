#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "storage/ScrambleFile.h"

namespace {

QByteArray twice(const QByteArray& text) { return scrambleText(scrambleText(text)); }

TEST(ScrambleText, ScrambledFormIsOneLineWithOneRealLineEnd) {
  const QByteArray plain("[QJan]\r\nImi=Jan\r\n");
  const QByteArray scrambled = scrambleText(plain);
  ASSERT_TRUE(scrambled.endsWith("\r\n"));
  const QByteArray body = scrambled.chopped(2);
  EXPECT_FALSE(body.contains('\r'));
  EXPECT_FALSE(body.contains('\n'));
  ASSERT_EQ(body.size(), plain.size());
  for (qsizetype i = 0; i < plain.size(); ++i)
    EXPECT_EQ(static_cast<unsigned char>(body[i]),
              static_cast<unsigned char>(plain[i]) ^ ScrambleKey);
  EXPECT_NE(scrambled[0], '[') << "a scrambled file must not look plain";
}

TEST(ScrambleText, RoundTripsGiveThePlainTextBack) {
  const QByteArray samples[] = {
      "[1;1]\r\nP=Ile nóg ma pająk?\r\nA=Osiem\r\n",
      "a\r\n\r\nb\r\n",                            // empty line inside
      "a\r\nb\r\n\r\n",                            // empty last line
      "\xb9\xe6\xea\xb3\xf1\xf3\x9c\x9f\xbf\r\n",  // Polish letters in Windows-1250
  };
  for (const QByteArray& plain : samples) EXPECT_EQ(twice(plain), plain) << plain.toStdString();
}

TEST(ScrambleText, LineEndsAreNormalisedAndALastLineGainsOne) {
  EXPECT_EQ(twice("a\nb\rc"), QByteArray("a\r\nb\r\nc\r\n"));
  EXPECT_EQ(twice("x=1"), QByteArray("x=1\r\n"));
}

TEST(ScrambleText, EmptyStaysEmptyBothWays) {
  EXPECT_TRUE(scrambleText({}).isEmpty());
  EXPECT_TRUE(twice({}).isEmpty());
  // A text of one empty line scrambles to exactly the stray line break, which is dropped.
  EXPECT_TRUE(scrambleText("\r\n").isEmpty());
}

TEST(ScrambleText, NoTextByteBecomesALineBreak) {
  // Every byte a Windows-1250 text can hold (all but the other control bytes) stays clear
  // of CR and LF once scrambled, so a scrambled file can never be split into lines.
  for (int b = 0; b < 256; ++b) {
    if (b < 0x20 && b != '\t' && b != '\r' && b != '\n') continue;
    const int scrambled = b ^ ScrambleKey;
    if (b == '\r' || b == '\n')
      EXPECT_LT(scrambled, 0x20);
    else
      EXPECT_TRUE(scrambled != '\r' && scrambled != '\n') << b;
  }
}

TEST(ScrambleFile, ConvertsInPlaceAndIntoAnotherFile) {
  QTemporaryDir dir;
  const QString plainPath = dir.filePath(QStringLiteral("plain.txt"));
  const QString copyPath = dir.filePath(QStringLiteral("copy.txt"));
  QFile f(plainPath);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[S]\r\nK=V\r\n");
  f.close();

  ASSERT_TRUE(ScrambleFile(plainPath, plainPath));
  ASSERT_TRUE(ScrambleFile(plainPath, copyPath));
  QFile scrambled(plainPath), copy(copyPath);
  ASSERT_TRUE(scrambled.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(scrambled.readAll(), scrambleText("[S]\r\nK=V\r\n"));
  EXPECT_EQ(copy.readAll(), QByteArray("[S]\r\nK=V\r\n"));
}

TEST(ScrambleFile, MissingSourceIsAnErrorNamingTheFile) {
  QTemporaryDir dir;
  QString error;
  const QString missing = dir.filePath(QStringLiteral("Pytania.pFK"));
  EXPECT_FALSE(ScrambleFile(missing, dir.filePath(QStringLiteral("out")), &error));
  EXPECT_TRUE(error.contains(QStringLiteral("Pytania.pFK"))) << error.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out"))));
}

// The copy the game makes of its questions: when it cannot be written, the player reads in
// Polish which folder failed and why, not the system's English or the copy's own name.
TEST(ScrambleFile, AnUnwritableCopyIsExplainedInThePlayersWords) {
  QTemporaryDir dir;
  const QString source = dir.filePath(QStringLiteral("s"));
  QFile f(source);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("a\r\n");
  f.close();
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("FORMAT C.exe")));
  QString error;
  EXPECT_FALSE(ScrambleFile(source, dir.filePath(QStringLiteral("FORMAT C.exe")), &error));
  EXPECT_TRUE(error.contains(QString::fromUtf8("w folderze „%1”").arg(dir.path())))
      << error.toStdString();
  EXPECT_TRUE(error.contains(QString::fromUtf8("folder o tej samej nazwie")))
      << error.toStdString();
  EXPECT_FALSE(error.contains(QStringLiteral("FORMAT C.exe"))) << error.toStdString();
  EXPECT_FALSE(error.contains(QStringLiteral("directory"))) << error.toStdString();

  EXPECT_FALSE(ScrambleFile(source, dir.filePath(QStringLiteral("no/such/dir/out")), &error));
  EXPECT_TRUE(error.contains(QString::fromUtf8("folder nie istnieje"))) << error.toStdString();
}

}  // namespace
