#pragma once

// What the game needs of the lifelines, which sit above it and implement this.
class LifelineHooks {
 public:
  virtual ~LifelineHooks() = default;
  // A new game: the panels hidden; with the option on every lifeline available, with it off
  // every one marked used.
  virtual void resetForGame(bool lifelinesOn) = 0;
  // The lock-key lights show which lifelines are left.
  virtual void ShowLifelineLeds() = 0;
  // The audience chart and the phone panel close when an answer or a resignation starts.
  virtual void hidePanels() = 0;
  // A key released on the game page while input is open, as a Windows virtual-key code;
  // true when a lifeline or one of its panels took it, and the answers must not see it.
  virtual bool keyReleased(int key) = 0;
};
