#include "ui/MessagePanels.h"

#include <QFrame>
#include <QStackedWidget>

#include "ui/ControlLock.h"
#include "ui/Handlers.h"
#include "ui/ShellServices.h"
#include "ui/SystemIcons.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

constexpr int PanelLeft = 215;
constexpr int PanelTop = 188;
const QColor ButtonFace(255, 83, 83);

QFrame* makePanel(QWidget* page, const char* name, const QColor& colour) {
  auto* panel = new QFrame(page);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(PanelLeft, PanelTop, 329, 129);
  panel->setFrameShape(QFrame::Box);
  panel->setLineWidth(1);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, colour);
  pal.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(pal);
  panel->hide();
  return panel;
}

TextLabel* makeMessage(QWidget* panel, const char* name, const QString& text) {
  auto* label = new TextLabel(panel, QString::fromLatin1(name), text);
  label->setGeometry(64, 13, 253, 77);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(theme::panelFont());
  label->setColour(Qt::black);
  return label;
}

FlatButton* makeButton(QWidget* panel, const char* name, const char* caption, int left, int top) {
  auto* button =
      new FlatButton(panel, QString::fromLatin1(name), QString::fromUtf8(caption), ButtonFace);
  button->setGeometry(left, top, 81, 25);
  button->setFont(theme::font("Times New Roman", 15, true));
  return button;
}

}  // namespace

MessagePanels::MessagePanels(TMainFrm& form, Handlers& handlers, ShellServices& services)
    : m_form(form), m_handlers(handlers), m_services(services) {
  buildErrorPanel();
  buildYesNoPanel();
  m_handlers.add(QStringLiteral("btnCHideClick"), [this] { btnCHideClick(); });
}

void MessagePanels::buildErrorPanel() {
  QFrame* panel = makePanel(m_form.tsMenu, "pnCError", QColor(234, 0, 0));
  m_errorPanel = panel;
  m_errorIcon = new PictureBox(panel, QStringLiteral("imgCError"));
  m_errorIcon->setGeometry(18, 20, 32, 32);
  m_errorText = makeMessage(panel, "lblCError", QString());
  FlatButton* hide = makeButton(panel, "btnCHide", "&Schowaj", 122, 96);
  QObject::connect(hide, &FlatButton::clicked, m_handlers.runner(QStringLiteral("btnCHideClick")));
}

void MessagePanels::buildYesNoPanel() {
  QFrame* panel = makePanel(m_form.tsMenu, "pnYesNo", QColor(157, 0, 0));
  m_yesNoPanel = panel;
  m_yesNoIcon = new PictureBox(panel, QStringLiteral("imgYNIco"));
  m_yesNoIcon->setGeometry(18, 20, 32, 32);
  makeMessage(panel, "lblYNText",
              QString::fromUtf8("Czy na pewno chcesz wyczyścić listę rekordów?"));
  FlatButton* yes = makeButton(panel, "btnYes", "&Tak", 49, 93);
  FlatButton* no = makeButton(panel, "btnNo", "&Nie", 196, 93);
  QObject::connect(yes, &FlatButton::clicked, m_handlers.runner(QStringLiteral("btnYesClick")));
  QObject::connect(no, &FlatButton::clicked, m_handlers.runner(QStringLiteral("btnNoClick")));
}

void MessagePanels::loadIcons() {
  m_errorIcon->setPicture(exclamationIcon());
  m_yesNoIcon->setPicture(questionIcon());
}

void MessagePanels::open(QWidget* panel) {
  panel->move(PanelLeft, PanelTop);
  panel->show();
  panel->raise();
  LockControls(&m_form, panel, false);
}

void MessagePanels::showError(const QString& message) {
  m_errorText->setCaption(message);
  open(m_errorPanel);
}

void MessagePanels::showYesNo() { open(m_yesNoPanel); }

void MessagePanels::hideYesNo() {
  LockControls(&m_form, m_yesNoPanel, true);
  m_yesNoPanel->hide();
}

void MessagePanels::btnCHideClick() {
  LockControls(&m_form, m_errorPanel, true);
  m_errorPanel->hide();
  // The lock has just enabled every check box, the keyboard-answers one included.
  if (m_form.shownMenuPage() == u"Opcje") m_services.OpcjeClick();
}
