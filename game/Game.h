#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

class GameEnd;
class GamePage;
class Handlers;
class InputGate;
class LifelineHooks;
class MenuScreens;
class Movies;
class Pacing;
class QObject;
class QuestionBank;
class Random;
class Sound;
class TMainFrm;
struct GameProgress;
struct OptionFlags;
struct QuestionOnScreen;

namespace platform {
class SystemPlatform;
}

// The course of a game on the game page: its set-up, each question with the host's line, the
// answer by mouse or keyboard, the verdict with its suspense, blinking and sounds, the step
// up the ladder, and the resignation. Every sequence runs to its end inside one handler call,
// with input closed; a request to quit cuts it short.
class Game {
 public:
  struct Needs {
    TMainFrm& form;
    Handlers& handlers;
    Pacing& pacing;
    InputGate& gate;
    Sound& sound;
    Movies& movies;
    QuestionBank& bank;
    const QuestionOnScreen& question;
    GameProgress& progress;
    const OptionFlags& flags;
    platform::SystemPlatform& desktop;
    MenuScreens& menu;
    LifelineHooks& lifelines;
    Random& random;
    GameEnd& end;
    std::function<QDateTime()> now;
  };

  explicit Game(Needs needs);
  ~Game();

  GamePage& page() { return *m_page; }

  void GameShow();
  // The game page shown, the used-up lists renewed and the first question asked; what both
  // ways into a game (at once, or after the friends choice) end with.
  void startFirstQuestion();
  void ShowQuestion(int level);
  void OdpsClick(int position);
  // A key released on the main window, as a Windows virtual-key code.
  void FormKeyUp(int key);
  void EvaluateAnswer(int position);
  void RezygnacjaClick();
  // The million movie has ended.
  void millionMovieEnded();

 private:
  void connectControls();
  // Pause and repaint; false once the player has asked to quit (the sequence stops).
  bool pause(int ms);
  bool repaint();
  void enable(bool on);
  void hostLineBefore(int level, const QString& previousLetter);
  void blinkCorrect(int times, const QColor& first, const QColor& second, bool resetFirst);
  void endAfterWrongAnswer();
  void resign();

  Needs m_;
  std::unique_ptr<GamePage> m_page;
};
