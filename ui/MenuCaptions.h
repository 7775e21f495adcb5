#pragma once

class QWidget;

// The captions that carry an accelerator letter while the keyboard-menu option is on and are
// shown without it while it is off.
void applyMenuCaptions(QWidget* form, bool menuKeysOn);
