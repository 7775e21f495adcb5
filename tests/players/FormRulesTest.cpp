#include <gtest/gtest.h>

#include "players/FormRules.h"

namespace {

TEST(FormRules, BirthDates) {
  for (const char* ok : {"80-02-29", "00-02-29", "00-05-17", "99-12-31", "01-01-01", "81-02-28"})
    EXPECT_TRUE(birthDateRuleHolds(QString::fromLatin1(ok))) << ok;
  for (const char* bad : {"80-13-01", "81-02-29", "80-00-10", "80-01-00", "80-04-31", "RR-MM-DD",
                          "  -05-17", "80- 5-17", "80-05- 7", "8 -05-17", "", "80-05"})
    EXPECT_FALSE(birthDateRuleHolds(QString::fromLatin1(bad))) << bad;
}

ProfileFormInput validNewPlayer() {
  ProfileFormInput in;
  in.name = QStringLiteral("Ola");
  in.place = QStringLiteral("Gdynia");
  in.birthDate = QStringLiteral("95-07-21");
  in.sex = QStringLiteral("K");
  return in;
}

TEST(FormRules, ACompleteNewPlayerPassesEveryRule) {
  int asked = 0;
  const auto v = checkProfileForm(validNewPlayer(), QStringLiteral("Jan"), [&](const QString&) {
    ++asked;
    return false;
  });
  EXPECT_TRUE(v.all());
  EXPECT_EQ(asked, 1) << "one look at the file per check";
}

TEST(FormRules, NameRulesInCreateMode) {
  const auto none = [](const QString&) { return false; };
  auto in = validNewPlayer();
  in.name.clear();
  EXPECT_FALSE(checkProfileForm(in, QStringLiteral("Jan"), none).nameOk());
  in.name = QStringLiteral("Jan");
  EXPECT_FALSE(checkProfileForm(in, QStringLiteral("Jan"), none).notChosenPlayer);
  in.name = QStringLiteral("Gracz anonimowy");
  EXPECT_FALSE(checkProfileForm(in, QStringLiteral("Jan"), none).notAnonymous);
  in.name = QStringLiteral("OLA");
  const auto taken = checkProfileForm(in, QStringLiteral("Jan"),
                                      [](const QString& n) { return n.toLower() == u"ola"; });
  EXPECT_FALSE(taken.nameFree);
  EXPECT_FALSE(taken.all());
  in.name = QStringLiteral("[Ola]");
  const auto bracket = checkProfileForm(in, QStringLiteral("Jan"), none);
  EXPECT_FALSE(bracket.nameOk()) << "a name the data file cannot hold is refused like a taken one";
  EXPECT_TRUE(bracket.nameGiven);
}

TEST(FormRules, EditModeNeverTouchesTheNameRulesOrTheFile) {
  auto in = validNewPlayer();
  in.editMode = true;
  in.name = QStringLiteral("Jan");
  const auto v = checkProfileForm(in, QStringLiteral("Jan"), [](const QString&) -> bool {
    ADD_FAILURE() << "edit mode must not read the data file";
    return true;
  });
  EXPECT_TRUE(v.nameOk());
  EXPECT_TRUE(v.all());
}

TEST(FormRules, OtherFields) {
  const auto none = [](const QString&) { return false; };
  auto in = validNewPlayer();
  in.place.clear();
  EXPECT_FALSE(checkProfileForm(in, {}, none).placeGiven);
  in = validNewPlayer();
  in.sex.clear();
  EXPECT_FALSE(checkProfileForm(in, {}, none).sexGiven);
  in = validNewPlayer();
  in.password = QStringLiteral("Tajne");
  in.passwordAgain = QStringLiteral("tajne");
  EXPECT_FALSE(checkProfileForm(in, {}, none).passwordsAgree) << "letter case counts";
  in.passwordAgain = QStringLiteral("Tajne");
  EXPECT_TRUE(checkProfileForm(in, {}, none).all());
  in = validNewPlayer();
  in.birthDate = QStringLiteral("RR-MM-DD");
  EXPECT_FALSE(checkProfileForm(in, {}, none).dateValid);
}

}  // namespace
