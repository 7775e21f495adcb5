#include <gtest/gtest.h>

#include "players/GameDuration.h"
#include "players/RecordsPage.h"
#include "stats/StatsPage.h"
#include "tests/support/FinishedGames.h"

namespace {

using namespace std::chrono_literals;

class StatsScreenTest : public FinishedGames {
 protected:
  StatsPage& page() { return services.statsPage(); }
  // Total won, games, resignations, losses, millions and time, as shown.
  QStringList shown() {
    QStringList values;
    for (TextLabel* label : {page().lblSuma, page().lblIlos, page().lblRezy, page().lblPrze,
                             page().lblMili, page().lblCzas})
      values << label->caption();
    return values;
  }
  // The time is shown in the desktop's long time format, checked on its own elsewhere.
  static QString time(int h, int m, int s) { return longTimeText(QTime(h, m, s)); }
};

TEST_F(StatsScreenTest, APlayerWithoutStatisticsSeesZerosAndNoTime) {
  startWith(QStringLiteral("Jan"), janData());
  click(QStringLiteral("lblStats"));
  EXPECT_EQ(main().shownMenuPage(), u"tsStats");
  EXPECT_TRUE(main().MenuPages->isVisible());
  EXPECT_EQ(shown(),
            (QStringList{QString::fromUtf8("0 dolarów"), "0", "0", "0", "0", time(0, 0, 0)}));
}

TEST_F(StatsScreenTest, TheTotalsOfFinishedGames) {
  startWith(QStringLiteral("Jan"), janData());
  finish(End::Resign, 7, 1min);    // 2 000, the step below the question
  finish(End::Wrong, 8, 2min);     // 1 000
  finish(End::Wrong, 3, 3min);     // nothing
  finish(End::Million, 15, 4min);  // 1 000 000
  click(QStringLiteral("lblStats"));
  EXPECT_EQ(shown(), (QStringList{QString::fromUtf8("1003000 dolarów"), "4", "1", "2", "1",
                                  time(0, 10, 0)}));
}

TEST_F(StatsScreenTest, TwentyFiveHoursOfGamesShowOneHour) {
  startWith(QStringLiteral("Jan"), janData());
  finish(End::Wrong, 2, 12h + 30min);
  finish(End::Resign, 2, 12h + 30min);
  click(QStringLiteral("lblStats"));
  EXPECT_EQ(page().lblCzas->caption(), time(1, 0, 0));
  EXPECT_EQ(page().lblIlos->caption(), u"2");
}

TEST_F(StatsScreenTest, TheAnonymousPlayerIsRefusedAndTheScreenStaysAsItWas) {
  startWith(AnonymousName);
  finish(End::Resign, 4);
  click(QStringLiteral("lblRec"));
  click(QStringLiteral("lblStats"));
  QWidget* error = c(QStringLiteral("pnCError"));
  ASSERT_TRUE(error->isVisible());
  EXPECT_EQ(error->pos(), QPoint(215, 188));
  EXPECT_EQ(c<TextLabel>(QStringLiteral("lblCError"))->caption(),
            QString::fromUtf8("Gracz anonimowy nie posiada swoich statystyk."));
  EXPECT_EQ(main().shownMenuPage(), u"tsRec");
  EXPECT_TRUE(services.recordsPage().btnDelRec->isVisible()) << "the side panel stays";
  EXPECT_FALSE(c(QStringLiteral("lblRec"))->isEnabled()) << "the panel holds the lock";
  press(Qt::Key_S);
  EXPECT_FALSE(error->isVisible());
  EXPECT_TRUE(c(QStringLiteral("lblRec"))->isEnabled());
  EXPECT_FALSE(dataText().contains(QStringLiteral("SG_")));
}

TEST_F(StatsScreenTest, TheStatisticsHideTheRecordsSidePanel) {
  startWith(QStringLiteral("Jan"), janData());
  click(QStringLiteral("lblRec"));
  ASSERT_TRUE(services.recordsPage().shpDelRec->isVisible());
  press(Qt::Key_S);
  EXPECT_EQ(main().shownMenuPage(), u"tsStats");
  EXPECT_FALSE(services.recordsPage().shpDelRec->isVisible());
  EXPECT_FALSE(services.recordsPage().btnDelRec->isVisible());
}

}  // namespace
