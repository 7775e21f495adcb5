#include "lifelines/FriendsPage.h"

#include <QFrame>
#include <QPainter>
#include <QStackedWidget>

#include "game/Game.h"
#include "lifelines/PhoneCall.h"
#include "players/PlayerSession.h"
#include "stats/PlayerStats.h"
#include "ui/ControlLock.h"
#include "ui/Handlers.h"
#include "ui/MenuScreens.h"
#include "ui/MessagePanels.h"
#include "ui/Pictures.h"
#include "ui/SymbolFonts.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/SymbolLabel.h"
#include "ui/widgets/TextLabel.h"

namespace {

const QColor kChosen(225, 113, 0);
const QColor kNotChosen(255, 200, 145);
constexpr int kRowTops[FriendCount] = {53, 102, 151, 201};
constexpr int kStatsTops[FriendCount] = {88, 137, 186, 235};

TextLabel* label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                 const QFont& font, const QColor& colour) {
  auto* l = new TextLabel(parent, QString::fromLatin1(name), caption);
  l->setGeometry(geometry);
  l->setFont(font);
  l->setColour(colour);
  return l;
}

void fill(QWidget* w, const QColor& colour) {
  w->setAutoFillBackground(true);
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, colour);
  w->setPalette(pal);
}

}  // namespace

FriendsPage::FriendsPage(Needs needs) : m_(std::move(needs)) {
  QWidget* page = m_.form.tsChoose;
  const QFont title = theme::font("Comic Sans MS", 28, true);
  const QString caption = QString::fromUtf8("WYBIERZ PRZYJACIÓŁ");
  label(page, "lblOTiltleS", caption, QRect(2, 2, 333, 65), title, QColor(0, 128, 192))
      ->setAlignment(Qt::AlignCenter);
  label(page, "lblCTitle", caption, QRect(0, 0, 333, 65), title, theme::Orange)
      ->setAlignment(Qt::AlignCenter);
  buildRoster();
  buildStart();
  buildInfoPanel();

  m_.handlers.add(QStringLiteral("OpenFriendsChoice"), [this] { OpenFriendsChoice(); });
  m_.handlers.add(QStringLiteral("btnCOkClick"), [this] { btnCOkClick(); });
  m_.handlers.add(QStringLiteral("btnCStartClick"), [this] { btnCStartClick(); });
}

void FriendsPage::buildRoster() {
  QWidget* page = m_.form.tsChoose;
  const SymbolGlyph tick = symbolGlyph(QStringLiteral("Wingdings"), QChar(0xFC), 24);
  for (int n = 1; n <= FriendCount; ++n) {
    Entry& e = entry(n);
    const int top = kRowTops[n - 1];
    const QByteArray digits = QByteArray::number(n).rightJustified(2, '0');
    e.name = label(page, "lblCFr" + digits, TextLabel::literal(FriendRoster(n).fullName()),
                   QRect(32, top, 269, 35), theme::font("Times New Roman", 18, true), Qt::black);
    e.name->setAlignment(Qt::AlignCenter);
    e.name->setFrameShape(QFrame::Box);
    e.name->setCursor(Qt::PointingHandCursor);
    e.name->setTag(n);
    fill(e.name, kNotChosen);
    // By name, so that the keys reach the roster too.
    const QString toggle = e.name->objectName() + QStringLiteral("Click");
    m_.handlers.add(toggle, [this, n] { ToggleFriend(n); });
    QObject::connect(e.name, &TextLabel::clicked, m_.handlers.runner(toggle));

    e.info = new FlatButton(page, QStringLiteral("btnCInf") + QString::fromLatin1(digits),
                            QStringLiteral("i"), theme::PanelBlue);
    e.info->setGeometry(306, top, 23, 33);
    QFont infoFont = theme::font("Times New Roman", 20, true);
    infoFont.setItalic(true);
    e.info->setFont(infoFont);
    e.info->setCaptionColour(Qt::white);
    e.info->setCursor(Qt::PointingHandCursor);
    const QString info = e.info->objectName() + QStringLiteral("Click");
    m_.handlers.add(info, [this, n] { FriendsInfoClick(n); });
    QObject::connect(e.info, &FlatButton::clicked, m_.handlers.runner(info));

    e.tick = new SymbolLabel(page, QStringLiteral("lblCb") + QString::fromLatin1(digits), tick,
                             kNotChosen);
    e.tick->setGeometry(4, top + 4, 27, 29);
    e.tick->hide();

    e.stats = label(page, "lblCSt" + QByteArray::number(n), {},
                    QRect(33, kStatsTops[n - 1], 187, 14), theme::font("Arial", 11), theme::Ivory);
    e.stats->hide();

    const QByteArray faceName = "imgFace" + QByteArray::number(n);
    e.face = new PictureBox(page, QString::fromLatin1(faceName));
    e.face->setPictureSource([faceName] { return gamePicture(faceName.constData()); });
    e.face->hide();
  }
}

void FriendsPage::buildStart() {
  QWidget* page = m_.form.tsChoose;
  imgCStart = new PictureBox(page, QStringLiteral("imgCStart"));
  imgCStart->setGeometry(105, 255, 143, 33);
  imgCStart->setCursor(Qt::PointingHandCursor);
  auto* caption = label(page, "lblCStart", QStringLiteral("&START"), QRect(115, 255, 125, 29),
                        theme::font("Times New Roman", 16, true), Qt::white);
  caption->setAlignment(Qt::AlignCenter);
  caption->setCursor(Qt::PointingHandCursor);
  const auto start = m_.handlers.runner(QStringLiteral("btnCStartClick"));
  QObject::connect(imgCStart, &PictureBox::clicked, start);
  QObject::connect(caption, &TextLabel::clicked, start);
}

void FriendsPage::buildInfoPanel() {
  // The panel is narrower than the page: the page goes dark around it, so no piece of the
  // title or the roster shows at its sides.
  m_infoBackdrop = new QWidget(m_.form.tsChoose);
  m_infoBackdrop->setObjectName(QStringLiteral("pnCInfoBack"));
  m_infoBackdrop->setGeometry(QRect(QPoint(0, 0), m_.form.MenuPages->size()));
  fill(m_infoBackdrop, Qt::black);
  m_infoBackdrop->hide();
  pnCInfo = new QFrame(m_.form.tsChoose);
  pnCInfo->setObjectName(QStringLiteral("pnCInfo"));
  pnCInfo->setGeometry(40, 0, 253, 277);
  fill(pnCInfo, Qt::black);
  auto* frame = new QFrame(pnCInfo);
  frame->setGeometry(12, 15, 85, 82);
  frame->setFrameShape(QFrame::Panel);
  frame->setFrameShadow(QFrame::Raised);
  frame->setLineWidth(2);
  imgCFace = new PictureBox(pnCInfo, QStringLiteral("imgCFace"));
  imgCFace->setGeometry(15, 15, 79, 82);
  imgCFace->setProportional(true);
  const QFont counters = theme::font("Arial", 14, true);
  lblWsz = label(pnCInfo, "lblWsz", QString::fromUtf8("Podpowiadał:"), QRect(105, 15, 145, 22),
                 counters, Qt::white);
  lblDob = label(pnCInfo, "lblDob", QStringLiteral("Dobrze:"), QRect(105, 49, 145, 22), counters,
                 Qt::white);
  lblZue = label(pnCInfo, "lblZue", QString::fromUtf8("Źle:"), QRect(105, 84, 145, 22), counters,
                 Qt::white);
  QFont infoFont = theme::font("Arial", 13, true);
  infoFont.setUnderline(true);
  lblCInfo = label(pnCInfo, "lblCInfo", {}, QRect(12, 104, 233, 133), infoFont, theme::Orange);
  lblCInfo->setWordWrap(true);
  lblCInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* ok =
      new FlatButton(pnCInfo, QStringLiteral("btnCOk"), QStringLiteral("&Schowaj"), theme::Orange);
  ok->setGeometry(86, 244, 81, 25);
  ok->setFont(theme::font("Times New Roman", 15, true));
  ok->setCursor(Qt::PointingHandCursor);
  QObject::connect(ok, &FlatButton::clicked, m_.handlers.runner(QStringLiteral("btnCOkClick")));
  pnCInfo->hide();
}

bool FriendsPage::anonymous() const { return m_.session.CurrentPlayer.name == AnonymousName; }

void FriendsPage::OpenFriendsChoice() {
  m_chosen.clear();
  paintEntries();
  for (Entry& e : m_entries) {
    e.tick->hide();
    e.stats->hide();
  }
  const PlayerStats stats = m_.stats.LoadStats(m_.session.CurrentPlayer.name);
  for (int n = 1; n <= FriendCount; ++n) {
    const FriendCounters& c = stats.Friends.at(static_cast<size_t>(n - 1));
    entry(n).stats->setCaption(friendStatsLine(c.Asked, c.Right, c.Wrong));
  }
  // The START face is the menu's button picture, like the profile form's button.
  QImage face(imgCStart->size(), QImage::Format_RGB32);
  face.fill(Qt::black);
  QPainter(&face).drawImage(-19, 0, m_.menu.buttonFace());
  imgCStart->setPicture(face);
  m_.form.showMenuPage(m_.form.tsChoose);
}

void FriendsPage::paintEntries() {
  for (int n = 1; n <= FriendCount; ++n)
    fill(entry(n).name, m_chosen.contains(n) ? kChosen : kNotChosen);
}

void FriendsPage::ToggleFriend(int number) {
  m_chosen.toggle(number);
  paintEntries();
  ShowFriendMarks();
}

void FriendsPage::ShowFriendMarks() {
  for (int n = 1; n <= FriendCount; ++n) {
    entry(n).tick->setVisible(m_chosen.contains(n));
    entry(n).stats->setVisible(m_chosen.contains(n) && !anonymous());
  }
}

void FriendsPage::FriendsInfoClick(int number) {
  if (!anonymous()) {
    const FriendCounters c = m_.stats.LoadStats(m_.session.CurrentPlayer.name)
                                 .Friends.at(static_cast<size_t>(number - 1));
    lblWsz->setCaption(QString::fromUtf8("Podpowiadał: ") + timesText(c.Asked));
    lblDob->setCaption(QStringLiteral("Dobrze: ") + timesText(c.Right));
    lblZue->setCaption(QString::fromUtf8("Źle: ") + timesText(c.Wrong));
  } else {
    lblWsz->setCaption(QString::fromUtf8("Podpowiadał: ???"));
    lblDob->setCaption(QStringLiteral("Dobrze: ???"));
    lblZue->setCaption(QString::fromUtf8("Źle: ???"));
  }
  imgCFace->setPicture(entry(number).face->picture());
  lblCInfo->setCaption(TextLabel::literal(friendInfoText(number)));
  pnCInfo->move(40, 0);
  m_infoBackdrop->show();
  m_infoBackdrop->raise();
  pnCInfo->show();
  pnCInfo->raise();
  LockControls(&m_.form, pnCInfo, false);
}

void FriendsPage::btnCOkClick() {
  if (pnCInfo->isHidden()) return;
  pnCInfo->hide();
  m_infoBackdrop->hide();
  LockControls(&m_.form, pnCInfo, true);
}

void FriendsPage::btnCStartClick() {
  if (m_chosen.count() != 2) {
    m_.panels.showError(QString::fromUtf8(
        "UWAGA! Musisz wybrać dwóch przyjaciół. Aby wybrać przyjaciela kliknij na jego imię i "
        "nazwisko. Aby zobaczyć informacje o przyjacielu kliknij na \"i\"."));
    return;
  }
  m_.game.GameShow();
  m_.phone.setFriends(m_chosen.at(1), m_chosen.at(2));
  m_.game.startFirstQuestion();
}
