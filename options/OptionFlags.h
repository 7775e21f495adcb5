#pragma once

// The seven per-player switches; a player without stored options has them all on.
struct OptionFlags {
  bool Akc = true;  // an answer must be chosen twice
  bool Kla = true;  // answers can be marked with the keyboard
  bool Men = true;  // letter keys work in the menus
  bool Kou = true;  // lifelines
  bool Dzw = true;  // sounds and music
  bool Rez = true;  // show the correct answer after a resignation
  bool Zua = true;  // show the correct answer after a wrong answer
};
