#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

struct Identity {
  ino_t inode = 0;
  timespec mtime{};
  bool operator==(const Identity& o) const {
    return inode == o.inode && mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec;
  }
};

Identity identityOf(const QString& path) {
  struct stat st {};
  EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  return {st.st_ino, st.st_mtim};
}

class DataFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

  QString appDir() const { return m_dir.path() + u'/'; }
  QString dataPath() const { return appDir() + u8("Opcje.oFK"); }
  QString copyPath() const { return appDir() + u8("Opcje.txt"); }
  DataFile dataFile(bool testMode = false) const {
    return DataFile(appDir(), u8("Opcje.oFK"), testMode);
  }
  QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

  // A data file in the scrambled form the game stores.
  void store(const QByteArray& plain) const { writeBytes(dataPath(), scrambleText(plain)); }

  // Dates the file back, so that any rewrite shows in its time stamp as well.
  void ageFile() const {
    QFile f(dataPath());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        f.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
  }

  QTemporaryDir m_dir;
};

TEST_F(DataFileTest, AMissingFileReadsAsDefaultsAndIsNotCreated) {
  const DataFile file = dataFile(true);
  EXPECT_EQ(file.path(), dataPath());
  QString name;
  file.read(
      [&](const IniFile& ini) { name = ini.readString(u8("Gracz"), u8("Imie"), u8("brak")); });
  EXPECT_EQ(name, u8("brak"));
  EXPECT_TRUE(file.cycle([](IniFile& ini) { ini.readInteger(u8("Gracz"), u8("Wynik"), 0); },
                         DataFile::TestCopy::Before));
  EXPECT_TRUE(file.cycle([](IniFile&) {}, DataFile::TestCopy::After));
  EXPECT_TRUE(entries().isEmpty()) << entries().join(u' ').toStdString();
}

TEST_F(DataFileTest, TheFirstWriteCreatesTheFileScrambled) {
  ASSERT_TRUE(dataFile().cycle([](IniFile& ini) {
    ini.writeString(u8("Gracz"), u8("Imie"), u8("Jan"));
    ini.writeInteger(u8("Gracz"), u8("Wynik"), 1000);
  }));
  const QByteArray onDisk = fileBytes(dataPath());
  EXPECT_EQ(onDisk, scrambleText("[Gracz]\r\nImie=Jan\r\nWynik=1000\r\n"));
  EXPECT_NE(onDisk.at(0), '[');
  EXPECT_EQ(entries(), QStringList{u8("Opcje.oFK")}) << "no temporary file is left behind";
}

TEST_F(DataFileTest, EveryCycleReadsTheFileAgain) {
  const DataFile file = dataFile();
  ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("1")); }));
  store("[S]\r\nk=2\r\n");
  QString value;
  file.read([&](const IniFile& ini) { value = ini.readString(u8("S"), u8("k")); });
  EXPECT_EQ(value, u8("2"));
  ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("j"), u8("3")); }));
  EXPECT_EQ(fileBytes(dataPath()), scrambleText("[S]\r\nk=2\r\nj=3\r\n"));
}

TEST_F(DataFileTest, ACycleThatChangesNothingNeverRewritesTheFile) {
  store("[Gracz]\r\nImie=Jan\r\nWynik = 5\r\n");
  ageFile();
  const QByteArray before = fileBytes(dataPath());
  const Identity identity = identityOf(dataPath());
  const DataFile file = dataFile();

  file.read([](const IniFile& ini) { ini.readString(u8("Gracz"), u8("Imie")); });
  EXPECT_TRUE(file.cycle([](IniFile& ini) { ini.readBool(u8("Gracz"), u8("Brak"), true); }));
  EXPECT_TRUE(file.cycle([](IniFile& ini) {
    ini.writeString(u8("Gracz"), u8("Imie"), u8("Jan"));  // the value it already has
    ini.writeInteger(u8("GRACZ"), u8("wynik"), 5);
    ini.deleteKey(u8("Gracz"), u8("Brak"));
    ini.eraseSection(u8("Brak"));
  }));
  EXPECT_EQ(identityOf(dataPath()), identity);
  EXPECT_EQ(fileBytes(dataPath()), before);
}

// The parsed text of one cycle is handed to the next when the file still holds the same bytes.
TEST_F(DataFileTest, TheTextKeptFromAWriteIsNeitherRewrittenNorStaleLater) {
  const DataFile file = dataFile();
  ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("1")); }));
  ageFile();
  const Identity identity = identityOf(dataPath());
  QString value;
  file.read([&](const IniFile& ini) { value = ini.readString(u8("S"), u8("k")); });
  EXPECT_EQ(value, u8("1"));
  EXPECT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("1")); }));
  EXPECT_EQ(identityOf(dataPath()), identity) << "a stored write is not stored again";

  // Changed outside in place: same inode, same size, maybe the same time stamp.
  store("[S]\r\nk=7\r\n");
  file.read([&](const IniFile& ini) { value = ini.readString(u8("S"), u8("k")); });
  EXPECT_EQ(value, u8("7"));
}

TEST_F(DataFileTest, AWriteThatFailedLeavesNothingOfItselfForTheNextCycle) {
  const DataFile file = dataFile();
  ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("1")); }));
  EXPECT_FALSE(file.cycle([](IniFile& ini) {
    ini.writeString(u8("S"), u8("j"), u8("2"));
    ini.writeString(u8("S"), u8("k"), u8("Жора"));
  }));
  QStringList keys;
  QString value;
  file.read([&](const IniFile& ini) {
    keys = ini.keys(u8("S"));
    value = ini.readString(u8("S"), u8("k"));
  });
  EXPECT_EQ(keys, QStringList{u8("k")});
  EXPECT_EQ(value, u8("1"));
}

TEST_F(DataFileTest, APlainFileIsReadAndStoredScrambledAtTheNextWrite) {
  const QByteArray plain("[Gracz]\nImie=Jan\n; uwaga\n");
  writeBytes(dataPath(), plain);
  const DataFile file = dataFile();
  QString name;
  file.read([&](const IniFile& ini) { name = ini.readString(u8("Gracz"), u8("Imie")); });
  EXPECT_EQ(name, u8("Jan"));
  EXPECT_EQ(fileBytes(dataPath()), plain) << "reading leaves it plain";

  ASSERT_TRUE(
      file.cycle([](IniFile& ini) { ini.writeString(u8("Gracz"), u8("Imie"), u8("Ola")); }));
  EXPECT_EQ(fileBytes(dataPath()), scrambleText("[Gracz]\r\nImie=Ola\r\n; uwaga\r\n"));
  file.read([&](const IniFile& ini) { name = ini.readString(u8("Gracz"), u8("Imie")); });
  EXPECT_EQ(name, u8("Ola"));
}

TEST_F(DataFileTest, PolishTextIsStoredInWindows1250AndReadBack) {
  const QString polish = u8("Zażółć gęślą jaźń ŻÓŁĆ Ś Ź Ń €");
  const DataFile file = dataFile();
  ASSERT_TRUE(
      file.cycle([&](IniFile& ini) { ini.writeString(u8("Gracz Łukasz"), u8("Imię"), polish); }));
  // Spelled out byte by byte, not through the converter under test.
  EXPECT_EQ(scrambleText(fileBytes(dataPath())),
            QByteArray("[Gracz \xa3ukasz]\r\nImi\xea=Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1 "
                       "\xaf\xd3\xa3\xc6 \x8c \x8f \xd1 \x80\r\n"));
  QString back;
  file.read([&](const IniFile& ini) { back = ini.readString(u8("GRACZ ŁUKASZ"), u8("IMIĘ")); });
  EXPECT_EQ(back, polish);
}

// A file may hold bytes the game never wrote, even ones Windows-1250 leaves undefined: every
// later save must go on working and give each of them back unchanged.
TEST_F(DataFileTest, EveryByteTheGameDidNotWriteComesBackOutUnchanged) {
  const DataFile file = dataFile();
  for (int b = 0; b < 256; ++b) {
    // CR and LF end lines; 0x12 and 0x15 would be line ends in the scrambled form.
    if (b == '\r' || b == '\n' || b == ('\r' ^ ScrambleKey) || b == ('\n' ^ ScrambleKey)) continue;
    const QByteArray odd = QByteArray("[Obcy]\r\nk=<") + char(b) + ">\r\n[QAla]\r\nMie=X";
    const QByteArray foreign = odd + char(b) + "Y\r\n";
    store(foreign);
    ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeBool(u8("QAla"), u8("Dzw"), false); }))
        << "byte " << b;
    EXPECT_EQ(scrambleText(fileBytes(dataPath())), foreign + "Dzw=0\r\n") << "byte " << b;
    QString place;
    file.read([&](const IniFile& ini) { place = ini.readString(u8("QAla"), u8("Mie")); });
    EXPECT_EQ(toCp1250(place).value_or(QByteArray()), QByteArray("X") + char(b) + 'Y')
        << "byte " << b;
  }
}

mode_t modeOf(const QString& path) {
  struct stat st {};
  EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  return st.st_mode & 0777;
}

// A save keeps the mode the player gave the file; a new file gets the user's default.
TEST_F(DataFileTest, ASaveKeepsTheFilesPermissions) {
  const DataFile file = dataFile();
  const mode_t oldMask = ::umask(022);
  EXPECT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("1")); }));
  EXPECT_EQ(modeOf(dataPath()), 0644u);
  ASSERT_EQ(::chmod(QFile::encodeName(dataPath()).constData(), 0660), 0);
  EXPECT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("2")); }));
  EXPECT_EQ(modeOf(dataPath()), 0660u);
  ::umask(oldMask);
}

TEST_F(DataFileTest, TextWindows1250CannotHoldIsRefusedAndNothingIsWritten) {
  const DataFile file = dataFile(true);
  EXPECT_FALSE(
      file.cycle([](IniFile& ini) { ini.writeString(u8("Gracz"), u8("Imie"), u8("Жора")); },
                 DataFile::TestCopy::After));
  EXPECT_TRUE(entries().isEmpty()) << "a missing file stays missing";

  store("[Gracz]\r\nImie=Jan\r\n");
  ageFile();
  const QByteArray before = fileBytes(dataPath());
  const Identity identity = identityOf(dataPath());
  EXPECT_FALSE(file.cycle([](IniFile& ini) {
    ini.writeString(u8("Gracz"), u8("Wynik"), u8("10"));
    ini.writeString(u8("Gracz"), u8("Imie"), u8("✓"));
  }));
  EXPECT_EQ(fileBytes(dataPath()), before);
  EXPECT_EQ(identityOf(dataPath()), identity);
  EXPECT_EQ(entries(), QStringList{u8("Opcje.oFK")});
}

TEST_F(DataFileTest, AFileThatCannotBeStoredIsReportedAsAFailure) {
  const DataFile file(appDir() + u8("nie ma/"), u8("Opcje.oFK"), false);
  EXPECT_TRUE(file.cycle([](IniFile& ini) { ini.readString(u8("S"), u8("k")); }));
  EXPECT_FALSE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("v")); }));
  EXPECT_FALSE(QFile::exists(file.path()));
}

TEST_F(DataFileTest, TestModeCopiesThePlainFileBeforeOrAfterTheAccess) {
  store("[Gracz]\r\nPytania=1\r\n");
  const DataFile file = dataFile(true);
  auto setQuestions = [](const char* list) {
    return [list](IniFile& ini) { ini.writeString(u8("Gracz"), u8("Pytania"), u8(list)); };
  };

  ASSERT_TRUE(file.cycle(setQuestions("1,2"), DataFile::TestCopy::Before));
  EXPECT_EQ(fileBytes(copyPath()), QByteArray("[Gracz]\r\nPytania=1\r\n"));
  EXPECT_EQ(fileBytes(dataPath()), scrambleText("[Gracz]\r\nPytania=1,2\r\n"));

  ASSERT_TRUE(file.cycle(setQuestions("1,2,3"), DataFile::TestCopy::After));
  EXPECT_EQ(fileBytes(copyPath()), QByteArray("[Gracz]\r\nPytania=1,2,3\r\n"));

  // A read-only access copies the file as it is.
  ASSERT_TRUE(file.cycle([](IniFile&) {}, DataFile::TestCopy::After));
  EXPECT_EQ(fileBytes(copyPath()), QByteArray("[Gracz]\r\nPytania=1,2,3\r\n"));

  ASSERT_TRUE(QFile::remove(copyPath()));
  ASSERT_TRUE(file.cycle(setQuestions("4")));
  file.read([](const IniFile&) {});
  EXPECT_FALSE(QFile::exists(copyPath())) << "no copy without TestCopy";
  EXPECT_EQ(entries(), QStringList{u8("Opcje.oFK")});
}

TEST_F(DataFileTest, TestModeCopyOfAPlainFileHasCrLfLineEnds) {
  writeBytes(dataPath(), "[Gracz]\nPytania=7\n");
  ASSERT_TRUE(dataFile(true).cycle([](IniFile&) {}, DataFile::TestCopy::Before));
  EXPECT_EQ(fileBytes(copyPath()), QByteArray("[Gracz]\r\nPytania=7\r\n"));
}

TEST_F(DataFileTest, TestModeCopyAfterTheFirstWriteOfAMissingFile) {
  const DataFile file = dataFile(true);
  ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("v")); },
                         DataFile::TestCopy::Before));
  EXPECT_FALSE(QFile::exists(copyPath())) << "there was no file before";
  ASSERT_TRUE(QFile::remove(dataPath()));
  ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("w")); },
                         DataFile::TestCopy::After));
  EXPECT_EQ(fileBytes(copyPath()), QByteArray("[S]\r\nk=w\r\n"));
}

TEST_F(DataFileTest, WithoutTestModeThereAreNoCopies) {
  store("[S]\r\nk=1\r\n");
  const DataFile file = dataFile(false);
  ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("2")); },
                         DataFile::TestCopy::Before));
  ASSERT_TRUE(file.cycle([](IniFile& ini) { ini.writeString(u8("S"), u8("k"), u8("3")); },
                         DataFile::TestCopy::After));
  EXPECT_EQ(entries(), QStringList{u8("Opcje.oFK")});
  EXPECT_EQ(fileBytes(dataPath()), scrambleText("[S]\r\nk=3\r\n"));
}

}  // namespace
