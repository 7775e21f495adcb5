#pragma once

#include <QString>

// What the screens, keys and the shell can already ask for but no subsystem provides yet.
// Each piece of the game that lands takes its own names off these lists; the wiring test
// fails on a name left here once it is provided, and on a name asked for that is neither
// provided nor listed here.
namespace pending {

// Handlers run by name.
inline constexpr const char* Handlers[] = {
    "btnRecClick",    // the records screen
    "btnRHideClick",  // the records screen
    "btnYesClick",    // the records screen: clearing
    "btnNoClick",     // the records screen: clearing
    "btnStatsClick",  // the statistics screen
};

// Operations of the shell's services, and events between subsystems.
inline constexpr const char* Services[] = {
    "ShowRecordsSidePanel",  // the records screen
};

bool isListed(const QString& name);
// An operation listed above has been asked for: it does nothing, by design, for now.
void reached(const char* service);
int timesReached(const QString& service);

}  // namespace pending
