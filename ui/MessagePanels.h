#pragma once

#include <QString>

class Handlers;
class PictureBox;
class QWidget;
class TextLabel;
class ShellServices;
class TMainFrm;

// The error panel and the yes/no panel laid over the menu page. Opening one locks every
// other clickable control of the window until it is closed.
class MessagePanels {
 public:
  MessagePanels(TMainFrm& form, Handlers& handlers, ShellServices& services);

  // Loads the system's exclamation and question icons (part of preparing the menu).
  void loadIcons();
  void showError(const QString& message);
  void showYesNo();
  // The yes/no panel's buttons belong to whoever asked; this just closes the panel.
  void hideYesNo();

 private:
  void buildErrorPanel();
  void buildYesNoPanel();
  void open(QWidget* panel);
  void btnCHideClick();

  TMainFrm& m_form;
  Handlers& m_handlers;
  ShellServices& m_services;
  QWidget* m_errorPanel = nullptr;
  PictureBox* m_errorIcon = nullptr;
  TextLabel* m_errorText = nullptr;
  QWidget* m_yesNoPanel = nullptr;
  PictureBox* m_yesNoIcon = nullptr;
};
