#pragma once

#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

// Tells the player, once per run, that the game cannot save into its folder. The message
// does not wait: a timed sequence under way goes on, and the next failed write of the same
// run says nothing more (every operation still reports its own failure to its caller).
class WriteFailureNotice {
 public:
  explicit WriteFailureNotice(QWidget* window) : m_window(window) {}
  void report();
  bool shown() const { return m_shown; }

  static QString text();

 private:
  QWidget* m_window;
  QPointer<QMessageBox> m_box;
  bool m_shown = false;
};
