#pragma once

#include <QEvent>
#include <QFrame>

#include "game/GameProgress.h"
#include "lifelines/AudienceChart.h"
#include "lifelines/FriendsPage.h"
#include "lifelines/Lifelines.h"
#include "lifelines/PhoneCall.h"
#include "tests/support/PlayHarness.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"

// The game with its lifelines, from the friends page on.
class LifelinesTest : public PlayHarness {
 protected:
  // Logged in, lifelines on, the friends page open.
  void openChoice(const QString& player = QStringLiteral("Jan")) {
    startAs(player, janData());
    services.state().flags.Kou = true;
    services.state().flags.Akc = false;
    main().showPage(main().tsMenu);
    shell.handlers().run(QStringLiteral("btnStartClick"));
    ASSERT_EQ(main().shownMenuPage(), u"tsChoose");
  }
  // Two friends chosen and the game started.
  void playWith(int first, int second, const QString& player = QStringLiteral("Jan")) {
    openChoice(player);
    clickFriend(first);
    clickFriend(second);
    QTest::mouseClick(friends().imgCStart, Qt::LeftButton);
    ASSERT_EQ(main().shownPage(), u"tsGra");
  }
  void clickFriend(int n) { QTest::mouseClick(friends().entry(n).name, Qt::LeftButton); }
  Lifelines& lifelines() { return services.lifelines(); }
  FriendsPage& friends() { return lifelines().friendsPage(); }
  PhoneCall& phone() { return lifelines().phoneCall(); }
  AudienceChart& chart() { return lifelines().audienceChart(); }
  bool crossed(Lifelines::Button& b) { return !b.used->isHidden() && !b.button->isEnabled(); }
  GameProgress& progress() { return services.state().progress; }
  // The main window becomes the active window again, as after the player comes back to it.
  void activate() {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&main(), &activation);
  }
  // The letter shown beside the answer that reads `text`.
  QString letterShowing(const QString& text) {
    for (int k = 1; k <= 4; ++k)
      if (page().answer(k).label->caption() == text) return QString(QChar(u'A' + k - 1));
    return {};
  }
  const CurrentQuestionRecord& question() { return services.state().question.CurrentQuestion; }
};
