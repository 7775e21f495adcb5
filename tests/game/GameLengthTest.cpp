#include "players/Records.h"
#include "tests/support/FinishedGames.h"

namespace {

// The game's length ends with the game, not when the anonymous player has typed his name.
class GameLengthTest : public FinishedGames {
 protected:
  // An anonymous game of `length` that enters the records; the name panel waits.
  void endWaitingForName(End end, std::chrono::seconds length) {
    startWith(AnonymousName);
    clock = clock.addSecs(60);
    play();
    climbTo(7);
    clock = clock.addSecs(length.count());
    if (end == End::Resign)
      QTest::mouseClick(page().lblRez, Qt::LeftButton);
    else
      answer(wrong());
    ASSERT_EQ(main().shownPage(), u"tsLose");
    ASSERT_FALSE(result().pnLName->isHidden());
  }
  void typeNameAfter(std::chrono::seconds typing) {
    clock = clock.addSecs(typing.count());
    type(QStringLiteral("edtLName"), QStringLiteral("Ala"));
    QTest::keyClick(result().edtLName, Qt::Key_Return);
    ASSERT_TRUE(result().pnLName->isHidden());
  }
};

TEST_F(GameLengthTest, TypingTheNameAfterAResignationDoesNotLengthenTheGame) {
  endWaitingForName(End::Resign, std::chrono::seconds(9 * 60 + 37));
  EXPECT_EQ(caption(result().lblTime), GameEnd::longTimeText(QTime(0, 9, 37)));
  typeNameAfter(std::chrono::seconds(53));
  EXPECT_EQ(caption(result().lblTime), GameEnd::longTimeText(QTime(0, 9, 37)));
  const RecordEntry best = services.records().ReadRecord(AnonymousName, 1);
  EXPECT_EQ(best.holder, u"Ala");
  EXPECT_EQ(best.gameTime, QTime(0, 9, 37));
  EXPECT_EQ(best.savedAt, clock) << "the record is stored when the name is given";
}

TEST_F(GameLengthTest, TypingTheNameAfterAWrongAnswerDoesNotLengthenTheGame) {
  endWaitingForName(End::Wrong, std::chrono::hours(1));
  typeNameAfter(std::chrono::minutes(10));
  EXPECT_EQ(caption(result().lblTime), GameEnd::longTimeText(QTime(1, 0, 0)));
  EXPECT_EQ(services.records().ReadRecord(AnonymousName, 1).gameTime, QTime(1, 0, 0));
}

TEST_F(GameLengthTest, TheNextGameMeasuresItsOwnLength) {
  endWaitingForName(End::Resign, std::chrono::minutes(5));
  typeNameAfter(std::chrono::minutes(2));
  click(QStringLiteral("lblBack"));
  finish(End::Resign, 8, std::chrono::minutes(1), QStringLiteral("Ola"));
  const RecordEntry best = services.records().ReadRecord(AnonymousName, 1);
  ASSERT_EQ(best.holder, u"Ola");
  EXPECT_EQ(best.gameTime, QTime(0, 1, 0));
}

}  // namespace
