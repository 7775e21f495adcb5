#include "app/MessagePanels.h"

#include <QFrame>
#include <QStackedWidget>

#include "app/ControlLock.h"
#include "app/Handlers.h"
#include "app/ShellServices.h"
#include "app/SystemIcons.h"
#include "app/TMainFrm.h"
#include "app/widgets/FlatButton.h"
#include "app/widgets/PictureBox.h"
#include "app/widgets/TextLabel.h"

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
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  font.setBold(true);
  label->setFont(font);
  label->setColour(Qt::black);
  return label;
}

FlatButton* makeButton(QWidget* panel, const char* name, const char* caption, int left, int top) {
  auto* button =
      new FlatButton(panel, QString::fromLatin1(name), QString::fromUtf8(caption), ButtonFace);
  button->setGeometry(left, top, 81, 25);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(15);
  font.setBold(true);
  button->setFont(font);
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
  auto* icon = new PictureBox(panel, QStringLiteral("imgCError"));
  icon->setGeometry(18, 20, 32, 32);
  makeMessage(panel, "lblCError", QString());
  FlatButton* hide = makeButton(panel, "btnCHide", "&Schowaj", 122, 96);
  QObject::connect(hide, &FlatButton::clicked,
                   [this] { m_handlers.run(QStringLiteral("btnCHideClick")); });
}

void MessagePanels::buildYesNoPanel() {
  QFrame* panel = makePanel(m_form.tsMenu, "pnYesNo", QColor(157, 0, 0));
  auto* icon = new PictureBox(panel, QStringLiteral("imgYNIco"));
  icon->setGeometry(18, 20, 32, 32);
  TextLabel* text = makeMessage(panel, "lblYNText",
                                QString::fromUtf8("Czy na pewno chcesz wyczyścić listę rekordów?"));
  text->setColour(Qt::white);
  FlatButton* yes = makeButton(panel, "btnYes", "&Tak", 49, 93);
  FlatButton* no = makeButton(panel, "btnNo", "&Nie", 196, 93);
  QObject::connect(yes, &FlatButton::clicked,
                   [this] { m_handlers.run(QStringLiteral("btnYesClick")); });
  QObject::connect(no, &FlatButton::clicked,
                   [this] { m_handlers.run(QStringLiteral("btnNoClick")); });
}

void MessagePanels::loadIcons() {
  m_form.control<PictureBox>(QStringLiteral("imgCError"))->setPicture(exclamationIcon());
  m_form.control<PictureBox>(QStringLiteral("imgYNIco"))->setPicture(questionIcon());
}

void MessagePanels::open(const char* name) {
  QWidget* panel = m_form.control(QString::fromLatin1(name));
  panel->move(PanelLeft, PanelTop);
  panel->show();
  panel->raise();
  LockControls(&m_form, panel, false);
}

void MessagePanels::showError(const QString& message) {
  m_form.control<TextLabel>(QStringLiteral("lblCError"))->setCaption(message);
  open("pnCError");
}

void MessagePanels::showYesNo() { open("pnYesNo"); }

void MessagePanels::hideYesNo() {
  QWidget* panel = m_form.control(QStringLiteral("pnYesNo"));
  LockControls(&m_form, panel, true);
  panel->hide();
}

void MessagePanels::btnCHideClick() {
  QWidget* panel = m_form.control(QStringLiteral("pnCError"));
  LockControls(&m_form, panel, true);
  panel->hide();
  // The lock has just enabled every check box, the keyboard-answers one included.
  if (m_form.shownMenuPage() == u"Opcje") m_services.OpcjeClick();
}
