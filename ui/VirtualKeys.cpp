#include "ui/VirtualKeys.h"

#include <QKeyEvent>

QChar keyPressChar(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(13);
    case Qt::Key_Escape:
      return QChar(27);
    default:
      break;
  }
  const QString text = event.text();
  return text.isEmpty() ? QChar() : text.front();
}

int virtualKeyOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    default:
      break;
  }
  const int key = event.key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9 && event.modifiers().testFlag(Qt::KeypadModifier))
    return kKeyNumpad0 + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return kKeyF1 + (key - Qt::Key_F1);
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  return 0;
}

int digitOfKey(int virtualKey) {
  if (virtualKey >= '0' && virtualKey <= '9') return virtualKey - '0';
  if (virtualKey >= kKeyNumpad0 && virtualKey <= kKeyNumpad0 + 9) return virtualKey - kKeyNumpad0;
  return -1;
}
