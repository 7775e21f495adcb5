#pragma once

#include <array>

// The lifelines' part of the game page as the keys find it.
struct LifelineKeyState {
  std::array<bool, 3> offered{};  // fifty-fifty, phone, audience: its button takes a click
  bool phoneOpen = false;         // the panel with the two friends
  bool friendInfoOpen = false;    // a friend's information over it
  bool audienceOpen = false;      // the audience's chart, its button free
};

struct LifelineKeyAction {
  enum Kind {
    Pass,  // not the lifelines' key: the answers may take it
    Keep,  // the lifelines' key, which does nothing now
    FiftyFifty,
    Phone,
    Audience,
    CallFriend,  // position 1 or 2 on the phone panel
    CloseFriendInfo,
    CloseAudience,
  };
  Kind kind = Pass;
  int position = 0;
  bool operator==(const LifelineKeyAction&) const = default;
};

// What a key released on the game page does to the lifelines, whatever the keyboard-answers
// option: F1-F3 click their lifeline's button; the open phone panel keeps the digits 1-4 (1 and
// 2 call its friends); Enter and Escape close a friend's information, else the audience chart,
// as their buttons do. The phone panel itself has no button to close it.
LifelineKeyAction lifelineKeyAction(int key, const LifelineKeyState& state);
