#include "players/ProfilesPage.h"

#include <QFrame>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>

#include "players/DateEdit.h"
#include "ui/DarkPanel.h"
#include "ui/Handlers.h"
#include "ui/RequireControl.h"
#include "ui/widgets/MenuEntry.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace profilespage {
namespace {

constexpr MenuEntryLayout kButtons[] = {
    {"imgPLog", "lblPLog", 105, 105, "Zaloguj się", "lblPLogClick"},
    {"imgPNew", "lblPNew", 159, 159, "Stwórz gracza", "btnPNewClick"},
    {"imgPEdit", "lblPEdit", 201, 201, "Edytuj gracza", "lblPEditClick"},
    {"imgPDel", "lblPDel", 243, 243, "Usuń gracza", "lblPDelClick"},
    {"imgPList", "lblPList", 309, 309, "Wybierz gracza", "btnPListClick"},
};

using theme::font;

TextLabel* label(QWidget* parent, const char* name, const char* caption, QRect geometry,
                 const QFont& f, const QColor& colour) {
  auto* l = new TextLabel(parent, QString::fromLatin1(name), QString::fromUtf8(caption));
  l->setGeometry(geometry);
  l->setFont(f);
  l->setColour(colour);
  return l;
}

void titles(QWidget* page, const char* name, const char* shadow, const char* caption) {
  const QFont f = font("Comic Sans MS", 24, true);
  label(page, shadow, caption, QRect(2, 4, 436, 36), f, QColor(0, 64, 160))
      ->setAlignment(Qt::AlignCenter);
  label(page, name, caption, QRect(0, 2, 436, 36), f, Orange)->setAlignment(Qt::AlignCenter);
}

QLineEdit* field(QWidget* page, const char* name, const char* caption, const char* labelName,
                 int left, int top, int maxLength, bool password = false) {
  label(page, labelName, caption, QRect(left, top - 19, 200, 18), font("Arial", 13, true), Orange);
  QLineEdit* edit = makeDarkField(page, name, QRect(left, top, 175, 24), maxLength);
  if (password) edit->setEchoMode(QLineEdit::Password);
  return edit;
}

void buildList(QWidget* list, Handlers&) {
  titles(list, "lblPLTitle", "lblPLTitleS", "LISTA WSZYSTKICH GRACZY");
  auto* box = new QScrollArea(list);
  box->setObjectName(QStringLiteral("sbLista"));
  box->setGeometry(7, 60, 421, 163);
  box->setFrameShape(QFrame::NoFrame);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->verticalScrollBar()->setSingleStep(30);
  QPalette dark = box->palette();
  dark.setColor(QPalette::Window, Qt::black);
  dark.setColor(QPalette::Base, Qt::black);
  dark.setColor(QPalette::Button, QColor(20, 44, 100));
  dark.setColor(QPalette::ButtonText, theme::Ivory);
  dark.setColor(QPalette::WindowText, theme::Ivory);
  dark.setColor(QPalette::Dark, QColor(10, 20, 50));
  box->setPalette(dark);
  box->verticalScrollBar()->setPalette(dark);
  auto* rows = new QWidget;
  rows->setObjectName(QStringLiteral("sbListaRows"));
  rows->setAutoFillBackground(true);
  rows->setPalette(dark);
  box->setWidget(rows);
  box->setWidgetResizable(false);
  auto* hint = label(list, "lblPInfo", "", QRect(7, 226, 421, 18), font("Arial", 12), Red);
  hint->setAlignment(Qt::AlignCenter);
}

}  // namespace

void buildForm(QWidget* form, Handlers& handlers) {
  titles(form, "lblPNTitle", "lblPNTitleS", "TWORZENIE NOWEGO GRACZA");
  field(form, "edtPImi", "Imię gracza:", "lblPImi", 15, 66, 18);
  field(form, "edtPMie", "Miejscowość:", "lblPMie", 15, 117, 23);
  label(form, "lblPUroT", "Data urodzenia:", QRect(15, 146, 200, 18), font("Arial", 13, true),
        Orange);
  auto* date = new DateEdit(form, QStringLiteral("edtPUro"));
  date->setGeometry(15, 165, 175, 24);
  darkField(date);
  field(form, "edtPPas", "Hasło:", "lblPPas", 216, 66, 30, true);
  field(form, "edtPPas2", "Powtórz hasło:", "lblPPas2", 216, 117, 30, true);
  field(form, "edtPPue", "Płeć:", "lblPPue", 216, 165, 1);
  // The tab order of the form: name, place, date, password twice, sex.
  QWidget* order[] = {requireControl<QWidget>(form, QStringLiteral("edtPImi")),
                      requireControl<QWidget>(form, QStringLiteral("edtPMie")),
                      date,
                      requireControl<QWidget>(form, QStringLiteral("edtPPas")),
                      requireControl<QWidget>(form, QStringLiteral("edtPPas2")),
                      requireControl<QWidget>(form, QStringLiteral("edtPPue"))};
  for (int i = 0; i + 1 < 6; ++i) QWidget::setTabOrder(order[i], order[i + 1]);

  auto* button = new PictureBox(form, QStringLiteral("imgPCreate"));
  button->setGeometry(146, 205, 143, 33);
  button->setCursor(Qt::PointingHandCursor);
  auto* caption = label(form, "lblPCreate", "STWÓRZ", QRect(158, 207, 125, 29),
                        font("Times New Roman", 16, true), Qt::white);
  caption->setAlignment(Qt::AlignCenter);
  caption->setCursor(Qt::PointingHandCursor);
  const auto create = handlers.runner(QStringLiteral("lblPCreateClick"));
  QObject::connect(button, &PictureBox::clicked, create);
  QObject::connect(caption, &TextLabel::clicked, create);
}

void buildPasswordPanel(QWidget* page, Handlers& handlers) {
  QFrame* panel = makeDarkPanel(page, "pnPassword", QRect(222, 168, 292, 97));
  label(panel, "lblPPHas", "Podaj hasło wybranego gracza:", QRect(12, 8, 268, 18),
        theme::panelFont(), Orange);
  QLineEdit* edit = makeDarkField(panel, "edtPPHas", QRect(12, 30, 268, 24), 30);
  edit->setEchoMode(QLineEdit::Password);
  for (auto [name, caption, left, handler] :
       {std::tuple{"btnPPOk", "OK", 40, "btnPPOkClick"},
        std::tuple{"btnPPCan", "Anuluj", 172, "btnPPCanClick"}}) {
    TextLabel* button = makePanelButton(panel, name, caption, QRect(left, 63, 80, 24));
    QObject::connect(button, &TextLabel::clicked, handlers.runner(QString::fromLatin1(handler)));
  }
  panel->hide();
}

void build(QWidget* page, Handlers& handlers) {
  for (const auto& entry : kButtons) makeMenuEntry(page, handlers, entry);
  auto* log = requireControl<TextLabel>(page, QStringLiteral("lblPLog"));
  log->setColour(Red);
  QFont bold = log->font();
  bold.setBold(true);
  log->setFont(bold);
  log->hide();
  requireControl<PictureBox>(page, QStringLiteral("imgPLog"))->hide();

  label(page, "lblPLike", "", QRect(177, 354, 420, 20), font("Arial", 14, true), Orange);

  auto* pages = new QStackedWidget(page);
  pages->setObjectName(QStringLiteral("ProPages"));
  pages->setGeometry(165, 99, 436, 247);
  for (const char* name : {"tsPList", "tsPNew"}) {
    auto* inner = new QWidget(pages);
    inner->setObjectName(QString::fromLatin1(name));
    pages->addWidget(inner);
  }
  buildList(pages->widget(0), handlers);

  // The black block over the scroll bar's track between its buttons (561, 189 on the page)
  // belongs to the list: over the form it would stand beside the fields.
  QWidget* list = pages->widget(0);
  auto* curtain = new TextLabel(list, QStringLiteral("stZaslona"), QStringLiteral("   "));
  curtain->setGeometry(QRect(561, 189, 34, 103).translated(-pages->pos()));
  curtain->setAutoFillBackground(true);
  QPalette cp = curtain->palette();
  cp.setColor(QPalette::Window, Qt::black);
  curtain->setPalette(cp);
}

}  // namespace profilespage
