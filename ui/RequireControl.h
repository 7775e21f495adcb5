#pragma once

#include <QObject>
#include <QString>

// The control `name` under `parent`; a missing one is a fault of the screens' wiring and stops
// the game there, naming it, instead of failing later on a null pointer.
[[noreturn]] void missingControl(const QString& name);
template <class T>
T* requireControl(const QObject* parent, const QString& name) {
  T* found = parent->findChild<T*>(name);
  if (!found) missingControl(name);
  return found;
}
