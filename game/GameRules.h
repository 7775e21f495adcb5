#pragma once

#include <QString>
#include <optional>

// Long answers get a smaller font so they still fit their box.
int answerFontSize(const QString& answer);

// The wait between confirming an answer and its verdict; it lengthens up the ladder.
struct Suspense {
  int pauseMs = 0;
  // From level 6 on the music stops and "zaznacz" plays to its end before the pause; below,
  // the music plays on through the pause and stops after it.
  bool markSoundFirst = false;
};
Suspense suspenseFor(int level);

// The clip that repeats while a correct answer blinks.
QString correctAnswerSound(int level);

// Tolmir's pose while the player waits for the verdict.
int suspenseHostPose(int level, int basePose);
// His pose while a correct answer blinks.
int correctAnswerHostPose(int level, int basePose);
// A resignation from level 8 on shows pose 4; below, the pose is left as it is.
std::optional<int> resignationHostPose(int level);

// "WYGRANA" joins the banner of a correct answer on the guaranteed steps.
bool showsWonCaption(int level);

// There is nothing to keep before the first answer.
bool resignationOffered(int level);
