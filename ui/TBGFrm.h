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
  // The same for a scaled scene: the window covers `area` (scene pixels), the bands run along
  // its top and bottom edges and the "X" stands at its top right.
  void showScene(QSize area);

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  void paintBands(int bandWidth, int bottomBandTop, int closeLeft);

  Handlers& m_handlers;
};
