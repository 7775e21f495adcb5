#pragma once

#include <QString>
#include <vector>

#include "questions/Question.h"

// Questions whose text names another question's correct answer, so that a game drawing both
// hands the player the later one. An answer with a word of five letters or more is named by all
// of its words of four letters or more, each with any Polish case ending ("Fryderyka Chopina"
// names "Fryderyk Chopin", "Kubusia Puchatka" "Kubuś Puchatek"), and by its numbers and shorter
// words as they are; an answer that more than three questions name is common vocabulary and
// not counted.
struct Giveaway {
  int level = 0;  // the question that names the answer
  int number = 0;
  int answerLevel = 0;  // the question whose answer it names
  int answerNumber = 0;
  QString word;  // as the naming question writes it
};

// levels[0] is level 1. Every pair once, in the order of the naming question.
std::vector<Giveaway> findGiveaways(const std::vector<std::vector<StoredQuestion>>& levels);

// "[5;10] names „Oktawiana”, the answer to [38;6]"
QString describe(const Giveaway& g);
