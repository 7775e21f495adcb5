#pragma once

#include <functional>
#include <memory>

#include "game/LifelineHooks.h"

class AudienceChart;
class FriendsPage;
class Game;
class Handlers;
class InputGate;
class MenuScreens;
class MessagePanels;
class Pacing;
class PhoneCall;
class PictureBox;
class Random;
class Sound;
class StatsStore;
class TMainFrm;
struct AppContext;
struct GameProgress;
struct OptionFlags;
struct PlayerSession;
struct QuestionOnScreen;

namespace platform {
class SystemPlatform;
}

// The three lifelines of the game page and the friends chosen before a game: each lifeline
// is used once per game (never used up in TestMode), the lock-key lights show which are left.
class Lifelines : public LifelineHooks {
 public:
  struct Needs {
    TMainFrm& form;
    Handlers& handlers;
    Pacing& pacing;
    InputGate& gate;
    Sound& sound;
    Game& game;
    const QuestionOnScreen& question;
    GameProgress& progress;
    const OptionFlags& flags;
    const PlayerSession& session;
    const StatsStore& stats;
    platform::SystemPlatform& desktop;
    MessagePanels& panels;
    MenuScreens& menu;
    Random& random;
    const AppContext& context;
  };

  // One lifeline's button and the overlay that crosses it out once used.
  struct Button {
    PictureBox* button = nullptr;
    PictureBox* used = nullptr;
    bool available() const;
  };

  explicit Lifelines(Needs needs);
  ~Lifelines() override;

  // LifelineHooks
  void resetForGame(bool lifelinesOn) override;
  void ShowLifelineLeds() override;
  void hidePanels() override;
  bool keyReleased(int key) override;

  void imgKompClick();
  void imgTelClick();
  void imgPubClick();
  // The red cross over a lifeline's button.
  void MarkLifelineUsed(PictureBox* overlay);
  // Marks the lifeline used and disables its button, unless nothing is ever used up.
  void useUp(Button& lifeline);
  // Lifts a panel's control lock; the used lifelines' buttons stay disabled.
  void releaseLock();

  Button& fiftyFifty() { return m_komp; }
  Button& phone() { return m_tel; }
  Button& audience() { return m_pub; }
  PhoneCall& phoneCall() { return *m_phone; }
  AudienceChart& audienceChart() { return *m_audience; }
  FriendsPage& friendsPage() { return *m_friends; }

 private:
  Button makeButton(const char* name, const char* usedName, int left, int width, const char* hint);

  Needs m_;
  Button m_komp;
  Button m_tel;
  Button m_pub;
  std::unique_ptr<FriendsPage> m_friends;
  std::unique_ptr<PhoneCall> m_phone;
  std::unique_ptr<AudienceChart> m_audience;
};
