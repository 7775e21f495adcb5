#include <gtest/gtest.h>

#include <ostream>

#include "game/AnswerKeys.h"

void PrintTo(const AnswerKeyAction& a, std::ostream* os) {
  static const char* const kinds[] = {"Nothing", "PreSelect", "Click", "ShowInfo"};
  *os << kinds[a.kind] << "(" << a.position << (a.reset ? ", reset" : "") << ")";
}

namespace {

constexpr int kArrows[] = {kKeyLeft, kKeyUp, kKeyRight, kKeyDown};
constexpr int A = 1, B = 2, C = 3, D = 4;

const AnswerKeyAction kNothing{};

AnswerKeyAction preSelect(int position, bool reset = true) {
  return {AnswerKeyAction::PreSelect, position, reset};
}
AnswerKeyAction click(int position) { return {AnswerKeyAction::Click, position, false}; }

AnswerKeyState on(int preSelected) {
  AnswerKeyState s;
  s.preSelected = preSelected;
  return s;
}

AnswerKeyState afterFifty(int keep1, int keep2, int preSelected = 0) {
  AnswerKeyState s;
  s.preSelected = preSelected;
  s.fiftyFiftyUsed = true;
  s.fiftyKeep1 = keep1;
  s.fiftyKeep2 = keep2;
  s.visible = {false, false, false, false};
  s.visible[keep1 - 1] = s.visible[keep2 - 1] = true;
  return s;
}

// Presses keys one after another, carrying the pre-selection like the boxes would.
int press(AnswerKeyState state, std::initializer_list<int> keys) {
  for (int key : keys) {
    const AnswerKeyAction a = answerKeyAction(key, state);
    if (a.kind == AnswerKeyAction::PreSelect) state.preSelected = a.position;
  }
  return state.preSelected;
}

TEST(AnswerKeys, FirstArrowStartsOnAAndAppliesTheArrowFromThere) {
  EXPECT_EQ(answerKeyAction(kKeyRight, on(0)), preSelect(B));
  EXPECT_EQ(answerKeyAction(kKeyDown, on(0)), preSelect(C));
  EXPECT_EQ(answerKeyAction(kKeyLeft, on(0)), preSelect(A, false));
  EXPECT_EQ(answerKeyAction(kKeyUp, on(0)), preSelect(A, false));
}

TEST(AnswerKeys, ArrowsMoveBetweenNeighbours) {
  struct Move {
    int from, key, to;  // to 0: the arrow points off the grid
  };
  const Move moves[] = {
      {A, kKeyRight, B}, {A, kKeyDown, C},  {A, kKeyLeft, 0},  {A, kKeyUp, 0},
      {B, kKeyLeft, A},  {B, kKeyDown, D},  {B, kKeyRight, 0}, {B, kKeyUp, 0},
      {C, kKeyUp, A},    {C, kKeyRight, D}, {C, kKeyLeft, 0},  {C, kKeyDown, 0},
      {D, kKeyLeft, C},  {D, kKeyUp, B},    {D, kKeyRight, 0}, {D, kKeyDown, 0},
  };
  for (const Move& m : moves)
    EXPECT_EQ(answerKeyAction(m.key, on(m.from)), m.to ? preSelect(m.to) : kNothing)
        << m.from << " key " << m.key;
}

TEST(AnswerKeys, OnePressMovesOneBoxAtMost) {
  // The scan goes on past the box it moved to; the same arrow must not carry on from there.
  EXPECT_EQ(press(on(0), {kKeyRight}), B);
  EXPECT_EQ(press(on(0), {kKeyRight, kKeyRight}), B);
  EXPECT_EQ(press(on(0), {kKeyDown}), C);
  EXPECT_EQ(press(on(0), {kKeyDown, kKeyDown}), C);
  EXPECT_EQ(press(on(A), {kKeyRight}), B);
  EXPECT_EQ(press(on(C), {kKeyRight}), D);
  EXPECT_EQ(press(on(B), {kKeyDown}), D);
  EXPECT_EQ(press(on(0), {kKeyRight, kKeyDown, kKeyLeft, kKeyUp}), A);
  EXPECT_EQ(press(on(0), {kKeyDown, kKeyRight, kKeyUp, kKeyLeft}), A);
}

TEST(AnswerKeys, EnterClicksTheVisiblePreSelectedBox) {
  for (int p = A; p <= D; ++p) EXPECT_EQ(answerKeyAction(kKeyEnter, on(p)), click(p)) << p;
  EXPECT_EQ(answerKeyAction(kKeyEnter, on(0)), kNothing);
  AnswerKeyState hidden = on(C);
  hidden.visible[C - 1] = false;
  EXPECT_EQ(answerKeyAction(kKeyEnter, hidden), kNothing);
  EXPECT_EQ(answerKeyAction(kKeyUp, hidden), preSelect(A)) << "arrows do not look at visibility";
}

TEST(AnswerKeys, AfterFiftyFiftyTheFirstArrowLandsOnTheHigherKeptAnswer) {
  for (int keep1 = A; keep1 <= D; ++keep1) {
    for (int keep2 = keep1 + 1; keep2 <= D; ++keep2) {
      for (int key : kArrows)
        EXPECT_EQ(answerKeyAction(key, afterFifty(keep1, keep2)), preSelect(keep2))
            << keep1 << keep2 << " key " << key;
    }
  }
}

TEST(AnswerKeys, AfterFiftyFiftyArrowsToggleBetweenTheKeptAnswers) {
  for (int key : kArrows) {
    EXPECT_EQ(answerKeyAction(key, afterFifty(A, D, D)), preSelect(A)) << key;
    EXPECT_EQ(answerKeyAction(key, afterFifty(A, D, A)), preSelect(D)) << key;
  }
  EXPECT_EQ(press(afterFifty(B, C), {kKeyRight}), C);
  EXPECT_EQ(press(afterFifty(B, C), {kKeyRight, kKeyLeft}), B);
  EXPECT_EQ(press(afterFifty(B, C), {kKeyRight, kKeyRight, kKeyRight}), C);
  EXPECT_EQ(press(afterFifty(B, C), {kKeyUp, kKeyDown, kKeyUp, kKeyDown}), B);
}

TEST(AnswerKeys, AfterFiftyFiftyEnterClicksAKeptAnswer) {
  EXPECT_EQ(answerKeyAction(kKeyEnter, afterFifty(B, D, B)), click(B));
  EXPECT_EQ(answerKeyAction(kKeyEnter, afterFifty(B, D, D)), click(D));
  EXPECT_EQ(answerKeyAction(kKeyEnter, afterFifty(B, D)), kNothing);
}

TEST(AnswerKeys, AnswerRemovedByFiftyFiftyStillHoldsThePreSelection) {
  for (int key : kArrows) EXPECT_EQ(answerKeyAction(key, afterFifty(B, D, A)), kNothing) << key;
  EXPECT_EQ(answerKeyAction(kKeyEnter, afterFifty(B, D, A)), kNothing);
}

TEST(AnswerKeys, LettersAndDigitsClickTheirAnswerWhateverIsPreSelected) {
  const struct {
    int key, position;
  } table[] = {
      {'A', A},
      {'B', B},
      {'C', C},
      {'D', D},
      {'1', A},
      {'2', B},
      {'3', C},
      {'4', D},
      {kKeyNumpad0 + 1, A},
      {kKeyNumpad0 + 2, B},
      {kKeyNumpad0 + 3, C},
      {kKeyNumpad0 + 4, D},
  };
  for (const auto& row : table)
    for (const AnswerKeyState& s : {on(0), on(A), on(D)})
      EXPECT_EQ(answerKeyAction(row.key, s), click(row.position)) << row.key;
}

TEST(AnswerKeys, AfterFiftyFiftyOnlyTheKeptAnswersKeysClick) {
  const AnswerKeyState fifty = afterFifty(B, D, B);
  for (int key : std::initializer_list<int>{'A', '1', kKeyNumpad0 + 1, 'C', '3', kKeyNumpad0 + 3})
    EXPECT_EQ(answerKeyAction(key, fifty), kNothing) << key;
  for (int key : std::initializer_list<int>{'B', '2', kKeyNumpad0 + 2})
    EXPECT_EQ(answerKeyAction(key, fifty), click(B));
  for (int key : std::initializer_list<int>{'D', '4', kKeyNumpad0 + 4})
    EXPECT_EQ(answerKeyAction(key, fifty), click(D));
}

TEST(AnswerKeys, InsertShowsTheQuestionAndOtherKeysDoNothing) {
  const AnswerKeyAction info{AnswerKeyAction::ShowInfo, 0, false};
  for (const AnswerKeyState& s : {on(0), on(B), afterFifty(A, C), afterFifty(A, C, C)})
    EXPECT_EQ(answerKeyAction(kKeyInsert, s), info);
  for (int key : std::initializer_list<int>{0, 9, 27, 32, 36, 41, 46, 'E', 'Z', '0', '5',
                                            kKeyNumpad0, kKeyNumpad0 + 5, kKeyF1})
    for (const AnswerKeyState& s : {on(0), on(D), afterFifty(A, C), afterFifty(A, C, A)})
      EXPECT_EQ(answerKeyAction(key, s), kNothing) << key;
  EXPECT_EQ(questionInfoText(7, 42), QStringLiteral("Aktualne pytanie:\nPoziom: 7\nNumer: 42"));
}

}  // namespace
