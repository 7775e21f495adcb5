#pragma once

#include <QString>

class GamePage;
class InputGate;
class Lifelines;
class Pacing;
class PictureBox;
class QFrame;
class Random;
class Sound;
class StatsStore;
class TextLabel;
class TMainFrm;
struct OptionFlags;
struct PlayerSession;
struct QuestionOnScreen;

// Phone a friend: the panel with the two chosen friends, their information, and the call,
// whose words appear in the speech strip as each clip of the friend's voice ends.
class PhoneCall {
 public:
  struct Needs {
    TMainFrm& form;
    Pacing& pacing;
    InputGate& gate;
    Sound& sound;
    GamePage& page;
    const QuestionOnScreen& question;
    const OptionFlags& flags;
    const PlayerSession& session;
    const StatsStore& stats;
    Random& random;
  };

  PhoneCall(Lifelines& lifelines, Needs needs);

  // The two friends of this game, in the order of choice (0 for none).
  void setFriends(int first, int second);
  void open();
  void hidePanel();
  void placeInfoPanel();
  void btnTFrClick(int tag);
  void btnTInfoClick(int tag);
  void btnTOkClick();
  // The call itself; `variant` is drawn (1 or 2) unless a test gives it.
  void CallFriend(int friendNumber, int variant = 0);

  QFrame* pnTel = nullptr;
  QFrame* pnTInfo = nullptr;
  TextLabel* btnTFr01 = nullptr;
  TextLabel* btnTFr02 = nullptr;
  TextLabel* btnTInfo01 = nullptr;
  TextLabel* btnTInfo02 = nullptr;
  TextLabel* lblTInfo = nullptr;
  TextLabel* btnTOk = nullptr;

 private:
  // False once the game is quitting: the call stops there.
  bool play(const QString& clip);
  void countCall(int friendNumber);

  Lifelines& m_lifelines;
  Needs m_;
  int m_friends[2] = {0, 0};
};
