#pragma once

#include <QDateTime>
#include <QString>

#include "platform/SystemPlatform.h"

// The state of the game on screen. It keeps its last values after the end until the next
// game is set up.
struct GameProgress {
  int Level = 1;         // ladder step of the question on screen, 1-15
  int HostBasePose = 2;  // 2 or 3, drawn per game
  QString AmountWonText;
  int WonLevel = 0;  // goes with AmountWonText to the end of the game
  QDateTime GameStartTime;
  // The player's own Num Lock, Caps Lock and Scroll Lock, given back when the game ends.
  platform::LockKeyStates SavedLamps;
  bool FiftyFiftyUsed = false;
  // From the set-up of a game to its end: the lock-key lights are the game's meanwhile.
  bool InGame = false;  // on the question on screen
};
