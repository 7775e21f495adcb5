#pragma once

#include <QLineEdit>

// The birth-date field: eight characters "YY-MM-DD" typed over in place, the two "-" fixed;
// digits overwrite, Backspace and Delete leave a blank, anything else is refused. The text can
// be set to a placeholder such as "RR-MM-DD" that the digits then replace.
class DateEdit : public QLineEdit {
  Q_OBJECT
 public:
  DateEdit(QWidget* parent, const QString& name);

  // Sets the whole text (cut or padded to eight characters, separators forced).
  void setDateText(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void putAt(int pos, QChar c);
  static bool isSeparator(int pos) { return pos == 2 || pos == 5; }
};
