#include <gtest/gtest.h>

#include <QSet>
#include <functional>
#include <map>

#include "ui/KeyRouting.h"

namespace {

// A screen model for the key rules: pages, visible and enabled controls, and handlers that
// change the model the way the real ones change the screens.
struct FakeScreens : KeyPressTarget {
  QString page = QStringLiteral("tsMenu");
  QString menuPage = QStringLiteral("Opcje");
  QSet<QString> visible;
  QSet<QString> disabled;
  bool men = true;
  QStringList ran;
  std::map<QString, std::function<void()>> effects;

  QString shownPage() const override { return page; }
  QString shownMenuPage() const override { return menuPage; }
  bool isVisible(const QString& c) const override { return visible.contains(c); }
  bool isEnabled(const QString& c) const override { return !disabled.contains(c); }
  bool menuKeysOn() const override { return men; }
  void run(const QString& handler) override {
    ran << handler;
    if (auto it = effects.find(handler); it != effects.end()) it->second();
  }

  void openError() {
    visible.insert(QStringLiteral("pnCError"));
    disabled.insert(QStringLiteral("lblStart"));
  }
  void closeError() {
    visible.remove(QStringLiteral("pnCError"));
    disabled.remove(QStringLiteral("lblStart"));
  }
};

const QChar Enter(keys::Enter);
const QChar Escape(keys::Escape);

QStringList press(FakeScreens& s, QChar key) {
  s.ran.clear();
  FormKeyPress(s, key);
  return s.ran;
}

TEST(KeyRouting, MenuLettersRunTheirEntriesInEitherCase) {
  FakeScreens s;
  const std::pair<char, const char*> table[] = {
      {'r', "btnStartClick"}, {'O', "btnOpcjeClick"}, {'e', "btnRecClick"},
      {'S', "btnStatsClick"}, {'i', "btnInfoClick"},  {'W', "btnLogOffClick"},
      {'z', "btnCloseClick"},
  };
  for (auto [key, handler] : table) {
    EXPECT_EQ(press(s, QChar(key)), QStringList{QString::fromLatin1(handler)}) << key;
    EXPECT_EQ(press(s, QChar(key).isUpper() ? QChar(key).toLower() : QChar(key).toUpper()),
              QStringList{QString::fromLatin1(handler)});
  }
  EXPECT_TRUE(press(s, QChar('x')).isEmpty());
  EXPECT_TRUE(press(s, Enter).isEmpty());
}

TEST(KeyRouting, WithMenuKeysOffOnlyEnterAndEscapeReachTheRules) {
  FakeScreens s;
  s.men = false;
  EXPECT_TRUE(press(s, QChar('r')).isEmpty());
  s.openError();
  EXPECT_TRUE(press(s, QChar('s')).isEmpty());
  EXPECT_EQ(press(s, Enter), QStringList{"btnCHideClick"});
  EXPECT_EQ(press(s, Escape), QStringList{"btnCHideClick"});

  s.closeError();
  s.menuPage = QStringLiteral("tsChoose");
  s.visible.insert(QStringLiteral("pnCInfo"));
  EXPECT_EQ(press(s, Escape), QStringList{"btnCOkClick"});
  s.menuPage = QStringLiteral("tsRec");
  s.visible.insert(QStringLiteral("pnRInfo"));
  EXPECT_EQ(press(s, Enter), QStringList{"btnRHideClick"});
  EXPECT_TRUE(press(s, QChar('w')).isEmpty());

  s.page = QStringLiteral("tsProfiles");
  s.visible.insert(QStringLiteral("pnPassword"));
  EXPECT_EQ(press(s, Enter), QStringList{"btnPPOkClick"});
  s.page = QStringLiteral("tsLose");
  s.visible.insert(QStringLiteral("pnLName"));
  EXPECT_EQ(press(s, Enter), QStringList{"btnLOkClick"});
  s.visible.remove(QStringLiteral("pnLName"));
  EXPECT_TRUE(press(s, QChar('w')).isEmpty()) << "W goes back only with the menu keys on";
}

TEST(KeyRouting, AnOpenErrorPanelKillsTheLettersAndClosesOnItsKeys) {
  FakeScreens s;
  s.openError();
  EXPECT_TRUE(press(s, QChar('r')).isEmpty());
  EXPECT_TRUE(press(s, QChar('o')).isEmpty());
  for (QChar key : {QChar('s'), QChar('S'), Enter, Escape})
    EXPECT_EQ(press(s, key), QStringList{"btnCHideClick"});
}

TEST(KeyRouting, TheFriendsPageKeepsItsSForStartAndLeavesTheOtherLettersToTheMenu) {
  FakeScreens s;
  s.menuPage = QStringLiteral("tsChoose");
  s.effects[QStringLiteral("btnStatsClick")] = [&] { s.menuPage = QStringLiteral("tsStats"); };
  EXPECT_EQ(press(s, QChar('s')), QStringList{"btnCStartClick"});
  EXPECT_EQ(s.menuPage, u"tsChoose") << "the chosen friends stay on screen";
  EXPECT_EQ(press(s, QChar('R')), QStringList{"btnStartClick"});

  // START with too few friends opens the error: the same key must not close it at once.
  s.effects[QStringLiteral("btnCStartClick")] = [&] { s.openError(); };
  s.effects[QStringLiteral("btnCHideClick")] = [&] { s.closeError(); };
  EXPECT_EQ(press(s, QChar('S')), QStringList{"btnCStartClick"});
  EXPECT_TRUE(s.visible.contains(QStringLiteral("pnCError")));
  EXPECT_EQ(press(s, QChar('s')), QStringList{"btnCHideClick"});
  EXPECT_FALSE(s.visible.contains(QStringLiteral("pnCError")));
}

TEST(KeyRouting, AnOpenPanelKeepsItsLetterEvenWithTheMenuUnlocked) {
  // The panels hold the lock in the game; without it their letters still win over the menu's.
  FakeScreens s;
  s.visible.insert(QStringLiteral("pnCError"));
  EXPECT_EQ(press(s, QChar('s')), QStringList{"btnCHideClick"});
  s.visible = {QStringLiteral("pnCInfo")};
  s.menuPage = QStringLiteral("tsChoose");
  EXPECT_EQ(press(s, QChar('S')), QStringList{"btnCOkClick"});
  s.visible = {QStringLiteral("pnRInfo")};
  s.menuPage = QStringLiteral("tsRec");
  EXPECT_EQ(press(s, QChar('w')), QStringList{"btnRHideClick"});
  EXPECT_EQ(press(s, QChar('o')), QStringList{"btnOpcjeClick"});
}

TEST(KeyRouting, FriendInformationPanelTakesItsKeysBeforeStart) {
  FakeScreens s;
  s.menuPage = QStringLiteral("tsChoose");
  s.visible.insert(QStringLiteral("pnCInfo"));
  s.disabled.insert(QStringLiteral("lblStart"));  // the panel holds the lock
  EXPECT_EQ(press(s, QChar('s')), QStringList{"btnCOkClick"});
  EXPECT_EQ(press(s, Enter), QStringList{"btnCOkClick"});
  s.visible.remove(QStringLiteral("pnCInfo"));
  EXPECT_EQ(press(s, QChar('S')), QStringList{"btnCStartClick"});
  EXPECT_EQ(press(s, Enter), QStringList{"btnCStartClick"});
}

TEST(KeyRouting, TheFriendsPageTakesItsDigitsAndI) {
  FakeScreens s;
  s.menuPage = QStringLiteral("tsChoose");
  const struct {
    QChar previous, key;
    const char* handler;  // nullptr: the page keeps the key
  } table[] = {
      {{}, u'1', "lblCFr01Click"},
      {{}, u'4', "lblCFr04Click"},
      {u'x', u'2', "lblCFr02Click"},
      {u'i', u'1', "btnCInf01Click"},
      {u'I', u'3', "btnCInf03Click"},
      {{}, u'!', "btnCInf01Click"},
      {{}, u'@', "btnCInf02Click"},
      {{}, u'#', "btnCInf03Click"},
      {{}, u'$', "btnCInf04Click"},
      {{}, u'i', nullptr},
      {{}, u'I', nullptr},
  };
  for (const auto& row : table) {
    s.ran.clear();
    FormKeyPress(s, row.key, row.previous);
    EXPECT_EQ(s.ran, row.handler ? QStringList{QString::fromLatin1(row.handler)} : QStringList())
        << QString(row.key).toStdString();
  }
  EXPECT_TRUE(press(s, QChar('5')).isEmpty());
  EXPECT_TRUE(press(s, QChar('0')).isEmpty());
  EXPECT_EQ(press(s, QChar('o')), QStringList{"btnOpcjeClick"}) << "other letters are the menu's";

  s.disabled.insert(QStringLiteral("lblCFr01"));  // a panel holds the lock
  for (QChar key : {QChar('1'), QChar('!')}) EXPECT_TRUE(press(s, key).isEmpty());
  s.disabled.clear();
  s.visible.insert(QStringLiteral("pnCInfo"));
  for (QChar key : {QChar('1'), QChar('!')}) EXPECT_TRUE(press(s, key).isEmpty());
  s.visible.clear();
  s.men = false;
  for (QChar key : {QChar('1'), QChar('!'), QChar('s')}) EXPECT_TRUE(press(s, key).isEmpty());
  EXPECT_EQ(press(s, Enter), QStringList{"btnCStartClick"}) << "Enter whatever the option";
}

TEST(KeyRouting, RecordsPagePanels) {
  FakeScreens s;
  s.menuPage = QStringLiteral("tsRec");
  s.disabled.insert(QStringLiteral("lblStart"));
  s.visible.insert(QStringLiteral("pnYesNo"));
  EXPECT_EQ(press(s, QChar('t')), QStringList{"btnYesClick"});
  EXPECT_EQ(press(s, QChar('N')), QStringList{"btnNoClick"});
  // "Yes" closes the panel: a later rule must not see it any more.
  s.effects[QStringLiteral("btnYesClick")] = [&] { s.visible.remove(QStringLiteral("pnYesNo")); };
  EXPECT_EQ(press(s, QChar('T')), QStringList{"btnYesClick"});
  s.visible.insert(QStringLiteral("pnRInfo"));
  EXPECT_EQ(press(s, QChar('w')), QStringList{"btnRHideClick"});
  s.menuPage = QStringLiteral("Opcje");
  EXPECT_TRUE(press(s, QChar('w')).isEmpty()) << "record panels answer only on the records page";
}

TEST(KeyRouting, PasswordPanelConfirmsOnlyWhenOkIsEnabled) {
  FakeScreens s;
  s.page = QStringLiteral("tsProfiles");
  s.visible.insert(QStringLiteral("pnPassword"));
  s.disabled.insert(QStringLiteral("btnPPOk"));
  EXPECT_TRUE(press(s, Enter).isEmpty());
  EXPECT_EQ(press(s, Escape), QStringList{"btnPPCanClick"});
  s.disabled.remove(QStringLiteral("btnPPOk"));
  EXPECT_EQ(press(s, Enter), QStringList{"btnPPOkClick"});
  s.visible.remove(QStringLiteral("pnPassword"));
  EXPECT_TRUE(press(s, Enter).isEmpty());
}

TEST(KeyRouting, ResultPage) {
  FakeScreens s;
  s.page = QStringLiteral("tsLose");
  EXPECT_EQ(press(s, QChar('W')), QStringList{"btnBackClick"});
  EXPECT_TRUE(press(s, QChar('r')).isEmpty()) << "menu letters belong to the menu page";
  s.visible.insert(QStringLiteral("pnLName"));
  EXPECT_TRUE(press(s, QChar('w')).isEmpty()) << "typing a name must not leave the page";
  EXPECT_EQ(press(s, Enter), QStringList{"btnLOkClick"});
  s.disabled.insert(QStringLiteral("btnLOk"));
  EXPECT_TRUE(press(s, Enter).isEmpty());
}

TEST(KeyRouting, AnyKeyEndsAMovieAndLaterRulesSeeTheNextScreen) {
  for (QChar key : {QChar('q'), QChar('5'), Enter, QChar(' ')}) {
    FakeScreens s;
    s.page = QStringLiteral("tsAnim");
    s.effects[QStringLiteral("AnimStop")] = [&] { s.page = QStringLiteral("tsProfiles"); };
    EXPECT_EQ(press(s, key), QStringList{"AnimStop"});
    EXPECT_EQ(s.page, u"tsProfiles");
  }
  // The million movie ends on the result page, where W then goes back to the menu.
  FakeScreens s;
  s.page = QStringLiteral("tsAnim");
  s.effects[QStringLiteral("AnimStop")] = [&] { s.page = QStringLiteral("tsLose"); };
  EXPECT_EQ(press(s, QChar('w')), (QStringList{"AnimStop", "btnBackClick"}));
}

TEST(KeyRouting, GamePageLeavesKeysToTheKeyUpHandler) {
  FakeScreens s;
  s.page = QStringLiteral("tsGra");
  for (QChar key : {QChar('r'), QChar('w'), Enter, Escape, QChar('s')})
    EXPECT_TRUE(press(s, key).isEmpty());
}

}  // namespace
