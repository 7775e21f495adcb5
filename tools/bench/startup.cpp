// fortuniak_bench_startup GAME_DIR [--skaluj|--okno]: time from process start to the first
// paint of the main window, beside a bare Qt window of the same size started the same way, and
// the game's resident memory at that moment; the game shown as the switch asks for it. Needs an
// X display.
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "app/GameServices.h"
#include "app/Shell.h"
#include "platform/SystemPlatform.h"
#include "ui/Lifetime.h"
#include "ui/TMainFrm.h"

namespace {

constexpr int Runs = 7;

long residentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  return 0;
}

double monotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Reports on stdout when the first paint of the window named `window` is over and, once the
// event loop runs, the resident memory; then lets the program end. The game paints its window
// in the middle of start-up (options are shown with the window up) and reaches its event loop
// only later, so the time is taken at once: the pass is over at the first event that is not a
// paint of one of the window's widgets.
class FirstPaint : public QObject {
 public:
  FirstPaint(QString window, std::function<void()> done)
      : m_window(std::move(window)), m_done(std::move(done)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (m_reported) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool paintHere =
        event->type() == QEvent::Paint && widget && widget->window()->objectName() == m_window;
    if (paintHere) {
      m_painting = true;
    } else if (m_painting) {
      m_reported = true;
      std::printf("painted %.3f\n", monotonicMs());
      std::fflush(stdout);
      // Memory once start-up is over, at the first round of the event loop.
      QTimer::singleShot(0, [this] {
        std::printf("memory %ld\n", residentKiB());
        std::fflush(stdout);
        m_done();
      });
    }
    return false;
  }

 private:
  QString m_window;
  std::function<void()> m_done;
  bool m_painting = false;
  bool m_reported = false;
};

int bareChild(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setObjectName(QStringLiteral("bare"));
  window.resize(792, 427);
  FirstPaint probe(QStringLiteral("bare"), [] { QCoreApplication::quit(); });
  app.installEventFilter(&probe);
  // Beside a scaled game the bare window fills the screen as well.
  if (std::string(argv[2]) == "--skaluj")
    window.showFullScreen();
  else
    window.show();
  return QApplication::exec();
}

int gameChild(int argc, char** argv, const char* gameDir, const std::string& display) {
  auto desktop = platform::makeDesktopPlatform();
  GameServices services;
  Shell shell(*desktop, services);
  shell.beforeApplication();
  QApplication app(argc, argv);
  if (display == "--skaluj") shell.setDisplay(Shell::Display::Scaled);
  if (display == "--okno") shell.setDisplay(Shell::Display::Window);
  FirstPaint probe(QStringLiteral("MainFrm"), [] { lifetime::requestTermination(); });
  app.installEventFilter(&probe);
  if (!shell.afterApplication(QString::fromLocal8Bit(gameDir))) return 1;
  return shell.runAndShutDown();
}

struct Sample {
  double ms = 0;
  long rssKiB = 0;
};

Sample runChild(const QStringList& args) {
  QProcess child;
  const double start = monotonicMs();
  child.start(QCoreApplication::applicationFilePath(), args);
  Sample sample;
  while (sample.rssKiB == 0 && child.waitForReadyRead(20000)) {
    while (child.canReadLine()) {
      const QList<QByteArray> fields = child.readLine().trimmed().split(' ');
      if (fields.size() != 2) continue;
      if (fields[0] == "painted") sample.ms = fields[1].toDouble() - start;
      if (fields[0] == "memory") sample.rssKiB = fields[1].toLong();
    }
  }
  child.waitForFinished(20000);
  return sample;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "--child-bare") return bareChild(argc, argv);
  if (argc >= 4 && std::string(argv[1]) == "--child-game")
    return gameChild(argc, argv, argv[2], argv[3]);
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: fortuniak_bench_startup GAME_DIR [--skaluj|--okno]\n");
    return 2;
  }
  const QString display = QString::fromLocal8Bit(argc == 3 ? argv[2] : "-");
  QCoreApplication app(argc, argv);
  const QString gameDir = QString::fromLocal8Bit(argv[1]);
  std::vector<double> bare, game;
  long rss = 0;
  for (int i = 0; i < Runs; ++i) {
    bare.push_back(runChild({QStringLiteral("--child-bare"), display}).ms);
    const Sample s = runChild({QStringLiteral("--child-game"), gameDir, display});
    game.push_back(s.ms);
    rss = std::max(rss, s.rssKiB);
  }
  const double b = median(bare), g = median(game);
  std::printf("start-up to first paint (median of %d runs)\n", Runs);
  std::printf("  bare Qt window   %8.1f ms\n", b);
  const char* shown = display == u"--skaluj" ? "scaled" : display == u"--okno" ? "in a window" : "";
  std::printf("  FORTUNIAK %-11s %8.1f ms   (%.2f x the bare window; target <= 1.50)\n", shown, g,
              g / b);
  std::printf("resident memory after start-up: %.1f MB (target < 90 MB)\n", rss / 1024.0);
  return (g > 0 && b > 0) ? 0 : 1;
}
