#pragma once

#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

// Tells the player, once per run, that the game could not save into its folder. The message
// does not wait: a timed sequence under way goes on, and the next failed write of the same
// run says nothing more (every operation still reports its own failure to its caller). The
// game goes on trying at every later change, so the text promises no more than that.
class WriteFailureNotice {
 public:
  explicit WriteFailureNotice(QWidget* window) : m_window(window) {}
  // `folder` is where the data file lives; `error` the errno value of the failed write.
  void report(const QString& folder, int error);
  bool shown() const { return m_shown; }

  static QString text(const QString& folder, int error);

 private:
  QWidget* m_window;
  QPointer<QMessageBox> m_box;
  bool m_shown = false;
};
