#pragma once

#include <QChar>

class QKeyEvent;

// The character a key press produces for the key rules: Enter is 13, Escape 27, letters as
// typed; a key that produces no character gives a null QChar.
QChar keyPressChar(const QKeyEvent& event);
// The Windows virtual-key code of a key (arrows 37-40, Enter 13, Insert 45, letters 'A'-'Z').
int virtualKeyOf(const QKeyEvent& event);
