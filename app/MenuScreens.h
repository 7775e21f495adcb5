#pragma once

class Handlers;
class ShellServices;
class TMainFrm;
class MessagePanels;

// The main menu page, the result page's way back and the profiles page's way out, with the
// menu's own handlers.
class MenuScreens {
 public:
  MenuScreens(TMainFrm& form, Handlers& handlers, ShellServices& services, MessagePanels& panels);

  void MenuShow();  // the button pictures and panel icons, once at start-up
  void LoseShow();  // the result page's pictures, once at start-up

 private:
  void buildMenuPage();
  void buildPlayerBlock();
  void buildResultPageEntry();
  void buildProfilesPageEntry();
  void addHandlers();

  TMainFrm& m_form;
  Handlers& m_handlers;
  ShellServices& m_services;
  MessagePanels& m_panels;
};
