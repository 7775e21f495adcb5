#include "game/GameEnd.h"

#include <QLineEdit>
#include <QRegularExpression>

#include "game/GameProgress.h"
#include "game/Ladder.h"
#include "game/ResultPage.h"
#include "media/Movies.h"
#include "media/Sound.h"
#include "options/OptionFlags.h"
#include "platform/SystemPlatform.h"
#include "players/GameDuration.h"
#include "players/PlayerSession.h"
#include "players/Profile.h"
#include "players/Records.h"
#include "stats/PlayerStats.h"
#include "ui/ControlLock.h"
#include "ui/Handlers.h"
#include "ui/TMainFrm.h"
#include "ui/widgets/TextLabel.h"

GameEnd::GameEnd(Needs needs)
    : m_(std::move(needs)), m_page(std::make_unique<ResultPage>(m_.form.tsLose)) {
  QObject::connect(m_page->edtLName, &QLineEdit::textChanged, [this] { edtLNameChange(); });
  QObject::connect(m_page->btnLOk, &TextLabel::clicked,
                   m_.handlers.runner(QStringLiteral("btnLOkClick")));
  m_.handlers.add(QStringLiteral("btnLOkClick"), [this] { btnLOkClick(); });
}

GameEnd::~GameEnd() = default;

QString GameEnd::longTimeText(const QTime& time) { return ::longTimeText(time); }

void GameEnd::showRecordHolder(bool zeroForEmpty) {
  const RecordEntry best = m_.records.ReadRecord(AnonymousName, 1);
  ResultPage::fitText(m_page->lblLRec, TextLabel::literal(best.holder), 27);
  QString prize = AmountText(best.prizeLevel) + QStringLiteral(" $");
  if (zeroForEmpty && prize == u" $") prize = QStringLiteral("0 $");
  m_page->lblLPoz->setCaption(prize);
}

QString GameEnd::recordsName(const PendingResult& result) {
  const Profile& player = m_.session.CurrentPlayer;
  if (player.name != AnonymousName) return player.name;
  if (m_.records.ReadRecord(AnonymousName, RecordPlaces).prizeLevel >= result.wonLevel)
    return AnonymousName;
  if (m_page->pnLName->isVisibleTo(m_.form.tsLose)) {
    // The second run, after OK: the typed name.
    m_page->pnLName->hide();
    LockControls(&m_.form, m_page->pnLName, true);
    m_pending.reset();
    return m_page->edtLName->text();
  }
  m_page->pnLName->show();
  m_page->pnLName->raise();
  m_page->edtLName->clear();
  m_page->edtLName->setMaxLength(18);
  edtLNameChange();
  LockControls(&m_.form, m_page->pnLName, false);
  m_pending = result;
  m_page->edtLName->setFocus();
  return {};
}

void GameEnd::EndGame(const QString& outcome, const QString& amountText, int wonLevel) {
  finish({amountText, outcome, wonLevel, m_.now()});
}

void GameEnd::finish(const PendingResult& result) {
  const QString& outcome = result.outcome;
  const QString& amountText = result.amountText;
  const int wonLevel = result.wonLevel;
  const QDateTime& end = result.end;
  const QTime duration = GameDuration(end, m_.progress.GameStartTime);
  ResultPage::fitText(m_page->lblWonCash, amountText + QStringLiteral(" dolarów"), 53);
  m_page->lblStatus->setCaption(outcome);
  // A game of a day or more shows its real length, not a time of day.
  const bool dayOrMore = m_.progress.GameStartTime.secsTo(end) >= 24 * 60 * 60;
  m_page->lblTime->setCaption(dayOrMore ? gameLengthText(end, m_.progress.GameStartTime)
                                        : longTimeText(duration));
  showRecordHolder(true);
  m_page->rysPuchar->hide();
  m_.movies.EnsureResultMoviePlaying();
  m_.form.showPage(m_.form.tsLose);
  if (m_.flags.Dzw) m_.sound.SetMusic(false);

  const QString player = m_.session.CurrentPlayer.name;
  const bool named = player != AnonymousName;
  const QString name = recordsName(result);
  if (named || !name.isEmpty()) {
    if (named) {
      const PlayerStats stats = addFinishedGame(m_.stats.LoadStats(player), outcome,
                                                LadderAmounts.at(wonLevel), duration);
      m_.stats.SaveStats(player, stats);
    }
    if (m_.records.ReadRecord(player, RecordPlaces).prizeLevel < wonLevel) {
      RecordEntry entry;
      entry.holder = name;
      entry.prizeLevel = wonLevel;
      entry.lastQuestion = m_.progress.Level;
      entry.status = outcome;
      entry.savedAt = m_.now();
      entry.gameTime = duration;
      m_.records.InsertRecord(player, entry);
      showRecordHolder(false);
      const bool best = m_.records.ReadRecord(player, 1).prizeLevel == wonLevel;
      m_page->showTrophy(best ? QChar(u'%') : QChar(u'&'));
    }
  }
  // A name still to be typed or not, the game is over: the lights are the player's again.
  restoreSavedLamps();
}

bool GameEnd::acceptableRecordName(const QString& name) {
  static const QRegularExpression latinLetter(QStringLiteral("[A-Za-z]"));
  // Only a name the data file gives back exactly as typed: the records show what was typed.
  return !name.isEmpty() && name.contains(latinLetter) && isStorableValue(name);
}

void GameEnd::edtLNameChange() {
  m_page->btnLOk->setEnabled(acceptableRecordName(m_page->edtLName->text()));
}

void GameEnd::btnLOkClick() {
  if (!m_pending || !m_page->btnLOk->isEnabled()) return;
  const PendingResult result = *m_pending;
  finish(result);
}

void GameEnd::restoreSavedLamps() {
  if (!m_.progress.InGame) return;
  m_.progress.InGame = false;
  const platform::LockKeyStates& lamps = m_.progress.SavedLamps;
  m_.desktop.SetLockKeys(lamps.num, lamps.caps, lamps.scroll);
}
