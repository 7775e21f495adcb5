#pragma once

#include <array>

#include "lifelines/Friends.h"

class FlatButton;
class Game;
class Handlers;
class MenuScreens;
class MessagePanels;
class PhoneCall;
class PictureBox;
class QFrame;
class QWidget;
class StatsStore;
class SymbolLabel;
class TextLabel;
class TMainFrm;
struct PlayerSession;

// The choice of two friends before a game with lifelines: the roster, the ticks and the
// friends' statistics, their information with a photograph, and START.
class FriendsPage {
 public:
  struct Needs {
    TMainFrm& form;
    Handlers& handlers;
    Game& game;
    MessagePanels& panels;
    MenuScreens& menu;
    const PlayerSession& session;
    const StatsStore& stats;
    PhoneCall& phone;
  };

  explicit FriendsPage(Needs needs);

  void OpenFriendsChoice();
  void ToggleFriend(int number);
  void ShowFriendMarks();
  void FriendsInfoClick(int number);
  void btnCOkClick();
  void btnCStartClick();

  const ChosenFriends& chosen() const { return m_chosen; }

  struct Entry {
    TextLabel* name = nullptr;
    FlatButton* info = nullptr;
    SymbolLabel* tick = nullptr;
    TextLabel* stats = nullptr;
    PictureBox* face = nullptr;
  };
  Entry& entry(int number) { return m_entries.at(static_cast<size_t>(number - 1)); }

  QFrame* pnCInfo = nullptr;
  PictureBox* imgCFace = nullptr;
  TextLabel* lblWsz = nullptr;
  TextLabel* lblDob = nullptr;
  TextLabel* lblZue = nullptr;
  TextLabel* lblCInfo = nullptr;
  PictureBox* imgCStart = nullptr;

 private:
  void buildRoster();
  void buildInfoPanel();
  void buildStart();
  void paintEntries();
  bool anonymous() const;

  Needs m_;
  QWidget* m_infoBackdrop = nullptr;
  ChosenFriends m_chosen;
  std::array<Entry, FriendCount> m_entries;
};
