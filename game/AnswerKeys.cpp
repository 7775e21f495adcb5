#include "game/AnswerKeys.h"

namespace {

bool isArrow(int key) { return key >= kKeyLeft && key <= kKeyDown; }

// Neighbours on the 2 x 2 grid; 0 where the arrow points off the grid.
int neighbour(int position, int key) {
  switch (position) {
    case 1:
      return key == kKeyRight ? 2 : key == kKeyDown ? 3 : 0;
    case 2:
      return key == kKeyLeft ? 1 : key == kKeyDown ? 4 : 0;
    case 3:
      return key == kKeyUp ? 1 : key == kKeyRight ? 4 : 0;
    case 4:
      return key == kKeyLeft ? 3 : key == kKeyUp ? 2 : 0;
    default:
      return 0;
  }
}

AnswerKeyAction preSelect(int position, bool reset) {
  return {AnswerKeyAction::PreSelect, position, reset};
}

AnswerKeyAction fourAnswers(int key, const AnswerKeyState& state) {
  int selected = state.preSelected >= 1 && state.preSelected <= 4 ? state.preSelected : 0;
  AnswerKeyAction action;
  if (selected == 0 && isArrow(key)) {
    selected = 1;
    action = preSelect(1, false);
  }
  // The boxes are scanned in order and the scan goes on after a move, so a box reached by the
  // move is visited again when it comes later in the order. On a 2 x 2 grid the same arrow
  // never leads on from there, so one press moves at most one box.
  for (int box = 1; box <= 4; ++box) {
    if (box != selected) continue;
    if (key == kKeyEnter) {
      if (state.visible[box - 1]) return {AnswerKeyAction::Click, box, false};
      continue;
    }
    if (const int to = neighbour(box, key)) {
      selected = to;
      action = preSelect(to, true);
    }
  }
  return action;
}

AnswerKeyAction twoAnswers(int key, const AnswerKeyState& state) {
  // A box hidden by fifty-fifty still counts as pre-selected, and then no key moves on.
  int selected = state.preSelected >= 1 && state.preSelected <= 4 ? state.preSelected : 0;
  // The first arrow pre-selects the first kept answer and moves on from it at once.
  if (selected == 0 && isArrow(key)) selected = state.fiftyKeep1;
  int other = 0;
  if (selected == state.fiftyKeep1)
    other = state.fiftyKeep2;
  else if (selected == state.fiftyKeep2)
    other = state.fiftyKeep1;
  else
    return {};
  if (key == kKeyEnter) return {AnswerKeyAction::Click, selected, false};
  return preSelect(other, true);
}

}  // namespace

int answerOfKey(int key) {
  if (key >= 'A' && key <= 'D') return key - 'A' + 1;
  const int digit = digitOfKey(key);
  return digit >= 1 && digit <= 4 ? digit : 0;
}

AnswerKeyAction answerKeyAction(int key, const AnswerKeyState& state) {
  if (key == kKeyInsert) return {AnswerKeyAction::ShowInfo, 0, false};
  if (const int position = answerOfKey(key)) {
    if (!state.visible[static_cast<size_t>(position - 1)]) return {};
    return {AnswerKeyAction::Click, position, false};
  }
  if (key != kKeyEnter && !isArrow(key)) return {};
  return state.fiftyFiftyUsed ? twoAnswers(key, state) : fourAnswers(key, state);
}

QString questionInfoText(int level, int questionNumber) {
  return QStringLiteral("Aktualne pytanie:\nPoziom: %1\nNumer: %2").arg(level).arg(questionNumber);
}
