#pragma once

class QWidget;

// Makes a panel modal by convention: every visible clickable control of the form (picture,
// label, flat button or check box with the hand cursor) outside the panel's own children is
// enabled or disabled. Hidden controls and controls without the hand cursor are left alone.
void LockControls(QWidget* form, const QWidget* panel, bool enable);
