#pragma once

#include <QColor>
#include <QString>
#include <array>

// Dollars of each ladder step; step 0 is the start, nothing won yet.
inline constexpr std::array<int, 16> LadderAmounts{0,      100,    200,    300,    500,   1000,
                                                   2000,   4000,   8000,   16000,  32000, 64000,
                                                   125000, 250000, 500000, 1000000};

// "1 MILION" for 15, "" for 0 (and anything off the ladder), otherwise the dollars with their
// digits grouped by threes: 125000 -> "125 000".
QString AmountText(int level);

// What the player takes home when the game ends early.
struct KeptAmount {
  QString text;  // as shown, before " $" or " dolarów"
  int wonLevel = 0;
  bool operator==(const KeptAmount&) const = default;
};

// A wrong answer falls back to the last guaranteed step; before level 6 that is a literal "0".
KeptAmount keptAfterWrongAnswer(int level);
// A resignation keeps the step already reached.
KeptAmount keptAfterResignation(int level);

// One row of the ladder picture as DrawLadder paints it.
struct LadderRow {
  int level = 0;
  int top = 0;      // the row's y; its fill spans (20, top) to (190, top + 20)
  int numberX = 0;  // one-digit numbers sit further right so they line up with two-digit ones
  QColor fill;
  QColor text;               // the amount's colour
  QColor numberColour;       // the highlighted row's number is ivory over a black shadow
  bool highlighted = false;  // the step already won (Level - 1); marked with Wingdings 170
  bool diamond = false;      // steps below the won one carry a small diamond
};

// Rows in painting order, level 15 first, for the question on screen at `level`.
std::array<LadderRow, 15> ladderRows(int level);
