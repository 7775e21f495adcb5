#include "players/ProfilesPage.h"

#include <QFrame>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>

#include "app/Handlers.h"
#include "app/widgets/MenuEntry.h"
#include "app/widgets/PictureBox.h"
#include "app/widgets/TextLabel.h"
#include "players/DateEdit.h"

namespace profilespage {
namespace {

constexpr MenuEntryLayout kButtons[] = {
    {"imgPLog", "lblPLog", 105, 105, "Zaloguj się", "lblPLogClick"},
    {"imgPNew", "lblPNew", 159, 159, "Stwórz gracza", "btnPNewClick"},
    {"imgPEdit", "lblPEdit", 201, 201, "Edytuj gracza", "lblPEditClick"},
    {"imgPDel", "lblPDel", 243, 243, "Usuń gracza", "lblPDelClick"},
    {"imgPList", "lblPList", 309, 309, "Wybierz gracza", "btnPListClick"},
};

QFont font(const char* family, int pixelSize, bool bold = false) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

TextLabel* label(QWidget* parent, const char* name, const char* caption, QRect geometry,
                 const QFont& f, const QColor& colour) {
  auto* l = new TextLabel(parent, QString::fromLatin1(name), QString::fromUtf8(caption));
  l->setGeometry(geometry);
  l->setFont(f);
  l->setColour(colour);
  return l;
}

// Fields are white text on black with a blue frame.
void darkField(QLineEdit* edit) {
  QPalette pal = edit->palette();
  pal.setColor(QPalette::Base, Qt::black);
  pal.setColor(QPalette::Text, Qt::white);
  pal.setColor(QPalette::Highlight, QColor(255, 128, 0));
  pal.setColor(QPalette::HighlightedText, Qt::black);
  pal.setColor(QPalette::Window, QColor(30, 111, 217));
  edit->setPalette(pal);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(14);
  edit->setFont(f);
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
  auto* edit = new QLineEdit(page);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(left, top, 175, 24);
  darkField(edit);
  edit->setMaxLength(maxLength);
  if (password) edit->setEchoMode(QLineEdit::Password);
  return edit;
}

void buildList(QWidget* list, const Handlers&) {
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
  dark.setColor(QPalette::ButtonText, QColor(255, 255, 235));
  dark.setColor(QPalette::WindowText, QColor(255, 255, 235));
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

void buildForm(QWidget* form, const Handlers& handlers) {
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
  QWidget* order[] = {form->findChild<QWidget*>(QStringLiteral("edtPImi")),
                      form->findChild<QWidget*>(QStringLiteral("edtPMie")),
                      date,
                      form->findChild<QWidget*>(QStringLiteral("edtPPas")),
                      form->findChild<QWidget*>(QStringLiteral("edtPPas2")),
                      form->findChild<QWidget*>(QStringLiteral("edtPPue"))};
  for (int i = 0; i + 1 < 6; ++i) QWidget::setTabOrder(order[i], order[i + 1]);

  auto* button = new PictureBox(form, QStringLiteral("imgPCreate"));
  button->setGeometry(146, 205, 143, 33);
  button->setCursor(Qt::PointingHandCursor);
  auto* caption = label(form, "lblPCreate", "STWÓRZ", QRect(158, 207, 125, 29),
                        font("Times New Roman", 16, true), Qt::white);
  caption->setAlignment(Qt::AlignCenter);
  caption->setCursor(Qt::PointingHandCursor);
  const Handlers* h = &handlers;
  QObject::connect(button, &PictureBox::clicked,
                   [h] { h->run(QStringLiteral("lblPCreateClick")); });
  QObject::connect(caption, &TextLabel::clicked,
                   [h] { h->run(QStringLiteral("lblPCreateClick")); });
}

void buildPasswordPanel(QWidget* page, const Handlers& handlers) {
  auto* panel = new QFrame(page);
  panel->setObjectName(QStringLiteral("pnPassword"));
  panel->setGeometry(222, 168, 292, 97);
  panel->setFrameShape(QFrame::Box);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, QColor(8, 16, 40));
  pal.setColor(QPalette::WindowText, QColor(30, 111, 217));
  panel->setPalette(pal);
  label(panel, "lblPPHas", "Podaj hasło wybranego gracza:", QRect(12, 8, 268, 18),
        font("Arial", 13, true), Orange);
  auto* edit = new QLineEdit(panel);
  edit->setObjectName(QStringLiteral("edtPPHas"));
  edit->setGeometry(12, 30, 268, 24);
  darkField(edit);
  edit->setMaxLength(30);
  edit->setEchoMode(QLineEdit::Password);
  const Handlers* h = &handlers;
  for (auto [name, caption, left, handler] :
       {std::tuple{"btnPPOk", "OK", 40, "btnPPOkClick"},
        std::tuple{"btnPPCan", "Anuluj", 172, "btnPPCanClick"}}) {
    auto* button = label(panel, name, caption, QRect(left, 63, 80, 24),
                         font("Times New Roman", 15, true), Qt::black);
    button->setAlignment(Qt::AlignCenter);
    button->setAutoFillBackground(true);
    QPalette bp = button->palette();
    bp.setColor(QPalette::Window, Orange);
    button->setPalette(bp);
    button->setCursor(Qt::PointingHandCursor);
    const QString run = QString::fromLatin1(handler);
    QObject::connect(button, &TextLabel::clicked, [h, run] { h->run(run); });
  }
  panel->hide();
}

void build(QWidget* page, const Handlers& handlers) {
  for (const auto& entry : kButtons) makeMenuEntry(page, handlers, entry);
  auto* log = page->findChild<TextLabel*>(QStringLiteral("lblPLog"));
  log->setColour(Red);
  QFont bold = log->font();
  bold.setBold(true);
  log->setFont(bold);
  log->hide();
  page->findChild<PictureBox*>(QStringLiteral("imgPLog"))->hide();

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

  auto* curtain = new TextLabel(page, QStringLiteral("stZaslona"), QStringLiteral("   "));
  curtain->setGeometry(561, 189, 34, 103);
  curtain->setAutoFillBackground(true);
  QPalette cp = curtain->palette();
  cp.setColor(QPalette::Window, Qt::black);
  curtain->setPalette(cp);
}

}  // namespace profilespage
