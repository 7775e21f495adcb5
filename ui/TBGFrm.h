#pragma once

#include <QWidget>

#include "platform/SystemPlatform.h"

class Handlers;
class PictureBox;
class TextLabel;

// The black window behind the main window, covering the whole desktop, with the border
// pattern in two bands and the "X" that quits the game.
class TBGFrm : public QWidget {
  Q_OBJECT
 public:
  static constexpr int DesignWidth = 800;
  static constexpr int DesignHeight = 600;

  explicit TBGFrm(Handlers& handlers);

  PictureBox* imgBG = nullptr;
  PictureBox* imgBGp = nullptr;
  TextLabel* btnClose = nullptr;

  // Paints the pattern bands for a screen of the given size; leaves imgBG hidden.
  void FormShow(platform::ScreenSize screenAtStart);

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  Handlers& m_handlers;
};
