#include "ui/InputGate.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWindow>

namespace {

// The top-level widget an event goes to, whether it is addressed to a widget or to the
// window-system window under it.
QWidget* windowOf(QObject* target) {
  if (auto* widget = qobject_cast<QWidget*>(target)) return widget->window();
  if (auto* window = qobject_cast<QWindow*>(target)) {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->windowHandle() == window) return top;
  }
  return nullptr;
}

}  // namespace

InputGate::InputGate(QObject* parent) : QObject(parent) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

InputGate::~InputGate() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
  if (open()) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      // A box the game shows meanwhile is a window of its own and must be answerable: the
      // game goes on only after it.
      return !qobject_cast<QDialog*>(windowOf(watched));
    default:
      return QObject::eventFilter(watched, event);
  }
}
