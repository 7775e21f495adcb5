#pragma once

#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <functional>

class QWidget;

// The game's two windows, the patterned background and the main window centred on it, shown
// as one scene scaled by the largest factor that fits the screen or a desktop window, for
// displays that cannot or should not be switched to 800 x 600. Text is drawn at the scaled size and
// pictures are scaled smoothly; clicks and keys reach the controls as unscaled. The only place that
// knows the factor: the windows keep their 800 x 600 layout.
class ScaledStage : public QGraphicsView {
  Q_OBJECT
 public:
  static constexpr int SceneWidth = 800;
  static constexpr int SceneHeight = 600;

  ScaledStage(QWidget& background, QWidget& main);
  ~ScaledStage() override;

  // The largest factor at which the 800 x 600 scene fits `area`.
  static double factorFor(QSize area);
  // The area the background covers, in scene pixels, for a view of `area` device pixels.
  static QSize sceneAreaFor(QSize area);
  double factor() const { return m_factor; }
  // The control a key goes to: the application's focus widget, or within a stage the focus
  // widget of the window the stage shows.
  static QWidget* keyFocusWidget();

  // The main window's place in the scene, in scene pixels.
  QPoint mainPosition() const;

  // Runs when the player closes the stage's window (a stage shown as a desktop window).
  void setCloseRequested(std::function<void()> close) { m_closeRequested = std::move(close); }
  // Runs when the scene's area changes (the background repaints its pattern for it).
  void setAreaChanged(std::function<void(QSize)> changed) { m_areaChanged = std::move(changed); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void fit();

  QWidget& m_background;
  QWidget& m_main;
  // A stand-in goes with its window.
  QPointer<QGraphicsProxyWidget> m_backgroundProxy;
  QPointer<QGraphicsProxyWidget> m_mainProxy;
  double m_factor = 1.0;
  std::function<void(QSize)> m_areaChanged;
  std::function<void()> m_closeRequested;
};
