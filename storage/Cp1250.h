#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The game's files are Windows-1250 text; in memory every text is Unicode.
// A text with a character Windows-1250 lacks has no encoding (nothing is written mangled).
// Every byte decodes to a character that encodes back to that byte.
std::optional<QByteArray> toCp1250(const QString& text);
bool fitsCp1250(const QString& text);
QString fromCp1250(const QByteArray& bytes);
