#include "lifelines/Lifelines.h"

#include <QFrame>
#include <QPainter>

#include "game/Game.h"
#include "game/GamePage.h"
#include "game/GameProgress.h"
#include "lifelines/AudienceChart.h"
#include "lifelines/FriendsPage.h"
#include "lifelines/LifelineKeys.h"
#include "lifelines/PhoneCall.h"
#include "media/Sound.h"
#include "options/OptionFlags.h"
#include "platform/SystemPlatform.h"
#include "questions/Question.h"
#include "ui/AppContext.h"
#include "ui/ControlLock.h"
#include "ui/Handlers.h"
#include "ui/InputGate.h"
#include "ui/Pacing.h"
#include "ui/Pictures.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

bool Lifelines::Button::available() const { return used->isHidden() || button->isEnabled(); }

Lifelines::Button Lifelines::makeButton(const char* name, const char* usedName, int left, int width,
                                        const char* hint) {
  Button b;
  b.button = new PictureBox(m_.form.tsGra, QString::fromLatin1(name));
  b.button->setGeometry(left, 26, width, 28);
  b.button->setCursor(Qt::PointingHandCursor);
  b.button->setPictureSource([name] { return gamePicture(name); });
  b.used = new PictureBox(m_.form.tsGra, QString::fromLatin1(usedName));
  b.used->setGeometry(b.button->geometry());
  b.used->setTransparent(true);
  b.used->setStretch(true);
  b.used->setEnabled(false);
  b.button->setToolTip(QString::fromUtf8(hint));
  b.used->setToolTip(QString::fromUtf8(hint));
  b.used->hide();
  return b;
}

Lifelines::Lifelines(Needs needs) : m_(std::move(needs)) {
  m_komp = makeButton("imgKomp", "imgKompU", 619, 50, "Koło ratunkowe - pół na pół (F1).");
  m_tel = makeButton("imgTel", "imgTelU", 677, 51, "Koło ratunkowe - telefon do przyjaciela (F2).");
  m_pub = makeButton("imgPub", "imgPubU", 735, 51, "Koło ratunkowe - pomoc publiczności (F3).");
  m_phone = std::make_unique<PhoneCall>(
      *this, PhoneCall::Needs{m_.form, m_.pacing, m_.gate, m_.sound, m_.game.page(), m_.question,
                              m_.flags, m_.session, m_.stats, m_.random});
  m_audience = std::make_unique<AudienceChart>(AudienceChart::Needs{
      m_.form, m_.pacing, m_.gate, m_.sound, m_.question, m_.progress, m_.flags});
  m_friends = std::make_unique<FriendsPage>(FriendsPage::Needs{
      m_.form, m_.handlers, m_.game, m_.panels, m_.menu, m_.session, m_.stats, *m_phone});

  QObject::connect(m_komp.button, &PictureBox::clicked, [this] { imgKompClick(); });
  QObject::connect(m_tel.button, &PictureBox::clicked, [this] { imgTelClick(); });
  QObject::connect(m_pub.button, &PictureBox::clicked, [this] { imgPubClick(); });
  m_.handlers.add(QStringLiteral("ShowLifelineLeds"), [this] { ShowLifelineLeds(); });
}

Lifelines::~Lifelines() = default;

void Lifelines::MarkLifelineUsed(PictureBox* overlay) {
  QImage& canvas = overlay->canvas();
  canvas.fill(Qt::white);
  const int w = canvas.width();
  const int h = canvas.height();
  QPainter p(&canvas);
  p.setPen(QPen(theme::Red, 4));
  p.drawLine(7, 3, w - 7, h - 3);
  p.drawLine(w - 7, 3, 7, h - 3);
  p.end();
  overlay->show();
  overlay->raise();
  m_.pacing.ProcessMessages();
}

void Lifelines::useUp(Button& lifeline) {
  if (m_.context.TestMode) return;
  MarkLifelineUsed(lifeline.used);
  lifeline.button->setEnabled(false);
}

void Lifelines::ShowLifelineLeds() {
  if (!m_.progress.InGame) return;  // outside a game the lights are the player's
  auto lit = [](const Button& b) { return static_cast<std::uint8_t>(b.available() ? 1 : 0); };
  m_.desktop.SetLockKeys(lit(m_komp), lit(m_tel), lit(m_pub));
}

void Lifelines::releaseLock() {
  LockControls(&m_.form, nullptr, true);
  // The release enables every lifeline button; a used one stays disabled.
  for (Button* b : {&m_komp, &m_tel, &m_pub}) b->button->setEnabled(b->used->isHidden());
}

void Lifelines::hidePanels() {
  m_audience->hide();
  m_phone->hidePanel();
}

bool Lifelines::keyReleased(int key) {
  LifelineKeyState state;
  state.offered = {m_komp.button->isEnabled(), m_tel.button->isEnabled(),
                   m_pub.button->isEnabled()};
  state.phoneOpen = !m_phone->pnTel->isHidden();
  state.friendInfoOpen = !m_phone->pnTInfo->isHidden();
  // Under the phone panel the chart's button is locked, and so are the keys that close it.
  state.audienceOpen = !m_audience->pnPubl->isHidden() && m_audience->btnClosePub->isEnabled();
  const LifelineKeyAction action = lifelineKeyAction(key, state);
  switch (action.kind) {
    case LifelineKeyAction::Pass:
      return false;
    case LifelineKeyAction::Keep:
      break;
    case LifelineKeyAction::FiftyFifty:
      imgKompClick();
      break;
    case LifelineKeyAction::Phone:
      imgTelClick();
      break;
    case LifelineKeyAction::Audience:
      imgPubClick();
      break;
    case LifelineKeyAction::CallFriend:
      m_phone->btnTFrClick(action.position);
      break;
    case LifelineKeyAction::CloseFriendInfo:
      m_phone->btnTOkClick();
      break;
    case LifelineKeyAction::CloseAudience:
      m_audience->hide();
      break;
  }
  return true;
}

void Lifelines::imgTelClick() {
  useUp(m_tel);
  ShowLifelineLeds();
  m_phone->open();
}

void Lifelines::imgPubClick() {
  useUp(m_pub);
  ShowLifelineLeds();
  m_audience->imgPubClick();
}

void Lifelines::resetForGame(bool lifelinesOn) {
  hidePanels();
  for (Button* b : {&m_komp, &m_tel, &m_pub}) {
    if (lifelinesOn) {
      b->used->hide();
      b->button->setEnabled(true);
    } else {
      MarkLifelineUsed(b->used);
      b->button->setEnabled(false);
    }
  }
  m_phone->placeInfoPanel();
}

void Lifelines::imgKompClick() {
  const CurrentQuestionRecord& q = m_.question.CurrentQuestion;
  const bool sound = m_.flags.Dzw;
  useUp(m_komp);
  ShowLifelineLeds();
  m_.gate.setFormEnabled(false);
  if (sound) {
    m_.sound.SetMusic(false);
    m_.sound.StartSound(QStringLiteral("K_KOM"));
    if (!sequence::pause(m_.pacing, 500)) return;
  }
  m_.game.page().ShowAnswer(q.FiftyOut1, false);
  m_.game.page().ShowAnswer(q.FiftyOut2, false);
  if (!sequence::repaint(m_.pacing)) return;
  if (sound) {
    m_.sound.StopRepeating();
    m_.sound.WaitSoundEnded();
    if (!sequence::goesOn()) return;
  }
  m_.progress.FiftyFiftyUsed = true;
  m_.gate.setFormEnabled(true);
  if (sound) m_.sound.SetMusic(true);
}
