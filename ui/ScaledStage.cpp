#include "ui/ScaledStage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "ui/Lifetime.h"

ScaledStage::ScaledStage(QWidget& background, QWidget& main)
    : m_background(background), m_main(main) {
  setObjectName(QStringLiteral("ScaledStage"));
  auto* scene = new QGraphicsScene(this);
  scene->setBackgroundBrush(Qt::black);
  setScene(scene);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  // Movies and blinking repaint small parts; the rest of the scene stays as it is.
  setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
  setBackgroundBrush(Qt::black);
  m_backgroundProxy = scene->addWidget(&m_background);
  m_mainProxy = scene->addWidget(&m_main);
  m_mainProxy->setZValue(1);
  // Keys go where they go on the desktop: to the main window and its focused control.
  scene->setFocusItem(m_mainProxy);
}

// The windows belong to the shell: the stage gives them back instead of deleting them with
// their stand-ins.
ScaledStage::~ScaledStage() {
  m_closeRequested = nullptr;  // going away is no request to quit
  for (QGraphicsProxyWidget* proxy : {m_mainProxy.data(), m_backgroundProxy.data()})
    if (proxy && proxy->widget()) proxy->setWidget(nullptr);
}

QPoint ScaledStage::mainPosition() const { return m_mainProxy->pos().toPoint(); }

void ScaledStage::changeEvent(QEvent* event) {
  QGraphicsView::changeEvent(event);
  // The main window hears that the game's window became active, as it does on its own.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&m_main, &activation);
  }
}

// The game decides whether a close ends it. Once it is ending (a signal, "Zamknij") the close
// that quitting sends every window must be taken, or the quit would be called off.
void ScaledStage::closeEvent(QCloseEvent* event) {
  if (m_closeRequested && !lifetime::terminationRequested()) m_closeRequested();
  event->setAccepted(lifetime::terminationRequested());
}

QWidget* ScaledStage::keyFocusWidget() {
  QWidget* focus = QApplication::focusWidget();
  auto* stage = qobject_cast<ScaledStage*>(focus);
  if (!stage || !stage->scene()) return focus;
  auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(stage->scene()->focusItem());
  if (!proxy || !proxy->widget()) return focus;
  QWidget* inner = proxy->widget()->focusWidget();
  return inner ? inner : proxy->widget();
}

double ScaledStage::factorFor(QSize area) {
  return std::max(0.1,
                  std::min(double(area.width()) / SceneWidth, double(area.height()) / SceneHeight));
}

QSize ScaledStage::sceneAreaFor(QSize area) {
  const double f = factorFor(area);
  return {int(std::ceil(area.width() / f)), int(std::ceil(area.height() / f))};
}

void ScaledStage::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  fit();
}

void ScaledStage::fit() {
  m_factor = factorFor(viewport()->size());
  const QSize area = sceneAreaFor(viewport()->size());
  m_background.resize(area);
  m_backgroundProxy->setPos(0, 0);
  m_mainProxy->setPos((area.width() - m_main.width()) / 2, (area.height() - m_main.height()) / 2);
  scene()->setSceneRect(0, 0, area.width(), area.height());
  setTransform(QTransform::fromScale(m_factor, m_factor));
  if (m_areaChanged) m_areaChanged(area);
}
