#pragma once

#include <QString>
#include <array>

#include "ui/VirtualKeys.h"

// The answer boxes as the key handler finds them. Positions 1-4 are A-D: A top-left,
// B top-right, C bottom-left, D bottom-right.
struct AnswerKeyState {
  int preSelected = 0;  // 0 = none
  bool fiftyFiftyUsed = false;
  int fiftyKeep1 = 0;  // the kept positions, ascending
  int fiftyKeep2 = 0;
  std::array<bool, 4> visible{true, true, true, true};
};

struct AnswerKeyAction {
  enum Kind { Nothing, PreSelect, Click, ShowInfo };
  Kind kind = Nothing;
  int position = 0;    // PreSelect, Click
  bool reset = false;  // PreSelect: every highlighted box is cleared first
  bool operator==(const AnswerKeyAction&) const = default;
};

// What a key does on the game page while a question waits; the caller has already checked
// the window is enabled, the page active and keyboard answers switched on. Click goes
// through the mouse handler, so with double confirmation the pre-selection counts as the
// first click.
//
// A, B, C, D and 1-4 on either keypad click their answer, unless fifty-fifty took it away.
//
// An arrow with nothing pre-selected first pre-selects A and then moves from A, so right ends
// on B, down on C, and left or up stay on A. After fifty-fifty the first arrow pre-selects the
// first kept answer and at once moves to the second; each further arrow toggles. A box
// pre-selected before fifty-fifty removed it still counts as the pre-selection, so the keys
// do nothing until the mouse picks a kept answer.
AnswerKeyAction answerKeyAction(int key, const AnswerKeyState& state);
// The answer position a key names (A-D, 1-4 on either keypad), 0 for any other key.
int answerOfKey(int key);

// The plain message Insert shows.
QString questionInfoText(int level, int questionNumber);
