#pragma once

#include <QString>
#include <QStringList>

// What a questions file may hold. The limits are those the game's boxes are drawn for; a file
// far larger than any question set would only cost memory and start-up time.
namespace questionfile {

inline constexpr qint64 MaxBytes = 16 * 1024 * 1024;
inline constexpr int MaxQuestionChars = 150;
inline constexpr int MaxAnswerChars = 60;

// The lines of a plain questions text that belong to no question: neither blank, a comment, a
// question's section ("3;12", levels 1-15) nor one of a question's keys. At most `limit`
// messages ("line 7: …"); `total` gets the number of such lines.
QStringList strayLines(const QString& plain, int limit, int* total);

}  // namespace questionfile
