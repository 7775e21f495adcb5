#pragma once

#include "game/GameProgress.h"
#include "options/OptionFlags.h"
#include "players/PlayerSession.h"
#include "questions/Question.h"

// The state several subsystems read, kept in one place and handed to each by reference: the
// player, the player's options, the question on screen and the game's progress. Each has one
// writer: the profile screens, the options, the question bank and the game.
struct SharedState {
  PlayerSession session;
  OptionFlags flags;
  QuestionOnScreen question;
  GameProgress progress;
};
