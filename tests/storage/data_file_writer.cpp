// Helper of DataFileCrashTest: stores one of two big versions of a players' data file.
//
//   data_file_writer FILE        flips FILE between version A and version B until killed
//   data_file_writer FILE A|B    stores that version once, prints how many microseconds
//                                that cycle took and exits
//
// In the looping mode it prints "go" as it begins.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "storage/DataFile.h"
#include "storage/IniFile.h"

namespace {

constexpr int kPlayers = 51;
constexpr int kKeysPerPlayer = 120;

// Names and values made once, so that a cycle is mostly the data file's own work.
struct Contents {
  QStringList sections;
  QStringList keys;
  QStringList values[2];  // every value differs between the versions

  // Built with one allocation a value: the writer starts once for every kill.
  Contents() {
    QStringList numbers;
    for (int n = 0; n <= std::max(kPlayers, kKeysPerPlayer); ++n)
      numbers.append(QString::number(n));
    const QString tail = QString::fromUtf8(", zażółć gęślą jaźń");
    for (int p = 1; p <= kPlayers; ++p) sections.append(QStringLiteral("Gracz ") + numbers[p]);
    for (int k = 1; k <= kKeysPerPlayer; ++k) keys.append(QStringLiteral("Pytanie") + numbers[k]);
    for (int v = 0; v < 2; ++v) {
      const QString version =
          QStringLiteral(": wersja ") + QChar(u'A' + v) + QStringLiteral(", gracz ");
      for (int p = 1; p <= kPlayers; ++p)
        for (int k = 1; k <= kKeysPerPlayer; ++k)
          values[v].append(numbers[k] + version + numbers[p] + tail);
    }
  }

  void write(IniFile& ini, int version) const {
    ini.writeString(QStringLiteral("Gra"), QStringLiteral("Wersja"), QChar(u'A' + version));
    qsizetype i = 0;
    for (const QString& section : sections)
      for (const QString& key : keys) ini.writeString(section, key, values[version][i++]);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const bool once = argc == 3 && (std::strcmp(argv[2], "A") == 0 || std::strcmp(argv[2], "B") == 0);
  if (argc != 2 && !once) {
    std::fprintf(stderr, "usage: %s FILE [A|B]\n", argv[0]);
    return 2;
  }
  const QFileInfo info(QString::fromLocal8Bit(argv[1]));
  const DataFile file(info.absolutePath() + u'/', info.fileName(), false);
  const Contents contents;

  if (once) {
    const int version = argv[2][0] - 'A';
    QElapsedTimer timer;
    timer.start();
    if (!file.cycle([&](IniFile& ini) { contents.write(ini, version); })) return 1;
    std::printf("%lld\n", static_cast<long long>(timer.nsecsElapsed() / 1000));
    return 0;
  }

  std::puts("go");
  std::fflush(stdout);
  for (;;) {
    const bool stored = file.cycle([&](IniFile& ini) {
      const bool isA = ini.readString(QStringLiteral("Gra"), QStringLiteral("Wersja")) == u'A';
      contents.write(ini, isA ? 1 : 0);
    });
    if (!stored) return 1;
  }
}
