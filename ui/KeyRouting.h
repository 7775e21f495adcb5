#pragma once

#include <QChar>
#include <QString>

// What the key rules of the main window need to know of the screens and may do to them.
// Controls, pages and handlers are named as on the screens.
class KeyPressTarget {
 public:
  virtual ~KeyPressTarget() = default;
  virtual QString shownPage() const = 0;      // page shown in Pages
  virtual QString shownMenuPage() const = 0;  // page shown in MenuPages
  virtual bool isVisible(const QString& control) const = 0;
  virtual bool isEnabled(const QString& control) const = 0;
  virtual bool menuKeysOn() const = 0;  // the keyboard-menu option
  virtual void run(const QString& handler) = 0;
};

namespace keys {
inline constexpr char16_t Enter = 13;
inline constexpr char16_t Escape = 27;
}  // namespace keys

// The character of a key press on the main or background window. Every rule that matches
// runs; later rules see the same key and whatever the earlier ones changed. On the menu page
// only one thing answers a key: an open panel, else the shown sub-page's underlined letter,
// else the menu's own letters. `previous` is the character of the key pressed before this one
// (the friends page's I + number).
void FormKeyPress(KeyPressTarget& target, QChar key, QChar previous = {});
