#pragma once

#include <QString>
#include <initializer_list>

// What the screens, keys and the shell can already ask for but no subsystem provides yet.
// Each piece of the game that lands takes its own names off these lists; the wiring test
// fails on a name left here once it is provided, and on a name asked for that is neither
// provided nor listed here.
namespace pending {

// Handlers run by name. Lists rather than arrays, so that they may be empty.
inline constexpr std::initializer_list<const char*> Handlers = {};

// Operations of the shell's services, and events between subsystems.
inline constexpr std::initializer_list<const char*> Services = {};

bool isListed(const QString& name);
// An operation listed above has been asked for: it does nothing, by design, for now.
void reached(const char* service);
int timesReached(const QString& service);

}  // namespace pending
