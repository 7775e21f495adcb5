#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class IniFile;

// One question as the questions file stores it, answers in the file's order (1 = "A").
struct StoredQuestion {
  QString text;
  std::array<QString, 4> answers;
  int correct = 0;                // "G"
  int fiftyOut1 = 0;              // "1"
  int fiftyOut2 = 0;              // "2"
  std::array<int, 4> audience{};  // "6" to "9"
  int friendAnswer = 0;           // "T"

  // Read with the file's defaults: empty texts and 0 where a key is missing or not a number.
  static StoredQuestion read(const IniFile& file, int number, int level);
  // The problems that keep a question out of the game, each as "key: what is wrong"; an
  // empty list is a question that can be played.
  QStringList problems() const;
  bool usable() const { return problems().isEmpty(); }
};

// The question on screen, answers in the order shown (position 1 = "A").
struct CurrentQuestionRecord {
  QString Text;
  std::array<QString, 4> Answers;
  std::uint8_t Correct = 1;
  std::uint8_t FiftyOut1 = 1;
  std::uint8_t FiftyOut2 = 1;
  std::uint8_t FiftyKeep1 = 1;
  std::uint8_t FiftyKeep2 = 1;
  std::array<std::uint8_t, 4> AudiencePct{};
  std::uint8_t FriendAnswer = 1;
};

// The question on screen and its number in its level, written by the draw and read by the
// game and the lifelines.
struct QuestionOnScreen {
  CurrentQuestionRecord CurrentQuestion;
  std::uint8_t QuestionNumber = 0;
};

QString questionSection(int number, int level);  // "3;12"
QString LetterOf(int position);                  // 1-4 -> "A"-"D", anything else "A"
int PositionOf(const QString& letter);           // "B"-"D" -> 2-4, anything else 1

// Shows the stored question with its answers in the order `order` (order[k] = the file's
// answer number 1-4 shown at position k+1). Texts decide the mapping: when two answers have
// the same text, the later position wins.
CurrentQuestionRecord arrangeQuestion(const StoredQuestion& q, const std::array<int, 4>& order);
