#pragma once

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

#include "app/GameServices.h"
#include "storage/Cp1250.h"
#include "tests/support/ShellHarness.h"
#include "ui/TMainFrm.h"

// The game's own subsystems behind a started shell, with helpers to read the data file and
// to click and type the way a player does.
struct GameHarness : BasicShellHarness<GameServices> {
  TMainFrm& main() { return shell.mainFrm(); }
  template <class T = QWidget>
  T* c(const QString& name) {
    return main().control<T>(name);
  }
  void click(const QString& name) { QTest::mouseClick(c(name), Qt::LeftButton); }
  void doubleClick(const QString& name) { QTest::mouseDClick(c(name), Qt::LeftButton); }
  // Typed key by key; letters beyond ASCII arrive as a keyboard layout delivers them.
  void type(const QString& field, const QString& text) {
    QWidget* w = c<QLineEdit>(field);
    for (QChar ch : text) {
      if (ch.unicode() < 128) {
        QTest::keyClick(w, ch.toLatin1());
      } else {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
      }
    }
  }
  // A key goes where the player's keys go: to the control with the focus, if any.
  void press(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : static_cast<QWidget*>(&main()), key);
  }

  // The data file as plain text (empty when there is none).
  QString dataText() const {
    QFile f(dir.filePath(QStringLiteral("Opcje.oFK")));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return fromCp1250(scrambleText(f.readAll()));
  }
  QByteArray dataBytes() const {
    QFile f(dir.filePath(QStringLiteral("Opcje.oFK")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void writeData(const QString& plain) { writeFile("Opcje.oFK", scrambleText(*toCp1250(plain))); }
  // Message boxes of the main window that are open now.
  QList<QMessageBox*> openMessages() {
    QList<QMessageBox*> open;
    for (QMessageBox* box : main().findChildren<QMessageBox*>())
      if (box->isVisible()) open << box;
    return open;
  }
  // The intro has ended: the profiles page is on.
  void toProfiles() { main().showPage(main().tsProfiles); }
};
