#pragma once

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <functional>
#include <numeric>
#include <thread>

#include "game/Game.h"
#include "game/GameEnd.h"
#include "game/GamePage.h"
#include "game/ResultPage.h"
#include "storage/Cp1250.h"
#include "tests/media/ScriptedOutput.h"
#include "tests/support/GameHarness.h"
#include "tests/support/QuestionsFile.h"
#include "ui/InputGate.h"
#include "ui/Lifetime.h"
#include "ui/Pacing.h"
#include "ui/Theme.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

// The real game on a virtual clock, with a scripted sound output and a questions file whose
// answers the test knows: the base of the tests that play.

// Texts in failure messages as the player reads them.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

// A virtual clock that can ask the game to quit, or let the player act, at a given pause.
struct TestPacing : VirtualPacing {
  int quitAtPause = -1;
  int actAtPause = -1;
  std::function<void()> act;
  // Runs at every pause, before anything else happens there.
  std::function<void()> atEveryPause;
  // Real time given to the sound thread at every pause, for the tests that listen to it.
  std::chrono::milliseconds realTime{0};
  void Pause(int ms) override {
    VirtualPacing::Pause(ms);
    if (atEveryPause) atEveryPause();
    std::this_thread::sleep_for(realTime);
    const int n = static_cast<int>(pauses.size());
    if (n == quitAtPause) lifetime::requestTermination();
    if (n == actAtPause && act) act();
  }
};

class PlayHarness : public testing::Test, public GameHarness {
 protected:
  void SetUp() override {
    writeFile("Pytania.pFK", questionsFile());
    services.setAudioOutput([this] {
      auto output = std::make_unique<ScriptedOutput>();
      // Every clip but the music ends by itself, soon.
      QStringList clips = {"dobra_przed", "dobra_gwara", "dobra_po", "zaznacz",
                           "ODP_ZUA",     "REZ_OKLASKI", "REZ_MUZA", "K_KOM",
                           "k_pub",       "TEL_START",   "TEL_END"};
      for (const char* voice : {"K", "G", "M", "M2", "T", "T2"})
        for (const char* end : {"", "A", "B", "C", "D", "E"})
          clips << QString::fromLatin1(voice) + QString::fromLatin1(end);
      for (const QString& clip : clips) output->setDuration(clip, std::chrono::milliseconds(5));
      audio = output.get();
      return output;
    });
    shell.setPacingFactory([this](InputGate&) {
      auto p = std::make_unique<TestPacing>();
      p->atEveryPause = [this] { seen.push_back(started ? look() : Seen{}); };
      pacing = p.get();
      return p;
    });
  }
  void startAs(const QString& player, const QString& data = {}) {
    if (!data.isEmpty()) writeData(data);
    ASSERT_TRUE(start());
    started = true;
    services.session().CurrentPlayer.name = player;
    OptionFlags& f = services.state().flags;
    f.Dzw = false;  // the sound tests turn it on
    f.Kou = false;
  }
  void play() {
    shell.handlers().run(QStringLiteral("StartGame"));
    ASSERT_EQ(main().shownPage(), u"tsGra");
  }
  GamePage& page() { return services.game().page(); }
  ResultPage& result() { return services.gameEnd().page(); }
  int correct() { return services.state().question.CurrentQuestion.Correct; }
  int level() { return services.state().progress.Level; }
  int wrong() { return correct() % 4 + 1; }
  // Clicks the text of an answer, as many times as the confirmation needs.
  void answer(int position) {
    QWidget* label = page().answer(position).label;
    QTest::mouseClick(label, Qt::LeftButton);
    if (page().answer(position).fill == theme::LightOrange)
      QTest::mouseClick(label, Qt::LeftButton);
  }
  void climbTo(int target) {
    while (level() < target) answer(correct());
  }
  QString caption(TextLabel* label) { return label->caption(); }
  std::vector<int> pausesSince(size_t from) {
    return {pacing->pauses.begin() + static_cast<long>(from), pacing->pauses.end()};
  }
  int sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

  // What the player sees on the game page while the game waits at one pause.
  struct Seen {
    QString banner;     // "WYGRANA" and the amount as they show, empty while hidden
    QString speech;     // the speech strip's text, empty while hidden
    int speechTop = 0;  // where the strip's shape and text begin; -1 when they part
    QColor speechColour;
    QString green;  // the letter of the answer lit green, if any
  };
  Seen look() {
    const QWidget* on = page().page();
    auto shown = [on](const TextLabel* l) {
      return l->isVisibleTo(on) ? TextLabel::shownText(l->caption()) : QString();
    };
    Seen s;
    const QString amount = page().imgWin->isVisibleTo(on) ? shown(page().lblWin) : QString();
    s.banner = (shown(page().lblWin2) + u' ' + amount).trimmed();
    if (page().shpSlowa->isVisibleTo(on)) s.speech = shown(page().lblSlowa);
    const QRect shape = page().shpSlowa->geometry();
    const QRect text = page().lblSlowa->geometry();
    const bool together = shape.top() == text.top() && shape.bottom() == text.bottom();
    s.speechTop = together ? shape.top() : -1;
    s.speechColour = page().lblSlowa->palette().color(QPalette::Active, QPalette::WindowText);
    for (int k = 1; k <= 4; ++k)
      if (page().answer(k).fill == theme::Green) s.green += QChar(u'A' + k - 1);
    return s;
  }
  // The banner at each pause from pause `from` on.
  QStringList bannersSince(size_t from) {
    QStringList out;
    for (size_t i = from; i < seen.size(); ++i) out << seen[i].banner;
    return out;
  }

  static QString janData() {
    return QStringLiteral(
        "[QJan]\r\nImi=Jan\r\nMie=Opole\r\nUro=80-01-02 00:00:00\r\nPue=M\r\nHas=\r\n");
  }

  // The clips played so far, upper case, each run of repeats counted once.
  QStringList clips() {
    QStringList names;
    for (const ScriptedOutput::Play& play : audio->plays())
      if (names.isEmpty() || names.back() != play.name.toUpper()) names << play.name.toUpper();
    return names;
  }

  // The virtual clock does not give the sound thread the time the real pauses give it: wait
  // until it plays `clip`, as it would long before the next step.
  bool waitForClip(const QString& clip) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < deadline) {
      const auto plays = audio->plays();
      if (!plays.empty() && plays.back().name.toUpper() == clip) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  TestPacing* pacing = nullptr;
  ScriptedOutput* audio = nullptr;
  // One entry for every pause; the game page can be read once the game has started up.
  std::vector<Seen> seen;
  bool started = false;
};
