#pragma once

#include <QByteArray>
#include <QString>

// Plain POSIX writes, so that a failure keeps its errno value for the player's message.

// Writes all of `bytes` to `fd`; false with errno set on failure.
bool writeAll(int fd, const QByteArray& bytes);
// Creates or truncates `path` and writes `bytes` into it. 0, or the errno of the failed step.
int writeWholeFile(const QString& path, const QByteArray& bytes);

// Why a file could not be written, in the player's words (Polish): what a player can act on
// (a full disk, a folder without rights) rather than the system's English.
QString describeWriteError(int error);
