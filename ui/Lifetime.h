#pragma once

#include <QObject>
#include <functional>

// The one request to end the game, whatever asked for it (a menu entry, a key, the "X", a
// signal from the system). The main loop and every local wait end on it.
namespace lifetime {

void requestTermination();
bool terminationRequested();
// Runs `fn` when termination is requested, for as long as `context` lives.
void onTermination(QObject* context, std::function<void()> fn);
// For tests that drive several start-ups in one process.
void reset();

// Turns SIGINT, SIGTERM and SIGHUP into a termination request, so the normal shutdown
// (display mode, temporary files, bell) runs instead of the process dying on the spot.
void installSignalHandlers();

}  // namespace lifetime
