#pragma once

#include <QString>
#include <array>

// The six lines Tolmir may say before the question of `level` (2-15); all empty elsewhere,
// since he says nothing before the first question. From level 4 on the second line fills five
// of the six places, so it comes up five times in six.
std::array<QString, 6> HostPhrases(int level);

// The strip's text for the line at `pick` (0-5, drawn by the caller): "<Tolmir> " and the line
// with its "%s" naming `letter`, the previous question's correct answer as it was shown.
QString hostLine(int level, int pick, const QString& letter);
