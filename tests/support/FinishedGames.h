#pragma once

#include <QDateTime>
#include <chrono>

#include "game/GameEnd.h"
#include "game/GamePage.h"
#include "game/ResultPage.h"
#include "media/Movies.h"
#include "players/PlayerSession.h"
#include "tests/support/PlayHarness.h"

// Real games played to the ending a test asks for, on a clock the test sets, so that the
// statistics and the records hold what the game itself wrote.
class FinishedGames : public PlayHarness {
 protected:
  enum class End { Wrong, Resign, Million };

  void SetUp() override {
    PlayHarness::SetUp();
    services.setClock([this] { return clock; });
  }

  // Started with the data file, logged in as `player`.
  void startWith(const QString& player, const QString& data = {}) {
    startAs(player, data);
    logIn(player);
  }
  // As a log-in leaves the session: the player chosen, his own table the records' one, the
  // menu on screen.
  void logIn(const QString& player) {
    services.session().CurrentPlayer.name = player;
    services.session().RecordsOwner = player;
    main().showPage(main().tsMenu);
    main().MenuPages->hide();
  }

  // One game from the menu back to the menu: answered up to `level`, then ended there, the
  // game lasting `length`. The anonymous player types `name` when his result enters the
  // records.
  void finish(End end, int level, std::chrono::seconds length = std::chrono::minutes(3),
              const QString& name = QStringLiteral("Anonim")) {
    clock = clock.addSecs(60);
    play();
    climbTo(level);
    clock = clock.addSecs(length.count());
    switch (end) {
      case End::Wrong:
        answer(wrong());
        break;
      case End::Resign:
        QTest::mouseClick(page().lblRez, Qt::LeftButton);
        break;
      case End::Million:
        answer(correct());
        services.movies().AnimStop();
        break;
    }
    ASSERT_EQ(main().shownPage(), u"tsLose");
    if (!result().pnLName->isHidden()) {
      type(QStringLiteral("edtLName"), name);
      QTest::keyClick(result().edtLName, Qt::Key_Return);
    }
    click(QStringLiteral("lblBack"));
    ASSERT_EQ(main().shownPage(), u"tsMenu");
  }

  QDateTime clock{QDate(2026, 6, 1), QTime(12, 0)};
};
