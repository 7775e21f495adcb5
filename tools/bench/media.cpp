// fortuniak_bench_media GAME_DIR [--skaluj]: the intro's frame rate as the game shows it (scaled
// to the screen with --skaluj), and the processor time the game takes while it waits on the
// menu. Needs an X display.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <set>
#include <vector>

#include "app/GameServices.h"
#include "app/Shell.h"
#include "media/MoviePlayer.h"
#include "media/Movies.h"
#include "media/Sound.h"
#include "platform/NullPlatform.h"
#include "ui/ScaledStage.h"
#include "ui/TMainFrm.h"

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Processor use of this process, in percent of one core, over `ms` of waiting.
double idleLoad(int ms) {
  const double before = cpuSeconds();
  QElapsedTimer wall;
  wall.start();
  runFor(ms);
  return 100.0 * (cpuSeconds() - before) / (static_cast<double>(wall.elapsed()) / 1000.0);
}

}  // namespace

int main(int argc, char** argv) {
  platform::NullPlatform desktop;  // leaves the display mode alone
  GameServices services;
  Shell shell(desktop, services);
  shell.beforeApplication();
  QApplication app(argc, argv);
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: fortuniak_bench_media GAME_DIR [--skaluj]\n");
    return 2;
  }
  if (argc == 3 && std::string(argv[2]) == "--skaluj") shell.setDisplay(Shell::Display::Scaled);
  QTemporaryDir dir;
  QFile::copy(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Pytania.pFK")),
              dir.filePath(QStringLiteral("Pytania.pFK")));

  std::vector<qint64> shown;
  std::set<int> frames;
  QElapsedTimer clock;
  if (!shell.afterApplication(dir.path())) return 1;
  MoviePlayer& intro = services.movies().sfAnim();
  clock.start();
  QObject::connect(&intro, &MoviePlayer::frameShown, [&](int frame) {
    shown.push_back(clock.elapsed());
    frames.insert(frame);
  });
  TMainFrm& main = shell.mainFrm();
  while (main.shownPage() == u"tsAnim") runFor(20);
  const int first = frames.empty() ? 0 : *frames.begin();
  const int last = frames.empty() ? 0 : *frames.rbegin();
  const double seconds = shown.size() > 1 ? (shown.back() - shown.front()) / 1000.0 : 0;
  const int expected = last - first + 1;
  std::printf(
      "intro%s: frames %d-%d shown in %.2f s: %.2f frames per second (target 12.0 +- 0.2), "
      "%d of %d frames dropped\n",
      shell.stage()
          ? QStringLiteral(" scaled %1x").arg(shell.stage()->factor()).toUtf8().constData()
          : "",
      first, last, seconds, seconds > 0 ? (shown.size() - 1) / seconds : 0.0,
      expected - static_cast<int>(frames.size()), expected);

  shell.handlers().run(QStringLiteral("btnBackClick"));  // the menu, as after logging in
  runFor(500);
  std::printf("idle on the menu: %.2f %% of one core (target <= 0.5 %%)\n", idleLoad(5000));
  services.sound().SetMusic(true);
  runFor(300);
  std::printf("music playing (%s): %.2f %% of one core (target <= 3 %%)\n",
              services.sound().sfx().isPlaying() ? "MUSIC_1" : "no audio device", idleLoad(5000));
  services.sound().SetMusic(false);
  shell.FormDestroy();
  return 0;
}
