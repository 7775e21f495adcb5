#pragma once

#include <QImage>
#include <QString>
#include <vector>

class Handlers;
class ShellServices;
class TMainFrm;
class MessagePanels;
class PictureBox;
class TextLabel;

// The main menu page, the result page's way back and the profiles page's way out, with the
// menu's own handlers.
class MenuScreens {
 public:
  MenuScreens(TMainFrm& form, Handlers& handlers, ShellServices& services, MessagePanels& panels);

  void MenuShow();  // the button pictures and panel icons, once at start-up
  void LoseShow();  // the result page's pictures, once at start-up

  // The common button picture and the menu's background, for the screens that share them.
  QImage buttonFace() const;
  QImage backgroundPicture() const;
  // The player block at the top right of the menu.
  void showPlayer(const QString& name, const QString& place, const QString& age, bool named);
  // The version line of the profiles page.
  void setAppInfo(const QString& text);

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
  PictureBox* m_background = nullptr;
  PictureBox* m_face = nullptr;
  PictureBox* m_loseBackground = nullptr;
  PictureBox* m_backPicture = nullptr;
  TextLabel* m_appInfo = nullptr;
  std::vector<PictureBox*> m_entryPictures;
  std::vector<TextLabel*> m_playerTitles;
  std::vector<TextLabel*> m_playerValues;
};
