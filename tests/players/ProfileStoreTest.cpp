#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "players/ProfileStore.h"
#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"

namespace {

const QDateTime Now(QDate(2026, 6, 1), QTime(12, 30));

class ProfileStoreTest : public ::testing::Test {
 protected:
  QString appDir() const { return dir.path() + u'/'; }
  DataFile file() const { return DataFile(appDir(), QStringLiteral("Opcje.oFK"), false); }
  void writePlain(const char* text) {
    QFile f(file().path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(scrambleText(*toCp1250(QString::fromUtf8(text))));
  }
  QString plainText() const {
    QFile f(file().path());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return fromCp1250(scrambleText(f.readAll()));
  }

  QTemporaryDir dir;
  ProfileStore store{[this] { return file(); }, [] { return Now; }};
};

TEST_F(ProfileStoreTest, AFirstRunListsOnlyTheAnonymousPlayerAndCreatesNothing) {
  EXPECT_EQ(store.ListProfiles(), QStringList{QStringLiteral("Gracz anonimowy")});
  EXPECT_FALSE(store.ProfileExists(QStringLiteral("Jan")));
  const Profile p = store.ReadProfile(QStringLiteral("Jan"));
  EXPECT_EQ(p.name, u"Jan");
  EXPECT_TRUE(p.place.isEmpty());
  EXPECT_EQ(p.birthDate, Now);
  EXPECT_EQ(p.sex, u'M');
  EXPECT_FALSE(QFile::exists(file().path()));
}

TEST_F(ProfileStoreTest, TheListFollowsTheFileOrder) {
  writePlain(
      "[QJan]\r\nImi=Jan\r\n[QGracz anonimowy]\r\nDzw=1\r\n[Obcy]\r\nx=1\r\n[QOla]\r\nImi=Ola\r\n");
  EXPECT_EQ(store.ListProfiles(), (QStringList{"Jan", "Gracz anonimowy", "Ola"}));
  writePlain("[QJan]\r\nImi=Jan\r\n[QOla]\r\nImi=Ola\r\n[Q]\r\nx=1\r\n");
  EXPECT_EQ(store.ListProfiles(), (QStringList{"Gracz anonimowy", "Jan", "Ola"}))
      << "the anonymous player first while it has no section; a bare \"Q\" is dropped";
  writePlain("[QJan]\r\nImi=Jan\r\n[qgracz anonimowy]\r\nDzw=1\r\n");
  EXPECT_EQ(store.ListProfiles(), (QStringList{"Gracz anonimowy", "Jan"}))
      << "only a section spelt exactly counts as the anonymous player's";
}

TEST_F(ProfileStoreTest, ANameInOtherLetterCaseExists) {
  writePlain("[QJan]\r\nImi=Jan\r\n[QPusty]\r\n");
  EXPECT_TRUE(store.ProfileExists(QStringLiteral("JAN")));
  EXPECT_TRUE(store.ProfileExists(QStringLiteral("jan")));
  EXPECT_FALSE(store.ProfileExists(QStringLiteral("Pusty"))) << "a section without keys";
}

TEST_F(ProfileStoreTest, WritingAProfileKeepsTheSectionsOtherKeys) {
  writePlain("[QJan]\r\nDzw=0\r\nSG_S=3\r\nL1=4|\r\n");
  Profile p;
  p.name = QStringLiteral("Jan");
  p.place = QStringLiteral("Łódź");
  p.birthDate = QDateTime(QDate(1975, 3, 14), QTime(0, 0));
  p.sex = u'M';
  p.password = QStringLiteral("Sekret");
  ASSERT_TRUE(store.WriteProfile(p));
  EXPECT_EQ(plainText(), QString::fromUtf8("[QJan]\r\nDzw=0\r\nSG_S=3\r\nL1=4|\r\nImi=Jan\r\n"
                                           "Mie=Łódź\r\nUro=75-03-14\r\nPue=M\r\nPas=Sekret\r\n"));
  const Profile back = store.ReadProfile(QStringLiteral("Jan"));
  EXPECT_EQ(back.place, u"Łódź");
  EXPECT_EQ(back.birthDate.date(), QDate(1975, 3, 14)) << "a 1975 birth stays in 1975";
  EXPECT_EQ(back.password, u"Sekret");
}

TEST_F(ProfileStoreTest, ReadingFallsBackOnEveryDefault) {
  writePlain("[QJan]\r\nUro=zle\r\nPue=\r\n[QGracz anonimowy]\r\nN1=Ktoś\r\n");
  const Profile jan = store.ReadProfile(QStringLiteral("Jan"));
  EXPECT_EQ(jan.birthDate, Now);
  EXPECT_EQ(jan.sex, u'M');
  const Profile anon = store.ReadProfile(QStringLiteral("Gracz anonimowy"));
  EXPECT_TRUE(anon.place.isEmpty());
  EXPECT_EQ(anon.birthDate, Now);
  EXPECT_TRUE(anon.password.isEmpty());
}

TEST_F(ProfileStoreTest, ErasingAPlayerTakesHisWholeSectionOnly) {
  writePlain(
      "[QGracz "
      "anonimowy]\r\nN1=Jan\r\n[QJan]\r\nImi=Jan\r\nDzw=1\r\nL3=1|\r\nN1=Jan\r\n[QOla]\r\nImi="
      "Ola\r\n");
  ASSERT_TRUE(store.EraseProfile(QStringLiteral("Jan")));
  EXPECT_EQ(plainText(),
            QString::fromUtf8("[QGracz anonimowy]\r\nN1=Jan\r\n[QOla]\r\nImi=Ola\r\n"));
}

}  // namespace
