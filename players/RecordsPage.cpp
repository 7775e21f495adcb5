#include "players/RecordsPage.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPainter>
#include <QStackedWidget>
#include <algorithm>
#include <initializer_list>
#include <tuple>

#include "players/PlayerSession.h"
#include "players/Profile.h"
#include "players/Records.h"
#include "ui/ControlLock.h"
#include "ui/Handlers.h"
#include "ui/MessagePanels.h"
#include "ui/Pacing.h"
#include "ui/Pictures.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

const QColor kHolderOdd(255, 128, 0);
const QColor kHolderEven(255, 153, 51);
const QColor kPrizeOdd(51, 153, 255);
const QColor kPrizeEven(0, 99, 198);
const QColor kTitleShadow(0, 128, 192);

constexpr int kRowTop = 12;
constexpr int kRowStep = 18;
constexpr int kDetailTop = 50;
constexpr int kDetailStep = 28;

constexpr const char* kDetailTitles[] = {
    "Rekordzista:",        "Miejsce:", "Wygrana:", "Czas gry:", "Data zapisu:", "Status:",
    "Ostatnie pytanie za:"};

// The side panel's places on the menu page: a named player's shape also holds the two table
// buttons above the clear button.
constexpr int kShapeLeft = 567;
constexpr int kShapeWidth = 211;
constexpr int kNamedShapeTop = 273;
constexpr int kNamedShapeHeight = 127;
constexpr int kAnonymousShapeTop = 324;
constexpr int kAnonymousShapeHeight = 76;

// The orange rounded shape behind the side panel's buttons. Its white outline is drawn by
// XOR, so on the orange it shows in the inverse blue.
class RoundedShape : public QWidget {
 public:
  explicit RoundedShape(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("shpDelRec"));
    setAttribute(Qt::WA_TranslucentBackground);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    const qreal radius = std::min(width(), height()) / 8.0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::Orange);
    p.drawRoundedRect(box, radius, radius);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(Qt::white);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, radius, radius);
  }
};

TextLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
                     const QFont& font, const QColor& colour) {
  auto* label = new TextLabel(parent, name, caption);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setColour(colour);
  return label;
}

QWidget* makeLine(QWidget* parent, const QString& name, QRect geometry, const QColor& colour) {
  auto* line = new QWidget(parent);
  line->setObjectName(name);
  line->setGeometry(geometry);
  line->setAutoFillBackground(true);
  QPalette pal = line->palette();
  pal.setColor(QPalette::Window, colour);
  line->setPalette(pal);
  return line;
}

void fillBlack(QWidget* w) {
  w->setAutoFillBackground(true);
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, Qt::black);
  w->setPalette(pal);
}

// A name of up to eighteen letters after its place number: the font shrinks until the line
// fits its label rather than losing the end of the name.
void setFittedCaption(TextLabel* label, const QString& caption, int largestPixelSize) {
  QFont font = label->font();
  const QString shown = TextLabel::shownText(caption);
  for (int size = largestPixelSize; size > 9; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).horizontalAdvance(shown) <= label->width() - 2) break;
  }
  label->setFont(font);
  label->setCaption(caption);
}

void setBold(TextLabel* label, bool bold) {
  QFont font = label->font();
  font.setBold(bold);
  label->setFont(font);
}

}  // namespace

RecordsPage::RecordsPage(Needs needs) : m_(std::move(needs)) {
  fillBlack(m_.form.tsRec);
  buildTable();
  buildDetails();
  buildSidePanel();
  addHandlers();
}

void RecordsPage::buildTable() {
  QWidget* page = m_.form.tsRec;
  lblRPuch = new PictureBox(page, QStringLiteral("lblRPuch"));
  lblRPuch->setGeometry(QRect(QPoint(0, 0), m_.form.MenuPages->size()));

  // The letters stand one under another down the right edge.
  const QFont titleFont = theme::font("Comic Sans MS", 28, true);
  const QString title = QStringLiteral("R E K O R D Y");
  for (auto [name, offset, colour] :
       {std::tuple{"lblRTitleS", 2, kTitleShadow}, std::tuple{"lblRTitle", 0, theme::Orange}}) {
    TextLabel* label = makeLabel(page, QString::fromLatin1(name), title,
                                 QRect(296 + offset, 6 + offset, 42, 288), titleFont, colour);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }

  const QFont rowFont = theme::font("Arial", 16, true);
  for (int place = 1; place <= RecordPlaces; ++place) {
    const int top = kRowTop + kRowStep * (place - 1);
    const bool odd = place % 2 == 1;
    Row& r = row(place);
    r.holder = makeLabel(page, QStringLiteral("lblR%1").arg(place), {},
                         QRect(place <= 9 ? 12 : 3, top, 140, 19), rowFont,
                         odd ? kHolderOdd : kHolderEven);
    r.holder->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    r.prize = makeLabel(page, QStringLiteral("lblRk%1").arg(place), {}, QRect(153, top, 140, 19),
                        rowFont, odd ? kPrizeOdd : kPrizeEven);
    r.prize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (TextLabel* label : {r.holder, r.prize}) {
      label->setTag(place);
      QObject::connect(label, &TextLabel::clicked, [this, label] {
        if (m_filled.at(static_cast<size_t>(label->tag() - 1))) RekordyClick(label->tag());
      });
    }
  }
}

void RecordsPage::buildDetails() {
  pnRInfo = new QFrame(m_.form.tsRec);
  pnRInfo->setObjectName(QStringLiteral("pnRInfo"));
  pnRInfo->setGeometry(0, 0, 331, 289);
  pnRInfo->setFrameShape(QFrame::Box);
  fillBlack(pnRInfo);
  QPalette frame = pnRInfo->palette();
  frame.setColor(QPalette::WindowText, theme::PanelBlue);
  pnRInfo->setPalette(frame);

  const QFont titleFont = theme::font("Comic Sans MS", 26, true);
  const QString title = QString::fromUtf8("Szczegóły rekordu");
  makeLabel(pnRInfo, QStringLiteral("lblRITitleS"), title, QRect(2, 8, 331, 36), titleFont,
            kTitleShadow)
      ->setAlignment(Qt::AlignCenter);
  makeLabel(pnRInfo, QStringLiteral("lblRITitle"), title, QRect(0, 6, 331, 36), titleFont,
            theme::Orange)
      ->setAlignment(Qt::AlignCenter);

  const QFont lineFont = theme::font("Arial", 13, true);
  for (int line = 1; line <= 7; ++line) {
    const int top = kDetailTop + kDetailStep * (line - 1);
    const QString number = QStringLiteral("%1").arg(line, 2, 10, QChar(u'0'));
    TextLabel* caption = makeLabel(pnRInfo, QStringLiteral("lblR%1t").arg(number),
                                   QString::fromUtf8(kDetailTitles[line - 1]),
                                   QRect(12, top, 150, 22), lineFont, theme::Orange);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    TextLabel* value = makeLabel(pnRInfo, QStringLiteral("lblR") + number, {},
                                 QRect(162, top, 160, 22), lineFont, Qt::white);
    value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblR0[static_cast<size_t>(line - 1)] = value;
    if (line == 7) lblR07t = caption;
    if (line < 7) {
      QWidget* divider = makeLine(pnRInfo, QStringLiteral("bel%1").arg(number),
                                  QRect(12, top + 25, 307, 1), theme::PanelBlue);
      if (line == 6) bel06 = divider;
    }
  }

  btnRHide = new FlatButton(pnRInfo, QStringLiteral("btnRHide"), QString::fromUtf8("&Wróć"),
                            theme::Orange);
  btnRHide->setGeometry(125, 253, 81, 25);
  btnRHide->setFont(theme::font("Times New Roman", 15, true));
  QObject::connect(btnRHide, &FlatButton::clicked,
                   m_.handlers.runner(QStringLiteral("btnRHideClick")));
  pnRInfo->hide();
}

void RecordsPage::buildSidePanel() {
  QWidget* menu = m_.form.tsMenu;
  shpDelRec = new RoundedShape(menu);
  shpDelRec->setGeometry(kShapeLeft, kNamedShapeTop, kShapeWidth, kNamedShapeHeight);

  const QFont buttonFont = theme::font("Times New Roman", 20);
  const struct {
    TextLabel** label;
    const char* name;
    const char* caption;
    QRect geometry;
    const char* handler;
  } buttons[] = {
      {&btnRecAll, "btnRecAll", "Ogólna lista rekordów", {573, 276, 199, 23}, "btnRecAllClick"},
      {&btnRecMy, "btnRecMy", "Własne rekordy", {573, 300, 199, 23}, "btnRecMyClick"},
      {&btnDelRec, "btnDelRec", "Wyczyść listę rekordów", {573, 327, 199, 22}, "btnDelRecClick"},
  };
  for (const auto& b : buttons) {
    TextLabel* label = makeLabel(menu, QString::fromLatin1(b.name), QString::fromUtf8(b.caption),
                                 b.geometry, buttonFont, Qt::white);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &TextLabel::clicked,
                     m_.handlers.runner(QString::fromLatin1(b.handler)));
    *b.label = label;
  }
  belRec1 = makeLine(menu, QStringLiteral("belRec1"), QRect(573, 324, 199, 1), Qt::white);

  imgKosz = new PictureBox(menu, QStringLiteral("imgKosz"));
  imgKosz->setGeometry(573, 354, 199, 40);

  for (QWidget* w :
       std::initializer_list<QWidget*>{shpDelRec, btnRecAll, btnRecMy, belRec1, btnDelRec, imgKosz})
    w->hide();
}

void RecordsPage::addHandlers() {
  const std::pair<const char*, void (RecordsPage::*)()> named[] = {
      {"btnRecClick", &RecordsPage::btnRecClick},
      {"btnRHideClick", &RecordsPage::btnRHideClick},
      {"btnRecAllClick", &RecordsPage::btnRecAllClick},
      {"btnRecMyClick", &RecordsPage::btnRecMyClick},
      {"btnDelRecClick", &RecordsPage::btnDelRecClick},
      {"btnYesClick", &RecordsPage::btnYesClick},
      {"btnNoClick", &RecordsPage::btnNoClick},
  };
  for (auto [name, method] : named)
    m_.handlers.add(QString::fromLatin1(name), [this, method] { (this->*method)(); });
}

bool RecordsPage::showsOwnTable() const { return m_.session.RecordsOwner != AnonymousName; }

void RecordsPage::btnRecClick() {
  m_.form.showMenuPage(m_.form.tsRec);
  ShowRecordsSidePanel(true);
  const bool own = showsOwnTable();
  lblRPuch->setPicture(gamePicture(own ? "imgRPuchW" : "imgRPuchO"));
  setBold(btnRecMy, own);
  setBold(btnRecAll, !own);

  for (int place = 1; place <= RecordPlaces; ++place) {
    const RecordEntry entry = m_.records.ReadRecord(m_.session.RecordsOwner, place);
    const bool filled = entry.prizeLevel > 0;
    m_filled.at(static_cast<size_t>(place - 1)) = filled;
    const RecordRow texts = recordRow(place, entry, m_.money);
    Row& r = row(place);
    for (TextLabel* label : {r.holder, r.prize}) {
      label->setCursor(filled ? Qt::PointingHandCursor : Qt::ArrowCursor);
      label->setEnabled(true);
    }
    setFittedCaption(r.holder, TextLabel::literal(texts.holder), 16);
    r.prize->setCaption(texts.prize);
    // Each place is a cycle of the data file of its own: the rows appear one after another.
    m_.pacing.ProcessMessages();
  }
}

void RecordsPage::RekordyClick(int place) {
  const RecordEntry entry = m_.records.ReadRecord(m_.session.RecordsOwner, place);
  const RecordDetails details = recordDetails(place, entry, m_.money);
  for (size_t line = 0; line < lblR0.size(); ++line)
    setFittedCaption(lblR0[line], TextLabel::literal(details.values[line]), 13);
  lblR07t->setVisible(details.lastQuestionShown);
  lblR0[6]->setVisible(details.lastQuestionShown);
  bel06->setVisible(details.lastQuestionShown);
  pnRInfo->move(0, 0);
  pnRInfo->show();
  pnRInfo->raise();
  LockControls(&m_.form, pnRInfo, false);
}

void RecordsPage::btnRHideClick() {
  LockControls(&m_.form, pnRInfo, true);
  pnRInfo->hide();
}

void RecordsPage::btnRecAllClick() {
  m_.session.RecordsOwner = AnonymousName;
  btnRecClick();
}

void RecordsPage::btnRecMyClick() {
  m_.session.RecordsOwner = m_.session.CurrentPlayer.name;
  btnRecClick();
}

void RecordsPage::ShowRecordsSidePanel(bool show) {
  const bool named = m_.session.CurrentPlayer.name != AnonymousName;
  if (named)
    shpDelRec->setGeometry(kShapeLeft, kNamedShapeTop, kShapeWidth, kNamedShapeHeight);
  else
    shpDelRec->setGeometry(kShapeLeft, kAnonymousShapeTop, kShapeWidth, kAnonymousShapeHeight);
  for (QWidget* w : std::initializer_list<QWidget*>{belRec1, btnRecMy, btnRecAll})
    w->setVisible(named && show);
  for (QWidget* w : std::initializer_list<QWidget*>{btnDelRec, imgKosz, shpDelRec})
    w->setVisible(show);
  const bool full = m_.records.ReadRecord(m_.session.RecordsOwner, 1).prizeLevel > 0;
  imgKosz->setPicture(gamePicture(full ? "imgKoszPelny" : "imgKoszPusty"));
  if (!show && m_.infoMoviePlaying() && m_.form.shownMenuPage() != u"Info") m_.stopInfoMovie();
}

void RecordsPage::btnDelRecClick() {
  // The table on screen, as its first row shows it: an empty one has nothing to clear.
  if (row(1).prize->caption() == u" $") return;
  m_.panels.showYesNo();
}

void RecordsPage::btnNoClick() { m_.panels.hideYesNo(); }

void RecordsPage::btnYesClick() {
  btnNoClick();
  m_.records.ClearRecords(m_.session.RecordsOwner);
  btnRecClick();
}
