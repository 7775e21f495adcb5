// fortuniak_bench_game GAME_DIR: the game's timed sequences as the real shell runs them, set
// against the durations they are meant to take; the longest stall of the event loop over the
// whole run; the processor time taken while a question waits. Needs an X display.
#include "game/Game.h"

#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/GameServices.h"
#include "app/Shell.h"
#include "game/GameEnd.h"
#include "game/GamePage.h"
#include "game/GameRules.h"
#include "game/ResultPage.h"
#include "lifelines/AudienceChart.h"
#include "lifelines/AudienceShares.h"
#include "lifelines/Friends.h"
#include "lifelines/FriendsPage.h"
#include "lifelines/Lifelines.h"
#include "lifelines/PhoneCall.h"
#include "media/Sound.h"
#include "options/OptionFlags.h"
#include "platform/NullPlatform.h"
#include "questions/Question.h"
#include "ui/Handlers.h"
#include "ui/InputGate.h"
#include "ui/Pacing.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Microseconds in which some task of the machine waited for a processor (pressure stall
// information); 0 where the kernel does not tell.
double cpuWaitedUs() {
  QFile file(QStringLiteral("/proc/pressure/cpu"));
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray line = file.readLine();
  const qsizetype at = line.indexOf("total=");
  return at < 0 ? 0 : line.mid(at + 6).trimmed().toDouble();
}

void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// Length in ms of a wave the game carries, from its RIFF header; 0 when it cannot be read.
double waveMs(const QString& name) {
  QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray b = file.readAll();
  const auto le32 = [&b](qsizetype at) {
    return static_cast<quint32>(static_cast<quint8>(b[at])) |
           static_cast<quint32>(static_cast<quint8>(b[at + 1])) << 8 |
           static_cast<quint32>(static_cast<quint8>(b[at + 2])) << 16 |
           static_cast<quint32>(static_cast<quint8>(b[at + 3])) << 24;
  };
  if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return 0;
  quint32 byteRate = 0;
  for (qsizetype at = 12; at + 8 <= b.size();) {
    const QByteArray tag = b.mid(at, 4);
    const quint32 size = le32(at + 4);
    if (tag == "fmt " && at + 20 <= b.size()) byteRate = le32(at + 8 + 8);
    if (tag == "data" && byteRate > 0) return 1000.0 * size / byteRate;
    at += 8 + size + (size & 1);
  }
  return 0;
}

// The longest gap between firings of a 1 ms timer, and what the game was doing then. Stopped
// while processor time is measured: its own firings would be counted.
class StallWatch : public QObject {
 public:
  struct Stall {
    double ms = 0;
    double onCpuMs = 0;  // of it, the user-interface thread at work; the rest it waited
    std::string during;
  };

  StallWatch() {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, [this] {
      const auto now = Clock::now();
      const double cpu = threadCpuMs();
      const Stall gap{std::chrono::duration<double, std::milli>(now - m_last).count(),
                      cpu - m_lastCpu, m_phase};
      if (gap.ms > m_worst.ms) m_worst = gap;
      if (gap.ms > 30) m_over.push_back(gap);
      m_last = now;
      m_lastCpu = cpu;
    });
  }
  void start() {
    m_last = Clock::now();
    m_lastCpu = threadCpuMs();
    m_timer.start();
  }
  void stop() { m_timer.stop(); }
  void setPhase(std::string phase) { m_phase = std::move(phase); }
  const std::string& phase() const { return m_phase; }
  const Stall& worst() const { return m_worst; }
  const std::vector<Stall>& over30() const { return m_over; }

 private:
  static double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  }

  QTimer m_timer;
  Clock::time_point m_last;
  double m_lastCpu = 0;
  std::string m_phase = "start";
  Stall m_worst;
  std::vector<Stall> m_over;
};

// The game's own pacing, timed from outside: how late each pause returns and how long the
// repaints between the steps take.
class TimedPacing : public Pacing {
 public:
  explicit TimedPacing(InputGate& gate) : m_inner(gate) {}
  void setStallWatch(const StallWatch* stalls) { m_stalls = stalls; }
  void Pause(int ms) override {
    const auto start = Clock::now();
    m_inner.Pause(ms);
    if (ms > 0) {
      lateMs += msSince(start) - ms;
      nominalMs += ms;
      ++pauses;
    }
  }
  void ProcessMessages() override {
    const auto start = Clock::now();
    m_inner.ProcessMessages();
    const double ms = msSince(start);
    processingMs += ms;
    ++processed;
    if (ms > longestRepaintMs) {
      longestRepaintMs = ms;
      longestRepaintDuring = m_stalls ? m_stalls->phase() : std::string();
    }
  }
  void reset() { lateMs = processingMs = nominalMs = 0, pauses = processed = 0; }

  double lateMs = 0;
  double nominalMs = 0;
  double processingMs = 0;
  int pauses = 0;
  int processed = 0;
  double longestRepaintMs = 0;  // over the whole run
  std::string longestRepaintDuring;

 private:
  EventLoopPacing m_inner;
  const StallWatch* m_stalls = nullptr;
};

// When the amount banner comes and goes: it shows after the suspense and goes just before the
// next question starts, so it splits a correct answer's call into its three parts.
class BannerWatch : public QObject {
 public:
  void reset() { shown = hidden = {}; }
  Clock::time_point shown, hidden;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ShowToParent) shown = Clock::now();
    if (event->type() == QEvent::HideToParent) hidden = Clock::now();
    return false;
  }
};

struct Verdict {
  int judged = 0;
  int met = 0;
  double worstMs = 0;
  std::string worstName;
};

// Within 2 % and never more than 40 ms off; a step meant to be immediate has only the 40 ms,
// as 2 % of nothing would ask for no time at all.
bool withinTarget(double measured, double expected) {
  const double off = measured - expected;
  return std::abs(off) <= 40 && (expected <= 0 || std::abs(off) <= 0.02 * expected);
}

class GameBench {
 public:
  GameBench(Shell& shell, GameServices& services, StallWatch& stalls, TimedPacing& pacing)
      : m_shell(shell), m_services(services), m_stalls(stalls), m_pacing(pacing) {
    m_services.game().page().lblWin->installEventFilter(&m_banner);
  }

  OptionFlags& flags() { return m_services.state().flags; }
  int level() const { return m_services.state().progress.Level; }
  int correct() const { return m_services.state().question.CurrentQuestion.Correct; }
  // After fifty-fifty, the wrong answer still on screen.
  int wrong() const {
    const CurrentQuestionRecord& q = m_services.state().question.CurrentQuestion;
    if (m_services.state().progress.FiftyFiftyUsed)
      return q.FiftyKeep1 == q.Correct ? q.FiftyKeep2 : q.FiftyKeep1;
    return correct() % 4 + 1;
  }
  const Verdict& verdict() const { return m_verdict; }

  void row(const std::string& name, double measured, double expected,
           const std::string& extra = {}) {
    const double off = measured - expected;
    const bool ok = withinTarget(measured, expected);
    ++m_verdict.judged;
    if (ok) ++m_verdict.met;
    if (std::abs(off) > std::abs(m_verdict.worstMs)) {
      m_verdict.worstMs = off;
      m_verdict.worstName = name;
    }
    char percent[16] = "      -";
    if (expected > 0) std::snprintf(percent, sizeof percent, "%+7.2f", 100.0 * off / expected);
    std::printf("  %-48s %8.1f ms %8.0f ms %s %% %+7.1f ms  %s%s%s\n", name.c_str(), measured,
                expected, percent, off, ok ? "ok" : "MISSED",
                extra.empty() ? "" : (ok ? "    " : ""), extra.c_str());
    std::fflush(stdout);
  }

  // StartGame: the game set up and the question of level 1 revealed (700 + 3 x 800 ms).
  void startGame(const char* note) {
    ++m_games;
    m_stalls.setPhase("StartGame of game " + std::to_string(m_games));
    m_pacing.reset();
    const auto start = Clock::now();
    m_shell.handlers().run(QStringLiteral("StartGame"));
    const double ms = msSince(start);
    row(std::string("StartGame") + note, ms, 3100, breakdown(ms));
    m_stalls.setPhase("waiting for an answer at level 1");
  }

  // A game with lifelines: two friends chosen on the friends page, then START, which sets the
  // game up and reveals the question of level 1 as StartGame does.
  void startGameWithFriends(const char* note) {
    ++m_games;
    m_stalls.setPhase("friends page before game " + std::to_string(m_games));
    FriendsPage& friends = m_services.lifelines().friendsPage();
    friends.OpenFriendsChoice();
    friends.ToggleFriend(1);
    friends.ToggleFriend(2);
    runFor(300);
    if (m_shell.mainFrm().shownMenuPage() != u"tsChoose") fail("the friends page did not open");
    m_stalls.setPhase("btnCStartClick of game " + std::to_string(m_games));
    m_pacing.reset();
    const auto start = Clock::now();
    friends.btnCStartClick();
    const double ms = msSince(start);
    if (m_shell.mainFrm().shownPage() != u"tsGra") fail("START did not begin the game");
    row(std::string("StartGame from the friends page") + note, ms, 3100, breakdown(ms));
    m_stalls.setPhase("waiting for an answer at level 1, lifelines on");
    runFor(300);
  }

  // Fifty-fifty: with sound, 500 ms into K_KOM two answers go, then the clip plays out (a pass
  // under way when it is told to stop ends first); without, at once.
  void fiftyFifty(double clipMs) {
    const bool sound = flags().Dzw;
    Lifelines::Button& lifeline = m_services.lifelines().fiftyFifty();
    const double ms = lifelineClick(lifeline.button, "fifty-fifty");
    if (!m_services.state().progress.FiftyFiftyUsed) fail("fifty-fifty did not take effect");
    const double expected = sound ? std::ceil(500 / clipMs) * clipMs : 0;
    row(std::string("fifty-fifty") + (sound ? ", sound" : ""), ms, expected,
        breakdown(ms) + (sound ? againstPauses(ms, 500) : std::string()));
    afterLifeline();
  }

  // Ask the audience: with sound 3.8 s of murmur, then the bars grow one pixel a 5 ms pass
  // (max(t) + 3 passes); with sound the murmur is also waited out.
  void audience(double murmurMs) {
    const bool sound = flags().Dzw;
    const double ms = lifelineClick(m_services.lifelines().audience().button, "ask the audience");
    const AudienceChart& chart = m_services.lifelines().audienceChart();
    const std::array<int, 4> computed = shownAudience(m_services.state().question.CurrentQuestion,
                                                      m_services.state().progress.FiftyFiftyUsed);
    int highest = 0;
    QString shares;
    for (size_t n = 0; n < 4; ++n) {
      const QString caption = chart.lblP[n]->caption();
      const int percent = caption.chopped(1).toInt();
      if (!caption.endsWith(u'%') || percent != computed[n])
        fail("the audience chart does not show the expected shares");
      highest = std::max(highest, percent);
      shares += (n ? QStringLiteral(" ") : QString()) + caption;
    }
    const double bars = (highest + 3) * 5.0;
    const double pauses = (sound ? 3800 : 0) + bars;
    // The murmur starts with the sequence; a longer one than crowd and bars is waited for.
    const double expected = sound ? std::max(pauses, murmurMs) : pauses;
    char text[96];
    std::snprintf(text, sizeof text, "  (%s; %d passes)", shares.toUtf8().constData(), highest + 3);
    row(std::string("ask the audience") + (sound ? ", sound" : ""), ms, expected,
        breakdown(ms) + text);
    afterLifeline();
  }

  // Phone a friend: the first friend called. With sound, its clips one after another and
  // 400 ms after the dialling; without, at once.
  void phoneCall() {
    const bool sound = flags().Dzw;
    Lifelines& lifelines = m_services.lifelines();
    m_stalls.setPhase("phone a friend: the friends' panel");
    m_pacing.reset();
    const auto start = Clock::now();
    QTest::mouseClick(lifelines.phone().button, Qt::LeftButton);
    if (!lifelines.phoneCall().pnTel->isVisible()) fail("the phone panel did not open");
    m_stalls.setPhase("phone a friend: the call");
    QTest::mouseClick(lifelines.phoneCall().btnTFr01, Qt::LeftButton);
    const double ms = msSince(start);
    const int friendNumber = lifelines.friendsPage().chosen().at(1);
    const QString speech = m_services.game().page().lblSlowa->caption();
    const auto said = [&](int variant) {
      return speech.contains(QString::fromUtf8(PhoneScripts(friendNumber, variant).before));
    };
    // Both variants of some friends have the same words and clips.
    const int variant = said(1) ? 1 : said(2) ? 2 : 0;
    if (variant == 0) fail("the speech strip does not hold the friend's words");
    const QString letter = LetterOf(m_services.state().question.CurrentQuestion.FriendAnswer);
    const QString voice = QString::fromLatin1(PhoneScripts(friendNumber, variant).voice);
    const QString clips[] = {QStringLiteral("TEL_START"), voice, letterClip(friendNumber, letter),
                             closingClip(friendNumber, variant), QStringLiteral("TEL_END")};
    double clipsMs = 0;
    std::string names;
    for (const QString& clip : clips) {
      clipsMs += waveMs(clip);
      names += (names.empty() ? "" : "+") + clip.toStdString();
    }
    const double expected = sound ? clipsMs + 400 : 0;
    row("phone a friend " + std::to_string(friendNumber) + ", variant " + std::to_string(variant) +
            (sound ? ", sound" : ""),
        ms, expected, breakdown(ms) + (sound ? "  (" + names + ")" : std::string()));
    afterLifeline();
  }

  // A wrong answer, not timed, ends the game.
  void endGame() {
    click(wrong(), "wrong answer ending the game at level " + std::to_string(level()));
    if (m_shell.mainFrm().shownPage() != u"tsLose") fail("the wrong answer did not end the game");
    afterGame();
  }

  // A correct answer, whose call runs on into the next question; with `clipMs`, the clip that
  // repeats while the answer blinks, which the verdict waits for.
  void correctAnswer(double clipMs = 0) {
    const int at = level();
    const int suspense = suspenseFor(at).pauseMs;
    const double verdictPauses = 6 * 300 + 1000;
    // The clip starts as the banner shows; the verdict waits for its end.
    const double verdict = std::max(verdictPauses, clipMs);
    const double expected = suspense + verdict + 4100;
    const double ms = click(correct(), "correct answer at level " + std::to_string(at));
    if (level() != at + 1) fail("the correct answer did not lead to the next level");
    std::string extra = breakdown(ms);
    if (clipMs > 0) extra += againstPauses(ms, suspense + verdictPauses + 4100);
    row("correct answer at level " + std::to_string(at) + (clipMs > 0 ? ", sound" : "") +
            ", whole call",
        ms, expected, extra);
    const double toBanner =
        std::chrono::duration<double, std::milli>(m_banner.shown - m_clicked).count();
    const double blinking =
        std::chrono::duration<double, std::milli>(m_banner.hidden - m_banner.shown).count();
    const double next = ms - toBanner - blinking;
    row("    suspense", toBanner, suspense);
    row(clipMs > 0 ? "    verdict: blinks, 1 s green, end of the clip"
                   : "    verdict: blinks, 1 s green",
        blinking, verdict);
    row("    ShowQuestion(" + std::to_string(at + 1) + ")", next, 4100);
    m_stalls.setPhase("waiting for an answer at level " + std::to_string(level()));
  }

  // A wrong answer: the suspense, then the correct one blinks five times or a 1.2 s wait, then
  // the result page.
  void wrongAnswer() {
    const int at = level();
    const int suspense = suspenseFor(at).pauseMs;
    const bool zua = flags().Zua;
    const double ms = click(wrong(), "wrong answer at level " + std::to_string(at));
    if (m_shell.mainFrm().shownPage() != u"tsLose") fail("the wrong answer did not end the game");
    row("wrong answer at level " + std::to_string(at) + (zua ? ", Zua on" : ", Zua off"), ms,
        suspense + (zua ? 3000 : 1200), breakdown(ms));
    afterGame();
  }

  // A resignation: the correct answer blinks five times or a 1.2 s wait; with sound, the
  // applause to the end of its pass and 8.8 s of music.
  void resign(double applauseMs = 0) {
    const int at = level();
    const bool rez = flags().Rez;
    m_stalls.setPhase("resignation at level " + std::to_string(at));
    m_pacing.reset();
    const auto start = Clock::now();
    QTest::mouseClick(m_services.game().page().lblRez, Qt::LeftButton);
    const double ms = msSince(start);
    if (m_shell.mainFrm().shownPage() != u"tsLose") fail("the resignation did not end the game");
    const double pauses = rez ? 3000 : 1200;
    std::string name =
        "resignation at level " + std::to_string(at) + (rez ? ", Rez on" : ", Rez off");
    if (applauseMs > 0) {
      // The applause repeats from the start; the pass under way when it is told to stop ends.
      const double applause = std::ceil(pauses / applauseMs) * applauseMs;
      row(name + ", sound", ms, applause + 8800, breakdown(ms) + againstPauses(ms, pauses + 8800));
    } else {
      row(name, ms, pauses, breakdown(ms));
    }
    afterGame();
  }

  // Processor use over 5 s while the question on screen waits, in % of one core.
  double waitingLoad() {
    m_stalls.stop();
    runFor(300);
    const double before = cpuSeconds();
    const auto start = Clock::now();
    runFor(5000);
    const double load = 100.0 * (cpuSeconds() - before) / (msSince(start) / 1000.0);
    m_stalls.start();
    return load;
  }

 private:
  // Where the time beyond the nominal pauses went: pauses returning late, the repaints between
  // the steps, and the rest (the game's own work, waits on the sound).
  std::string breakdown(double ms) const {
    char text[128];
    std::snprintf(text, sizeof text, "  [%d pauses %+.1f late, %d repaints %.1f, rest %.1f]",
                  m_pacing.pauses, m_pacing.lateMs, m_pacing.processed, m_pacing.processingMs,
                  ms - m_pacing.nominalMs - m_pacing.lateMs - m_pacing.processingMs);
    return text;
  }
  static std::string againstPauses(double ms, double pauses) {
    char text[64];
    std::snprintf(text, sizeof text, "  (pauses alone %.0f: %+.1f ms)", pauses, ms - pauses);
    return text;
  }

  // The script went off the rails; the game is mid-sequence, so no orderly shutdown.
  [[noreturn]] void fail(const char* what) {
    std::fflush(stdout);
    std::fprintf(stderr, "fortuniak_bench_game: %s\n", what);
    std::_Exit(1);
  }

  double lifelineClick(QWidget* button, const std::string& phase) {
    m_pacing.reset();
    m_stalls.setPhase(phase);
    const auto start = Clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    return msSince(start);
  }

  // The player's turn: long enough that the next sequence starts afresh.
  void afterLifeline() {
    m_stalls.setPhase("waiting for an answer at level " + std::to_string(level()) +
                      " after a lifeline");
    runFor(300);
  }

  double click(int position, const std::string& phase) {
    GamePage::Answer& a = m_services.game().page().answer(position);
    // With "Akc" on, the first click only marks the answer.
    if (flags().Akc && a.fill != theme::LightOrange) QTest::mouseClick(a.label, Qt::LeftButton);
    if (a.fill != theme::LightOrange && flags().Akc) fail("the answer could not be marked");
    m_banner.reset();
    m_pacing.reset();
    m_stalls.setPhase(phase);
    m_clicked = Clock::now();
    QTest::mouseClick(a.label, Qt::LeftButton);
    return msSince(m_clicked);
  }

  // The result page: a name for the records if asked, then back to the menu.
  void afterGame() {
    m_stalls.setPhase("result page");
    ResultPage& result = m_services.gameEnd().page();
    runFor(200);
    if (result.pnLName->isVisible()) {
      m_stalls.setPhase("result page: a name typed for the records");
      QTest::keyClicks(result.edtLName, QStringLiteral("Pomiar"));
      m_stalls.setPhase("result page: the name confirmed (btnLOk)");
      QTest::mouseClick(result.btnLOk, Qt::LeftButton);
      m_stalls.setPhase("result page");
    }
    runFor(200);
    m_stalls.setPhase("back to the menu (btnBackClick)");
    m_shell.handlers().run(QStringLiteral("btnBackClick"));
    m_stalls.setPhase("menu");
    runFor(300);
  }

  Shell& m_shell;
  GameServices& m_services;
  StallWatch& m_stalls;
  TimedPacing& m_pacing;
  BannerWatch m_banner;
  int m_games = 0;
  Clock::time_point m_clicked;
  Verdict m_verdict;
};

}  // namespace

int main(int argc, char** argv) {
  // The dummy driver keeps each wave's length on any machine, heard or not.
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  platform::NullPlatform desktop;  // leaves the display mode alone
  GameServices services;
  Shell shell(desktop, services);
  TimedPacing* pacing = nullptr;
  shell.setPacingFactory([&pacing](InputGate& gate) {
    auto made = std::make_unique<TimedPacing>(gate);
    pacing = made.get();
    return made;
  });
  shell.beforeApplication();
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: fortuniak_bench_game GAME_DIR\n");
    return 2;
  }
  QTemporaryDir dir;
  QFile::copy(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Pytania.pFK")),
              dir.filePath(QStringLiteral("Pytania.pFK")));
  if (!shell.afterApplication(dir.path())) return 1;
  const auto benchStart = Clock::now();

  // Past the intro, then the anonymous player logs in from the profiles page.
  TMainFrm& main = shell.mainFrm();
  shell.handlers().run(QStringLiteral("AnimStop"));
  runFor(200);
  QTest::mouseClick(main.require(QStringLiteral("lblPName0")), Qt::LeftButton);
  QTest::mouseClick(main.require(QStringLiteral("lblPLog")), Qt::LeftButton);
  if (main.shownPage() != u"tsMenu") {
    std::fprintf(stderr, "fortuniak_bench_game: the log-in did not reach the menu\n");
    return 1;
  }
  runFor(300);

  const double dobraPrzed = waveMs(QStringLiteral("DOBRA_PRZED"));
  const double applause = waveMs(QStringLiteral("REZ_OKLASKI"));
  std::printf(
      "clips (ms): DOBRA_PRZED %.0f, ZAZNACZ %.0f, ODP_ZUA %.0f, REZ_OKLASKI %.0f, "
      "REZ_MUZA %.0f\n",
      dobraPrzed, waveMs(QStringLiteral("ZAZNACZ")), waveMs(QStringLiteral("ODP_ZUA")), applause,
      waveMs(QStringLiteral("REZ_MUZA")));
  std::printf("lifeline clips (ms): K_KOM %.0f, K_PUB %.0f, TEL_START %.0f, TEL_END %.0f\n",
              waveMs(QStringLiteral("K_KOM")), waveMs(QStringLiteral("K_PUB")),
              waveMs(QStringLiteral("TEL_START")), waveMs(QStringLiteral("TEL_END")));
  double load = 0;
  if (std::FILE* file = std::fopen("/proc/loadavg", "r")) {
    if (std::fscanf(file, "%lf", &load) != 1) load = 0;
    std::fclose(file);
  }
  // Other work on the machine lengthens the sequences: the figures mean most on an idle one.
  std::printf("load average %.2f on %d processors\n", load, QThread::idealThreadCount());
  const double waitedBefore = cpuWaitedUs();
  const auto waitedSince = Clock::now();
  std::printf("target: every sequence within +-2 %% of expected and never more than 40 ms off\n");
  std::printf("  %-48s %11s %11s %19s  %s\n", "sequence", "measured", "expected", "deviation",
              "target");

  StallWatch stalls;
  stalls.start();
  pacing->setStallWatch(&stalls);
  GameBench bench(shell, services, stalls, *pacing);
  OptionFlags& f = bench.flags();
  f.Kou = false;

  // Up the ladder past level 5 without sound, then a wrong answer with the correct one shown.
  f.Dzw = false;
  f.Zua = true;
  bench.startGame("");
  const double loadQuiet = bench.waitingLoad();
  while (bench.level() <= 6) bench.correctAnswer();
  bench.wrongAnswer();

  f.Zua = false;
  bench.startGame("");
  bench.correctAnswer();
  bench.wrongAnswer();

  f.Rez = true;
  bench.startGame("");
  bench.correctAnswer();
  bench.resign();

  f.Rez = false;
  bench.startGame("");
  bench.correctAnswer();
  bench.resign();

  // With sound: the music of the level plays while the question waits.
  f.Dzw = true;
  f.Rez = true;
  bench.startGame(", sound (opens the audio device)");
  const double loadMusic = bench.waitingLoad();
  const bool musicPlays = services.sound().sfx().isPlaying();
  bench.correctAnswer(dobraPrzed);
  bench.resign(applause);

  // The lifelines, each once without and once with sound.
  const double kKom = waveMs(QStringLiteral("K_KOM"));
  const double kPub = waveMs(QStringLiteral("K_PUB"));
  f.Kou = true;
  for (const bool sound : {false, true}) {
    f.Dzw = sound;
    bench.startGameWithFriends(sound ? ", sound" : "");
    bench.fiftyFifty(kKom);
    bench.audience(kPub);
    bench.phoneCall();
    bench.endGame();
  }
  stalls.stop();

  const Verdict& v = bench.verdict();
  std::printf("sequences within target: %d of %d (worst: %s, %+.1f ms)\n", v.met, v.judged,
              v.worstName.c_str(), v.worstMs);
  const StallWatch::Stall& worst = stalls.worst();
  std::printf(
      "longest stall of the event loop: %.1f ms (the UI thread at work %.1f ms of it), during "
      "%s; %zu over 30 ms (target: none over 30 ms) %s\n",
      worst.ms, worst.onCpuMs, worst.during.c_str(), stalls.over30().size(),
      stalls.over30().empty() ? "ok" : "MISSED");
  for (const StallWatch::Stall& stall : stalls.over30())
    std::printf("  %.1f ms (at work %.1f ms) during %s\n", stall.ms, stall.onCpuMs,
                stall.during.c_str());
  std::printf("longest single repaint between steps: %.1f ms, during %s\n",
              pacing->longestRepaintMs, pacing->longestRepaintDuring.c_str());
  std::printf(
      "processor while a question waits, music off: %.2f %% of one core "
      "(target <= 0.5 %%) %s\n",
      loadQuiet, loadQuiet <= 0.5 ? "ok" : "MISSED");
  std::printf(
      "processor while a question waits, music on (%s): %.2f %% of one core "
      "(target <= 3 %%) %s\n",
      musicPlays ? "playing" : "not playing", loadMusic, loadMusic <= 3 ? "ok" : "MISSED");
  const double wall = msSince(benchStart);
  std::printf("whole bench: %.0f s; some task waited for a processor %.0f %% of that time\n",
              wall / 1000.0, (cpuWaitedUs() - waitedBefore) / 10.0 / msSince(waitedSince));
  shell.FormDestroy();
  return 0;
}
