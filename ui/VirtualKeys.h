#pragma once

#include <QChar>

class QKeyEvent;

// Windows virtual-key codes of the keys the game reacts to; letters and digits are their
// upper-case ASCII codes.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyInsert = 45;
inline constexpr int kKeyNumpad0 = 96;  // to 105
inline constexpr int kKeyF1 = 112;      // to 123

// The character a key press produces for the key rules: Enter is 13, Escape 27, letters as
// typed; a key that produces no character gives a null QChar.
QChar keyPressChar(const QKeyEvent& event);
// The Windows virtual-key code of a key (arrows 37-40, Enter 13, Insert 45, letters 'A'-'Z',
// digits '0'-'9' on the main keypad and 96-105 on the numeric one, F1-F12 112-123).
int virtualKeyOf(const QKeyEvent& event);
// The digit a virtual key carries, from either keypad; -1 for any other key.
int digitOfKey(int virtualKey);
