#pragma once

#include <functional>

class Handlers;
class MessagePanels;
class PictureBox;
class StatsStore;
class TextLabel;
class TMainFrm;
struct PlayerSession;

// The statistics screen: a named player's totals over his finished games.
class StatsPage {
 public:
  struct Needs {
    TMainFrm& form;
    Handlers& handlers;
    MessagePanels& panels;
    const PlayerSession& session;
    const StatsStore& stats;
    std::function<void(bool show)> showRecordsSidePanel;
  };

  explicit StatsPage(Needs needs);

  void btnStatsClick();

  PictureBox* imgSTlo = nullptr;
  TextLabel* lblSuma = nullptr;
  TextLabel* lblIlos = nullptr;
  TextLabel* lblRezy = nullptr;
  TextLabel* lblPrze = nullptr;
  TextLabel* lblMili = nullptr;
  TextLabel* lblCzas = nullptr;

 private:
  void build();

  Needs m_;
};
