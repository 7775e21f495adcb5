#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>
#include <functional>
#include <utility>

#include "app/Pending.h"
#include "game/Game.h"
#include "tests/support/GameHarness.h"
#include "ui/Handlers.h"
#include "ui/KeyRouting.h"

namespace {

// Every handler name the key rules can run: each rule is tried on every page with every
// panel shown and with none, for every key the rules look at.
QSet<QString> keyRuleHandlers() {
  struct Probe : KeyPressTarget {
    QString page, menuPage;
    bool visible = false, enabled = false, men = true;
    QSet<QString> ran;
    QString shownPage() const override { return page; }
    QString shownMenuPage() const override { return menuPage; }
    bool isVisible(const QString&) const override { return visible; }
    bool isEnabled(const QString&) const override { return enabled; }
    bool menuKeysOn() const override { return men; }
    void run(const QString& handler) override { ran.insert(handler); }
  } probe;
  QString keys = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234!@#$");
  keys += QChar(keys::Enter);
  keys += QChar(keys::Escape);
  for (const char* page : {"tsAnim", "tsProfiles", "tsMenu", "tsGra", "tsLose"})
    for (const char* menuPage : {"Opcje", "Info", "tsRec", "tsChoose", "tsStats"})
      for (int shown : {0, 1, 2})  // nothing; the controls alone; the panels too
        for (bool men : {false, true})
          for (QChar key : keys) {
            probe.page = QLatin1String(page);
            probe.menuPage = QLatin1String(menuPage);
            probe.enabled = shown > 0;
            probe.visible = shown > 1;
            probe.men = men;
            FormKeyPress(probe, key);
          }
  return probe.ran;
}

QStringList pendingHandlerList() {
  QStringList names;
  for (const char* name : pending::Handlers) names << QLatin1String(name);
  names.sort();
  return names;
}

struct WiringTest : testing::Test, GameHarness {
  void SetUp() override { ASSERT_TRUE(start()); }
  Handlers& handlers() { return shell.handlers(); }
};

TEST_F(WiringTest, EveryNameAControlOrTheShellCanRunIsProvidedOrListedAsPending) {
  EXPECT_EQ(handlers().missing(), QStringList()) << "run by a control, provided by nobody";
  // A name provided by its subsystem is no longer pending: it must come off the list.
  EXPECT_EQ(handlers().pending(), pendingHandlerList());
}

TEST_F(WiringTest, EveryNameTheKeyRulesCanRunIsProvidedOrListedAsPending) {
  const QSet<QString> ran = keyRuleHandlers();
  EXPECT_GT(ran.size(), 15) << "the probe reaches the rules";
  for (const QString& name : ran) EXPECT_TRUE(handlers().has(name)) << qPrintable(name);
}

TEST_F(WiringTest, AnOperationReachesThePendingListExactlyWhileItIsListed) {
  // Every operation of the shell's services that a subsystem may leave pending, and a way to
  // ask for it here. Once provided, it does its work and no longer reaches the list.
  const std::pair<const char*, std::function<void()>> operations[] = {
      {"ShowRecordsSidePanel", [this] { services.ShowRecordsSidePanel(true); }},
  };
  for (const auto& [name, ask] : operations) {
    const QString service = QLatin1String(name);
    const int before = pending::timesReached(service);
    ask();
    EXPECT_EQ(pending::timesReached(service) > before, pending::isListed(service)) << name;
  }
  for (const char* name : pending::Services) {
    const bool reachable =
        std::any_of(std::begin(operations), std::end(operations),
                    [&](const auto& op) { return qstrcmp(op.first, name) == 0; });
    EXPECT_TRUE(reachable) << "no way to reach " << name << " here: add it";
  }
}

TEST(HandlersTest, ANameNobodyAddedIsAWiringFault) {
  Handlers handlers;
  int ran = 0;
  handlers.add(QStringLiteral("btnStartClick"), [&] { ++ran; });
  handlers.run(QStringLiteral("btnStartClick"));
  EXPECT_EQ(ran, 1);
  EXPECT_DEBUG_DEATH(handlers.run(QStringLiteral("btnStratClick")), "btnStratClick");
}

TEST(HandlersTest, APendingNameDoesNothingUntilItsSubsystemAddsIt) {
  Handlers handlers;
  const auto click = handlers.runner(QStringLiteral("btnRecClick"));
  EXPECT_EQ(handlers.missing(), QStringList{"btnRecClick"});
  handlers.addPending(QStringLiteral("btnRecClick"));
  EXPECT_TRUE(handlers.missing().isEmpty());
  click();
  int ran = 0;
  handlers.add(QStringLiteral("btnRecClick"), [&] { ++ran; });
  EXPECT_FALSE(handlers.isPending(QStringLiteral("btnRecClick")));
  click();
  EXPECT_EQ(ran, 1);
  handlers.addPending(QStringLiteral("btnRecClick"));  // a late pending mark keeps the real one
  click();
  EXPECT_EQ(ran, 2);
}

}  // namespace
