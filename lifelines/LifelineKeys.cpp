#include "lifelines/LifelineKeys.h"

#include "ui/VirtualKeys.h"

LifelineKeyAction lifelineKeyAction(int key, const LifelineKeyState& state) {
  using Action = LifelineKeyAction;
  static constexpr Action::Kind kUse[] = {Action::FiftyFifty, Action::Phone, Action::Audience};
  if (key >= kKeyF1 && key < kKeyF1 + 3) {
    const int lifeline = key - kKeyF1;
    return {state.offered[static_cast<size_t>(lifeline)] ? kUse[lifeline] : Action::Keep, 0};
  }
  if (key == kKeyEnter || key == kKeyEscape) {
    if (state.friendInfoOpen) return {Action::CloseFriendInfo, 0};
    if (state.audienceOpen) return {Action::CloseAudience, 0};
    return {};
  }
  const int digit = digitOfKey(key);
  if ((state.phoneOpen || state.friendInfoOpen) && digit >= 1 && digit <= 4) {
    // Under a friend's information the friends cannot be called, as with the mouse.
    if (digit <= 2 && !state.friendInfoOpen) return {Action::CallFriend, digit};
    return {Action::Keep, 0};
  }
  return {};
}
