#pragma once

#include <array>
#include <functional>

#include "players/RecordTexts.h"

class FlatButton;
class Handlers;
class MessagePanels;
class Pacing;
class PictureBox;
class QFrame;
class QWidget;
class RecordsStore;
class TextLabel;
class TMainFrm;
struct PlayerSession;

// The records screen: the fifteen places of a player's own table or of the overall one, the
// details of a place, and the side panel of the menu that switches between the two tables and
// clears the one on screen.
class RecordsPage {
 public:
  struct Needs {
    TMainFrm& form;
    Handlers& handlers;
    Pacing& pacing;
    MessagePanels& panels;
    PlayerSession& session;
    const RecordsStore& records;
    MoneyText money;
    // Hiding the side panel stops the information movie when its page is not the one shown.
    std::function<bool()> infoMoviePlaying;
    std::function<void()> stopInfoMovie;
  };

  explicit RecordsPage(Needs needs);

  void btnRecClick();
  void RekordyClick(int place);
  void btnRHideClick();
  void btnRecAllClick();
  void btnRecMyClick();
  void ShowRecordsSidePanel(bool show);
  void btnDelRecClick();
  void btnYesClick();
  void btnNoClick();

  struct Row {
    TextLabel* holder = nullptr;  // lblR1 to lblR15
    TextLabel* prize = nullptr;   // lblRk1 to lblRk15
  };
  Row& row(int place) { return m_rows.at(static_cast<size_t>(place - 1)); }

  PictureBox* lblRPuch = nullptr;
  QFrame* pnRInfo = nullptr;
  std::array<TextLabel*, 7> lblR0{};  // lblR01 to lblR07
  TextLabel* lblR07t = nullptr;
  QWidget* bel06 = nullptr;
  FlatButton* btnRHide = nullptr;

  QWidget* shpDelRec = nullptr;
  TextLabel* btnRecAll = nullptr;
  TextLabel* btnRecMy = nullptr;
  QWidget* belRec1 = nullptr;
  TextLabel* btnDelRec = nullptr;
  PictureBox* imgKosz = nullptr;

 private:
  void buildTable();
  void buildDetails();
  void buildSidePanel();
  void addHandlers();
  bool showsOwnTable() const;

  Needs m_;
  std::array<Row, RecordPlaces> m_rows{};
  std::array<bool, RecordPlaces> m_filled{};
};
