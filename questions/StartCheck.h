#pragma once

#include <QString>
#include <functional>

class Handlers;
class QuestionBank;
class QWidget;

// "Rozpocznij grę": the questions file is checked before anything else happens; a missing or
// broken file ends the program. Then the friends are chosen (with lifelines) or the game
// starts at once.
class StartCheck {
 public:
  struct Needs {
    std::function<QString()> questionsFile;  // where the questions are read from
    std::function<bool()> lifelinesOn;       // the "Kou" option
    std::function<void(bool)> showRecordsSidePanel;
  };

  StartCheck(QWidget& owner, Handlers& handlers, const QuestionBank& bank, Needs needs);

  void btnStartClick();

 private:
  QWidget& m_owner;
  Handlers& m_handlers;
  const QuestionBank& m_bank;
  Needs m_needs;
};
