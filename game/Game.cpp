#include "game/Game.h"

#include <QMessageBox>

#include "game/AnswerKeys.h"
#include "game/GameEnd.h"
#include "game/GamePage.h"
#include "game/GameProgress.h"
#include "game/GameRules.h"
#include "game/HostPhrases.h"
#include "game/Ladder.h"
#include "game/LifelineHooks.h"
#include "media/Movies.h"
#include "media/Sound.h"
#include "options/OptionFlags.h"
#include "platform/SystemPlatform.h"
#include "questions/QuestionBank.h"
#include "ui/AppContext.h"
#include "ui/Handlers.h"
#include "ui/InputGate.h"
#include "ui/MenuScreens.h"
#include "ui/Pacing.h"
#include "ui/Random.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {
constexpr int kBlinkMs = 300;
}  // namespace

Game::Game(Needs needs) : m_(std::move(needs)), m_page(std::make_unique<GamePage>(m_.form.tsGra)) {
  connectControls();
  m_.handlers.add(QStringLiteral("StartGame"), [this] {
    GameShow();
    startFirstQuestion();
  });
  m_.handlers.add(QStringLiteral("RezygnacjaClick"), [this] { RezygnacjaClick(); });
}

Game::~Game() = default;

void Game::connectControls() {
  for (int position = 1; position <= 4; ++position) {
    GamePage::Answer& a = m_page->answer(position);
    // Clicks only: a double-click is two of them, whichever answer it is on.
    auto click = [this, position] { OdpsClick(position); };
    QObject::connect(a.box, &PictureBox::clicked, click);
    QObject::connect(a.tile, &PictureBox::clicked, click);
    QObject::connect(a.label, &TextLabel::clicked, click);
  }
  const auto resign = m_.handlers.runner(QStringLiteral("RezygnacjaClick"));
  QObject::connect(m_page->imgRez, &PictureBox::clicked, resign);
  QObject::connect(m_page->lblRez, &TextLabel::clicked, resign);
  m_.form.setKeyUpHandler([this](int key) { FormKeyUp(key); });
}

bool Game::pause(int ms) { return sequence::pause(m_.pacing, ms); }

bool Game::repaint() { return sequence::repaint(m_.pacing); }

void Game::enable(bool on) { m_.gate.setFormEnabled(on); }

void Game::GameShow() {
  GameProgress& g = m_.progress;
  m_.random.reseed();
  g.HostBasePose = 2 + m_.random.between(0, 1);
  m_page->SetHostPose(g.HostBasePose);
  m_.lifelines.hidePanels();
  if (m_page->speechVisible()) m_page->ShowSpeech(false, true, {}, false, Qt::white);
  m_page->ShowWinBanner(false);
  m_page->showWonCaption(false);
  m_.lifelines.resetForGame(m_.flags.Kou);
  g.SavedLamps = m_.desktop.readLockKeys();
  g.InGame = true;
  if (m_.flags.Kou) m_.lifelines.ShowLifelineLeds();
  g.Level = 1;
  g.FiftyFiftyUsed = false;
  for (int position = 1; position <= 4; ++position) m_page->DrawAnswerTile(position);
  m_page->paintResignationFace(m_.menu.buttonFace());
  m_page->placeBanner();
  m_.sound.prepareOutput();  // before the first reveal, not inside it
  g.GameStartTime = m_.now();
}

void Game::startFirstQuestion() {
  m_.form.showPage(m_.form.tsGra);
  enable(false);
  m_.bank.ResetAskedLists();
  ShowQuestion(1);
  enable(true);
}

void Game::hostLineBefore(int level, const QString& previousLetter) {
  m_.random.reseed();
  const QString line = hostLine(level, m_.random.between(0, 5), previousLetter);
  m_page->ShowSpeech(true, true, line, false, Qt::black);
  m_page->ShowSpeech(true, false, {}, true, Qt::black);
}

void Game::ShowQuestion(int level) {
  const GameProgress& g = m_.progress;
  const QString previousLetter = LetterOf(m_.question.CurrentQuestion.Correct);
  m_page->PaintAnswerBox(1, Qt::black, true);
  m_page->showResignation(resignationOffered(g.Level));
  m_.bank.DrawQuestion(level);
  const CurrentQuestionRecord& q = m_.question.CurrentQuestion;
  for (int position = 1; position <= 4; ++position) m_page->ShowAnswer(position, false);
  m_page->lblPyt->hide();
  for (int position = 1; position <= 4; ++position) {
    const QString& text = q.Answers.at(static_cast<size_t>(position - 1));
    m_page->answer(position).label->setFont(
        theme::font("Arial", (answerFontSize(text) * 96 + 36) / 72));
  }
  m_page->DrawLadder(g.Level);
  if (g.Level > 1) {
    hostLineBefore(g.Level, previousLetter);
    if (!pause(1000)) return;
  }
  if (m_.flags.Dzw) m_.sound.SetMusic(true);
  m_page->lblPyt->setCaption(TextLabel::literal(q.Text));
  for (int position = 1; position <= 4; ++position) {
    const QString& text = q.Answers.at(static_cast<size_t>(position - 1));
    GamePage::Answer& a = m_page->answer(position);
    a.label->setCaption(TextLabel::literal(text));
    for (QWidget* w : {static_cast<QWidget*>(a.box), static_cast<QWidget*>(a.tile),
                       static_cast<QWidget*>(a.label)})
      w->setToolTip(text);
  }
  m_.progress.FiftyFiftyUsed = false;
  m_page->lblPyt->show();
  if (!pause(700)) return;
  for (int position = 1; position <= 4; ++position) {
    m_page->ShowAnswer(position, true);
    if (!repaint()) return;
    if (position < 4 && !pause(800)) return;
  }
  m_page->ShowSpeech(false, true, {}, false, Qt::white);
}

void Game::OdpsClick(int position) {
  if (!m_.flags.Akc) {
    EvaluateAnswer(position);
  } else if (m_page->answer(position).fill == theme::LightOrange) {
    EvaluateAnswer(position);
  } else {
    m_page->PaintAnswerBox(position, theme::LightOrange, true);
  }
}

void Game::FormKeyUp(int key) {
  if (!m_.gate.open() || m_.form.shownPage() != u"tsGra") return;
  if (m_.lifelines.keyReleased(key) || !m_.flags.Kla) return;
  const CurrentQuestionRecord& q = m_.question.CurrentQuestion;
  AnswerKeyState state;
  for (int position = 1; position <= 4; ++position) {
    if (state.preSelected == 0 && m_page->answer(position).fill == theme::LightOrange)
      state.preSelected = position;
    state.visible[static_cast<size_t>(position - 1)] =
        m_page->answer(position).box->isVisibleTo(m_page->page());
  }
  state.fiftyFiftyUsed = m_.progress.FiftyFiftyUsed;
  state.fiftyKeep1 = q.FiftyKeep1;
  state.fiftyKeep2 = q.FiftyKeep2;
  const AnswerKeyAction action = answerKeyAction(key, state);
  switch (action.kind) {
    case AnswerKeyAction::PreSelect:
      m_page->PaintAnswerBox(action.position, theme::LightOrange, action.reset);
      break;
    case AnswerKeyAction::Click:
      OdpsClick(action.position);
      break;
    case AnswerKeyAction::ShowInfo: {
      QMessageBox box(QMessageBox::NoIcon, appinfo::titleText(),
                      questionInfoText(m_.progress.Level, m_.question.QuestionNumber),
                      QMessageBox::Ok, &m_.form);
      box.exec();
      break;
    }
    case AnswerKeyAction::Nothing:
      break;
  }
}

void Game::blinkCorrect(int times, const QColor& first, const QColor& second, bool resetFirst) {
  const int correct = m_.question.CurrentQuestion.Correct;
  for (int i = 0; i < times; ++i) {
    m_page->PaintAnswerBox(correct, first, resetFirst);
    if (!pause(kBlinkMs)) return;
    m_page->PaintAnswerBox(correct, second, false);
    if (!pause(kBlinkMs)) return;
  }
}

void Game::EvaluateAnswer(int position) {
  GameProgress& g = m_.progress;
  const bool sound = m_.flags.Dzw;
  enable(false);
  m_.lifelines.hidePanels();
  if (m_page->speechVisible()) m_page->ShowSpeech(false, true, {}, false, Qt::white);
  m_page->PaintAnswerBox(position, theme::Orange, false);
  if (!repaint()) return;
  m_page->SetHostPose(suspenseHostPose(g.Level, g.HostBasePose));

  const Suspense suspense = suspenseFor(g.Level);
  if (!suspense.markSoundFirst) {
    if (!pause(suspense.pauseMs)) return;
    if (sound) m_.sound.SetMusic(false);
  } else {
    if (sound) {
      m_.sound.SetMusic(false);
      m_.sound.PlayEffectOnce(QStringLiteral("zaznacz"), true);
    }
    if (!pause(suspense.pauseMs)) return;
  }

  if (position != m_.question.CurrentQuestion.Correct) {
    endAfterWrongAnswer();
    enable(true);
    return;
  }
  if (sound) m_.sound.StartSound(correctAnswerSound(g.Level));
  m_page->SetHostPose(correctAnswerHostPose(g.Level, g.HostBasePose));
  m_page->ShowWinBanner(true, AmountText(g.Level) + QStringLiteral(" $"));
  if (showsWonCaption(g.Level)) m_page->showWonCaption(true);
  if (!repaint()) return;
  for (int i = 0; i < 3; ++i) {
    m_page->PaintAnswerBox(position, theme::Green, false);
    if (!pause(kBlinkMs)) return;
    m_page->PaintAnswerBox(position, theme::Orange, false);
    if (!pause(kBlinkMs)) return;
  }
  if (sound) m_.sound.StopRepeating();
  m_page->PaintAnswerBox(position, theme::Green, false);
  if (!pause(1000)) return;
  if (sound) {
    m_.sound.WaitSoundEnded();
    m_.sound.SuspendSound();
  }
  m_page->ShowWinBanner(false);
  m_page->showWonCaption(false);
  if (g.Level >= 5) m_page->SetHostPose(g.HostBasePose);
  if (g.Level == 15) {
    if (sound) m_.sound.SetMusic(false);
    m_.movies.PlayMovie(QStringLiteral("FILE5"));
  } else {
    ++g.Level;
    ShowQuestion(g.Level);
  }
  enable(true);
}

void Game::endAfterWrongAnswer() {
  GameProgress& g = m_.progress;
  if (m_.flags.Dzw) m_.sound.PlayEffectOnce(QStringLiteral("ODP_ZUA"), false);
  const KeptAmount kept = keptAfterWrongAnswer(g.Level);
  g.AmountWonText = kept.text;
  g.WonLevel = kept.wonLevel;
  m_page->showWonCaption(true);
  m_page->ShowWinBanner(true, kept.text + QStringLiteral(" $"));
  if (!repaint()) return;
  m_page->SetHostPose(g.HostBasePose);
  if (m_.flags.Zua) {
    blinkCorrect(5, Qt::black, theme::Green, false);
  } else {
    pause(1200);
  }
  if (!sequence::goesOn()) return;
  if (m_.flags.Dzw) {
    m_.sound.WaitSoundEnded();
    m_.sound.SuspendSound();
  }
  m_page->showWonCaption(false);
  m_.end.EndGame(QStringLiteral("Przegrana"), g.AmountWonText, g.WonLevel);
}

void Game::RezygnacjaClick() {
  GameProgress& g = m_.progress;
  if (!resignationOffered(g.Level)) return;
  if (const auto pose = resignationHostPose(g.Level)) m_page->SetHostPose(*pose);
  const KeptAmount kept = keptAfterResignation(g.Level);
  g.AmountWonText = kept.text;
  g.WonLevel = kept.wonLevel;
  enable(false);
  resign();
  if (!sequence::goesOn()) return;
  m_page->showWonCaption(false);
  enable(true);
  m_.end.EndGame(QStringLiteral("Rezygnacja"), g.AmountWonText, g.WonLevel);
  m_.pacing.ProcessMessages();
}

void Game::resign() {
  const bool sound = m_.flags.Dzw;
  if (sound) {
    m_.sound.SetMusic(false);
    m_.sound.StartSound(QStringLiteral("REZ_OKLASKI"));
  }
  if (m_page->speechVisible()) m_page->ShowSpeech(false, true, {}, false, Qt::white);
  m_.lifelines.hidePanels();
  m_page->showWonCaption(true);
  m_page->ShowWinBanner(true, m_.progress.AmountWonText + QStringLiteral(" $"));
  if (!repaint()) return;
  if (m_.flags.Rez) {
    blinkCorrect(5, theme::Green, Qt::black, true);
    m_page->PaintAnswerBox(m_.question.CurrentQuestion.Correct, theme::Green, false);
    if (!repaint()) return;
  } else if (!pause(1200)) {
    return;
  }
  if (sound) {
    m_.sound.StopRepeating();
    m_.sound.WaitSoundEnded();
    // The thread is still running: it takes the new name up without being resumed.
    m_.sound.StartSound(QStringLiteral("REZ_MUZA"));
    m_.sound.WaitSoundStarted();
    if (!pause(8800)) return;
    m_.pacing.ProcessMessages();
  }
}

void Game::millionMovieEnded() { m_.end.EndGame(QStringLiteral("Wygrana"), AmountText(15), 15); }
