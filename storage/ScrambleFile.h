#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// XOR constant of the scrambled files. CR and LF come out as 0x12 and 0x15, control bytes
// that Windows-1250 text never holds, and only those two bytes map back to CR and LF, so a
// scrambled text is always a single line and a text never gains false line breaks.
inline constexpr unsigned char ScrambleKey = 0x1F;

// The lines of a text; a line ends at CR LF, CR or LF, and a last line may lack its end.
std::vector<QByteArray> splitTextLines(const QByteArray& text);

// Plain text to scrambled form and back: every line is given a CR LF, every byte is XORed
// with ScrambleKey, and the line breaks that result are normalised to CR LF.
QByteArray scrambleText(const QByteArray& text);

// Converts the file `source` into `destination` (which may be the same file). Returns false
// with a message naming the file when the source cannot be read or the result not written.
bool ScrambleFile(const QString& source, const QString& destination, QString* error = nullptr);
