#include "lifelines/PhoneCall.h"

#include <QFrame>

#include "game/GamePage.h"
#include "lifelines/Friends.h"
#include "lifelines/Lifelines.h"
#include "media/Sound.h"
#include "options/OptionFlags.h"
#include "players/PlayerSession.h"
#include "questions/Question.h"
#include "stats/PlayerStats.h"
#include "ui/ControlLock.h"
#include "ui/InputGate.h"
#include "ui/Pacing.h"
#include "ui/Pictures.h"
#include "ui/Random.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

QFrame* blackPanel(QWidget* parent, const char* name, QRect geometry) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(geometry);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, Qt::black);
  panel->setPalette(pal);
  panel->hide();
  return panel;
}

TextLabel* clickable(QWidget* parent, const char* name, QRect geometry, int tag) {
  auto* label = new TextLabel(parent, QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setTag(tag);
  label->setCursor(Qt::PointingHandCursor);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

PhoneCall::PhoneCall(Lifelines& lifelines, Needs needs)
    : m_lifelines(lifelines), m_(std::move(needs)) {
  QWidget* page = m_.form.tsGra;
  pnTel = blackPanel(page, "pnTel", QRect(4, 16, 270, 102));
  auto* background = new PictureBox(pnTel, QStringLiteral("imgTelBG"));
  background->setGeometry(0, 0, 269, 101);
  background->setPictureSource([] { return gamePicture("imgTelBG"); });
  btnTFr01 = clickable(pnTel, "btnTFr01", QRect(11, 36, 225, 24), 1);
  btnTFr02 = clickable(pnTel, "btnTFr02", QRect(11, 64, 225, 24), 2);
  for (TextLabel* name : {btnTFr01, btnTFr02}) {
    name->setFont(theme::font("Times New Roman", 16, true));
    name->setColour(Qt::black);
  }
  btnTInfo01 = clickable(pnTel, "btnTInfo01", QRect(239, 35, 26, 25), 1);
  btnTInfo02 = clickable(pnTel, "btnTInfo02", QRect(239, 64, 26, 25), 2);

  pnTInfo = blackPanel(page, "pnTInfo", QRect(502, 10, 253, 149));
  auto* infoBackground = new PictureBox(pnTInfo, QStringLiteral("imgTInfoBG"));
  infoBackground->setGeometry(0, 0, 253, 149);
  infoBackground->setStretch(true);
  infoBackground->setPictureSource([] { return gamePicture("imgTInfoBG"); });
  lblTInfo = new TextLabel(pnTInfo, QStringLiteral("lblTInfo"));
  lblTInfo->setGeometry(9, 8, 235, 104);
  lblTInfo->setWordWrap(true);
  lblTInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont infoFont = theme::font("Arial", 12, true);
  infoFont.setUnderline(true);
  lblTInfo->setFont(infoFont);
  lblTInfo->setColour(Qt::black);
  btnTOk = clickable(pnTInfo, "btnTOk", QRect(85, 116, 84, 26), 0);

  for (TextLabel* b : {btnTFr01, btnTFr02})
    QObject::connect(b, &TextLabel::clicked, [this, b] { btnTFrClick(b->tag()); });
  for (TextLabel* b : {btnTInfo01, btnTInfo02})
    QObject::connect(b, &TextLabel::clicked, [this, b] { btnTInfoClick(b->tag()); });
  QObject::connect(btnTOk, &TextLabel::clicked, [this] { btnTOkClick(); });
}

void PhoneCall::setFriends(int first, int second) {
  m_friends[0] = first;
  m_friends[1] = second;
  btnTFr01->setCaption(first ? TextLabel::literal(FriendRoster(first).fullName()) : QString());
  btnTFr02->setCaption(second ? TextLabel::literal(FriendRoster(second).fullName()) : QString());
}

void PhoneCall::open() {
  pnTel->show();
  pnTel->raise();
  LockControls(&m_.form, pnTel, false);
}

void PhoneCall::hidePanel() {
  const bool open = !pnTel->isHidden() || !pnTInfo->isHidden();
  pnTel->hide();
  pnTInfo->hide();
  // Whatever closes the panels, the controls they locked are the player's again.
  if (open) m_lifelines.releaseLock();
}

void PhoneCall::placeInfoPanel() { pnTInfo->move(4, 4); }

void PhoneCall::btnTFrClick(int tag) {
  const int friendNumber = m_friends[tag == 2 ? 1 : 0];
  if (friendNumber == 0) return;
  pnTel->hide();
  CallFriend(friendNumber);
}

void PhoneCall::btnTInfoClick(int tag) {
  const int friendNumber = m_friends[tag == 2 ? 1 : 0];
  if (friendNumber == 0) return;
  lblTInfo->setCaption(TextLabel::literal(friendInfoText(friendNumber)));
  pnTInfo->show();
  pnTInfo->raise();
  LockControls(&m_.form, pnTInfo, false);
  btnTOk->setEnabled(true);
}

void PhoneCall::btnTOkClick() {
  pnTInfo->hide();
  m_lifelines.releaseLock();
  LockControls(&m_.form, pnTel, false);
}

bool PhoneCall::play(const QString& clip) {
  // Played by the sound thread while the screen keeps repainting; no input acts meanwhile.
  if (m_.flags.Dzw) m_.sound.PlayEffectOnce(clip, true);
  return sequence::goesOn();
}

void PhoneCall::CallFriend(int friendNumber, int variant) {
  const bool sound = m_.flags.Dzw;
  m_.gate.setFormEnabled(false);
  if (sound) {
    m_.sound.SetMusic(false);
    if (!play(QStringLiteral("TEL_START")) || !sequence::pause(m_.pacing, 400)) return;
  }
  m_.random.reseed();
  const int v = variant == 1 || variant == 2 ? variant : m_.random.between(0, 1) + 1;
  if (!sequence::repaint(m_.pacing)) return;
  GamePage& page = m_.page;
  page.ShowSpeech(true, true, {}, false, Qt::white);
  const PhoneScript& script = PhoneScripts(friendNumber, v);
  if (!play(QString::fromLatin1(script.voice))) return;
  page.ShowSpeech(true, false,
                  QStringLiteral("<%1> %2").arg(FriendRoster(friendNumber).fullName(),
                                                QString::fromUtf8(script.before)),
                  false, Qt::white);
  if (!sequence::repaint(m_.pacing)) return;
  const QString letter = LetterOf(m_.question.CurrentQuestion.FriendAnswer);
  if (!play(letterClip(friendNumber, letter))) return;
  page.ShowSpeech(true, false, letter, true, Qt::white);
  if (!sequence::repaint(m_.pacing)) return;
  if (!play(closingClip(friendNumber, v))) return;
  page.ShowSpeech(true, false, QString::fromUtf8(script.after), true, Qt::white);
  if (!sequence::repaint(m_.pacing) || !play(QStringLiteral("TEL_END"))) return;
  m_.gate.setFormEnabled(true);
  m_lifelines.releaseLock();
  if (sound) m_.sound.SetMusic(true);
  countCall(friendNumber);
}

void PhoneCall::countCall(int friendNumber) {
  const QString player = m_.session.CurrentPlayer.name;
  if (player == AnonymousName) return;
  PlayerStats stats = m_.stats.LoadStats(player);
  FriendCounters& counters = stats.Friends.at(static_cast<size_t>(friendNumber - 1));
  ++counters.Asked;
  const CurrentQuestionRecord& q = m_.question.CurrentQuestion;
  if (q.FriendAnswer == q.Correct)
    ++counters.Right;
  else
    ++counters.Wrong;
  m_.stats.SaveStats(player, stats);
}
