#include "players/DateEdit.h"

#include <QKeyEvent>

namespace {
constexpr int Length = 8;
}

DateEdit::DateEdit(QWidget* parent, const QString& name) : QLineEdit(parent) {
  setObjectName(name);
  setMaxLength(Length);
  setContextMenuPolicy(Qt::NoContextMenu);  // no pasting around the fixed layout
  setAcceptDrops(false);
  setDateText(QStringLiteral("  -  -  "));
}

void DateEdit::setDateText(const QString& text) {
  QString t = text.left(Length).leftJustified(Length, u' ');
  t[2] = u'-';
  t[5] = u'-';
  setText(t);
  setCursorPosition(0);
}

void DateEdit::putAt(int pos, QChar c) {
  QString t = text();
  t[pos] = c;
  setText(t);
  emit textEdited(t);
}

void DateEdit::keyPressEvent(QKeyEvent* event) {
  int pos = cursorPosition();
  const QString typed = event->text();
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      QLineEdit::keyPressEvent(event);
      return;
    case Qt::Key_Backspace:
      if (pos > 0) {
        --pos;
        if (isSeparator(pos)) --pos;
        putAt(pos, u' ');
        setCursorPosition(pos);
      }
      return;
    case Qt::Key_Delete:
      if (pos < Length && !isSeparator(pos)) {
        putAt(pos, u' ');
        setCursorPosition(pos);
      }
      return;
    default:
      break;
  }
  if (typed.size() == 1 && (typed[0].isDigit() || typed[0] == u' ') && typed[0].unicode() < 128) {
    if (isSeparator(pos)) ++pos;
    if (pos >= Length) return;
    putAt(pos, typed[0]);
    ++pos;
    if (isSeparator(pos)) ++pos;
    setCursorPosition(pos);
    return;
  }
  if (typed == u"-" && isSeparator(pos)) {
    setCursorPosition(pos + 1);
    return;
  }
  event->accept();  // every other key is refused
}
