#pragma once

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <tuple>

#include "questions/Question.h"

class DataFile;
class IniFile;
class Random;

// The questions file (read from its plain copy) and the player's lists of questions already
// asked (in the data file).
class QuestionBank {
 public:
  static constexpr int Levels = 15;
  static constexpr int MaxPerLevel = 255;

  QuestionBank(std::function<QString()> questionsPath, std::function<DataFile()> dataFile,
               std::function<QString()> playerName, Random& random, QuestionOnScreen& onScreen);
  ~QuestionBank();

  int CountQuestions(int level) const;
  QString ReadAskedList(int level) const;
  // False when the data file could not be written.
  bool AddAskedQuestion(int level, int number) const;
  bool ClearAskedList(int level) const;
  bool ResetAskedLists() const;
  // Chooses a question of the level not asked yet, loads it and records it as asked.
  // False when the level has nothing left to ask (the start check keeps that from happening).
  bool DrawQuestion(int level);
  void LoadQuestion(int number, int level);

  // Whether every level has at least one question that can be played.
  bool everyLevelPlayable() const;
  // The numbers of a level that can be played, among 1 ... CountQuestions.
  QSet<int> playable(int level) const;

  // Whole entries of a list such as "12|3|7|".
  static QSet<int> askedNumbers(const QString& list);

 private:
  const IniFile& questions() const;
  static int countIn(const IniFile& file, int level);
  static QSet<int> playableIn(const IniFile& file, int level);

  std::function<QString()> m_questionsPath;
  std::function<DataFile()> m_dataFile;
  std::function<QString()> m_playerName;
  Random& m_random;
  QuestionOnScreen& m_onScreen;
  mutable std::unique_ptr<IniFile> m_cached;
  mutable std::tuple<QString, qint64, QDateTime> m_stamp;
  mutable QHash<int, QSet<int>> m_playable;
};
