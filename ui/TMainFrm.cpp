#include "ui/TMainFrm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStackedWidget>

#include "ui/Handlers.h"
#include "ui/InputGate.h"
#include "ui/ScaledStage.h"
#include "ui/VirtualKeys.h"

TMainFrm::TMainFrm(Handlers& handlers, InputGate& gate)
    : QWidget(nullptr, Qt::FramelessWindowHint), m_handlers(handlers), m_gate(gate) {
  handlers.want(QStringLiteral("ShowLifelineLeds"));
  setObjectName(QStringLiteral("MainFrm"));
  setFixedSize(ClientWidth + 2, ClientHeight + 2);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(12);
  setFont(font);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::WindowText, Qt::white);
  setPalette(pal);

  Pages = new QStackedWidget(this);
  Pages->setObjectName(QStringLiteral("Pages"));
  Pages->setGeometry(1, 1, ClientWidth, ClientHeight);
  tsMenu = addPage(Pages, "tsMenu", "Menu");
  tsGra = addPage(Pages, "tsGra", "Game");
  tsProfiles = addPage(Pages, "tsProfiles", "Profile graczy");
  tsLose = addPage(Pages, "tsLose", "Przegrana");
  tsAnim = addPage(Pages, "tsAnim", "Animacje");

  MenuPages = new QStackedWidget(tsMenu);
  MenuPages->setObjectName(QStringLiteral("MenuPages"));
  MenuPages->setGeometry(209, 105, 341, 297);
  MenuPages->hide();
  Opcje = addPage(MenuPages, "Opcje", "Opcje");
  Info = addPage(MenuPages, "Info", "Informacje");
  tsRec = addPage(MenuPages, "tsRec", "Rekordy");
  tsChoose = addPage(MenuPages, "tsChoose", "Wybieraj przyjaciół");
  tsStats = addPage(MenuPages, "tsStats", "Statystyki");

  qApp->installEventFilter(this);
}

TMainFrm::~TMainFrm() { qApp->removeEventFilter(this); }

QWidget* TMainFrm::addPage(QStackedWidget* pages, const char* name, const char* caption) {
  auto* page = new QWidget(pages);
  page->setObjectName(QString::fromLatin1(name));
  page->setWindowTitle(QString::fromUtf8(caption));  // the design caption, never shown
  pages->addWidget(page);
  return page;
}

void TMainFrm::showPage(QWidget* page) { Pages->setCurrentWidget(page); }

void TMainFrm::showMenuPage(QWidget* page) {
  MenuPages->setCurrentWidget(page);
  MenuPages->show();
}

QString TMainFrm::shownPage() const {
  return Pages->currentWidget() ? Pages->currentWidget()->objectName() : QString();
}

QString TMainFrm::shownMenuPage() const {
  return MenuPages->currentWidget() ? MenuPages->currentWidget()->objectName() : QString();
}

bool TMainFrm::isVisible(const QString& name) const {
  const QWidget* w = control(name);
  return w && !w->isHidden();
}

bool TMainFrm::isEnabled(const QString& name) const {
  const QWidget* w = control(name);
  return w && w->isEnabled();
}

bool TMainFrm::menuKeysOn() const { return m_menuKeysOn ? m_menuKeysOn() : true; }

void TMainFrm::run(const QString& handler) { m_handlers.run(handler); }

void TMainFrm::handleKeyPress(QChar key) {
  FormKeyPress(*this, key, m_previousKey);
  m_previousKey = key;
}

void TMainFrm::FormKeyDown() {
  if (shownPage() == u"tsGra") m_handlers.run(QStringLiteral("ShowLifelineLeds"));
}

void TMainFrm::FormActivate() { FormKeyDown(); }

void TMainFrm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QColor(30, 60, 120));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type == QEvent::WindowActivate && watched == this) {
    FormActivate();
    return false;
  }
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  if (!m_gate.open()) return false;
  // A key event is offered to the focus widget first, then to its parents; act on it once.
  QWidget* first = ScaledStage::keyFocusWidget();
  auto* target = qobject_cast<QWidget*>(watched);
  if (!target || (first ? target != first : !target->isWindow())) return false;
  QWidget* window = target->window();
  if (window != this && !window->property("forwardsKeysToMainFrm").toBool()) return false;

  auto* key = static_cast<QKeyEvent*>(event);
  if (type == QEvent::KeyPress) {
    FormKeyDown();
    QChar ch = keyPressChar(*key);
    if (!ch.isNull()) handleKeyPress(ch);
  } else if (!key->isAutoRepeat() && m_keyUp && window == this) {
    m_keyUp(virtualKeyOf(*key));
  }
  return false;
}
