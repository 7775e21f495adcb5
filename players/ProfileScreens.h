#pragma once

#include <QDateTime>
#include <QImage>
#include <functional>

#include "players/FormRules.h"

class Handlers;
class MenuScreens;
class ProfileStore;
class QWidget;
class TMainFrm;
struct PlayerSession;

// The profiles page: choosing, logging in, creating, editing and deleting players, and the
// password that guards them.
class ProfileScreens {
 public:
  ProfileScreens(TMainFrm& form, Handlers& handlers, MenuScreens& menu, const ProfileStore& store,
                 PlayerSession& session, std::function<bool()> dataFileExists,
                 std::function<void()> loadOptions, std::function<QDateTime()> now);

  void ProfilesShow();
  void PlayerRowClick(int row);
  void btnPLogClick();
  void btnPNewClick();
  void btnPEditClick();
  void btnPDelClick();
  void btnPListClick();
  void lblPCreateClick();
  void PGraczChange();
  void edtPPueChange();
  void AskPassword(std::function<void()> action);
  void edtPPHasChange();
  void btnPPOkClick();
  void btnPPCanClick();

  int SelectedPlayerRow = -1;

 private:
  template <class T = QWidget>
  T* c(const char* name) const;
  void ensureForm();
  void connectForm();
  void setButtonsEnabled(bool log, bool edit, bool del);
  void rebuildRows(const QStringList& names);
  ProfileFormInput formInput() const;
  void setFormMode(bool edit);

  TMainFrm& m_form;
  Handlers& m_handlers;
  MenuScreens& m_menu;
  const ProfileStore& m_store;
  PlayerSession& m_session;
  std::function<bool()> m_dataFileExists;
  std::function<void()> m_loadOptions;
  std::function<QDateTime()> m_now;
  std::function<void()> m_pendingAction;  // waits for the password panel
  int m_rows = 0;
  QStringList m_shownNames;
  bool m_formBuilt = false;
  QImage m_createFace;
};
