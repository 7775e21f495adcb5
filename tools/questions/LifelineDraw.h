#pragma once

#include <vector>

#include "questions/Question.h"

class Random;

// Gives questions that have only their texts and correct answer the lifelines' data, so that a
// level plays like the shipped set's (calibrationTarget): as many questions as the target says,
// rounded, have the friend right and the audience's favourite right; the right answer's share
// is drawn about the target's mean. Fifty-fifty removes two wrong answers at random; a wrong
// friend names the crowd's favourite wrong answer.
void drawLifelines(std::vector<StoredQuestion>& level, int levelNumber, Random& random);
