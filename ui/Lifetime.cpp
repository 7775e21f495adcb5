#include "ui/Lifetime.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <csignal>
#include <vector>

namespace lifetime {
namespace {

struct Watcher {
  QPointer<QObject> context;
  std::function<void()> fn;
};

std::vector<Watcher>& watchers() {
  static std::vector<Watcher> list;
  return list;
}

bool g_requested = false;
int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  // Only async-signal-safe work here; the event loop picks the byte up.
  [[maybe_unused]] auto n = ::write(g_signalPipe[1], &byte, 1);
}

}  // namespace

void requestTermination() {
  if (g_requested) return;
  g_requested = true;
  auto pending = std::move(watchers());
  watchers().clear();
  for (auto& watcher : pending)
    if (watcher.context) watcher.fn();
  QCoreApplication::quit();
}

bool terminationRequested() { return g_requested; }

void onTermination(QObject* context, std::function<void()> fn) {
  auto& list = watchers();
  std::erase_if(list, [](const Watcher& w) { return w.context.isNull(); });
  list.push_back({context, std::move(fn)});
}

void reset() { g_requested = false; }

void installSignalHandlers() {
  if (g_signalPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) return;
  auto* readable =
      new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(readable, &QSocketNotifier::activated, [] {
    char byte;
    [[maybe_unused]] auto n = ::read(g_signalPipe[0], &byte, 1);
    requestTermination();
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaction(sig, &action, nullptr);
}

}  // namespace lifetime
