#pragma once

#include <array>

class InputGate;
class Pacing;
class QFrame;
class QWidget;
class Sound;
class TextLabel;
class TMainFrm;
struct GameProgress;
struct OptionFlags;
struct QuestionOnScreen;

// Ask the audience: the crowd's murmur, then four bars that grow to the shares the audience
// gives each answer.
class AudienceChart {
 public:
  struct Needs {
    TMainFrm& form;
    Pacing& pacing;
    InputGate& gate;
    Sound& sound;
    const QuestionOnScreen& question;
    const GameProgress& progress;
    const OptionFlags& flags;
  };

  explicit AudienceChart(Needs needs);

  // The lifeline's steps after its button has been used up.
  void imgPubClick();
  void hide();

  QFrame* pnPubl = nullptr;
  std::array<TextLabel*, 4> lblP{};
  std::array<QWidget*, 4> sh{};
  TextLabel* btnClosePub = nullptr;

 private:
  Needs m_;
};
