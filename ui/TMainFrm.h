#pragma once

#include <QWidget>
#include <functional>

#include "ui/KeyRouting.h"
#include "ui/RequireControl.h"

class Handlers;

class InputGate;
class QStackedWidget;

// The borderless main window: every screen of the game is a page of `Pages`, the menu's
// sub-screens are pages of `MenuPages`. Subsystems add their controls to these pages.
class TMainFrm : public QWidget, public KeyPressTarget {
  Q_OBJECT
 public:
  static constexpr int ClientWidth = 790;
  static constexpr int ClientHeight = 425;

  TMainFrm(Handlers& handlers, InputGate& gate);
  ~TMainFrm() override;

  QStackedWidget* Pages = nullptr;
  QWidget* tsMenu = nullptr;
  QWidget* tsGra = nullptr;
  QWidget* tsProfiles = nullptr;
  QWidget* tsLose = nullptr;
  QWidget* tsAnim = nullptr;

  QStackedWidget* MenuPages = nullptr;
  QWidget* Opcje = nullptr;
  QWidget* Info = nullptr;
  QWidget* tsRec = nullptr;
  QWidget* tsChoose = nullptr;
  QWidget* tsStats = nullptr;

  void showPage(QWidget* page);
  void showMenuPage(QWidget* page);  // also makes MenuPages visible

  // A control that may not be there (a screen not built yet): null when missing.
  template <class T = QWidget>
  T* control(const QString& name) const {
    return findChild<T*>(name);
  }
  // A control the caller cannot do without: a missing one stops the game with its name.
  template <class T = QWidget>
  T* require(const QString& name) const {
    return requireControl<T>(this, name);
  }

  // The keyboard-menu option, read when a key is pressed.
  void setMenuKeysOption(std::function<bool()> menuKeysOn) { m_menuKeysOn = std::move(menuKeysOn); }
  // Key release on the main window (answers on the game page): Windows virtual-key code.
  void setKeyUpHandler(std::function<void(int)> handler) { m_keyUp = std::move(handler); }

  // KeyPressTarget
  QString shownPage() const override;
  QString shownMenuPage() const override;
  bool isVisible(const QString& control) const override;
  bool isEnabled(const QString& control) const override;
  bool menuKeysOn() const override;
  void run(const QString& handler) override;

  // Key events of the game's windows, seen before the focused control (key preview).
  void handleKeyPress(QChar key);
  void FormKeyDown();
  void FormActivate();

 protected:
  void paintEvent(QPaintEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* addPage(QStackedWidget* pages, const char* name, const char* caption);

  const Handlers& m_handlers;
  InputGate& m_gate;
  std::function<bool()> m_menuKeysOn;
  std::function<void(int)> m_keyUp;
  QChar m_previousKey;
};
