// Helper of DataFileCrashTest: stores one of two big versions of a players' data file.
//
//   data_file_writer FILE        flips FILE between version A and version B until killed
//   data_file_writer FILE A|B    stores that version once and exits
//
// In the looping mode it prints "go" once its first cycle has stored the file.

#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <cstring>

#include "storage/DataFile.h"
#include "storage/IniFile.h"

namespace {

constexpr int kPlayers = 51;
constexpr int kKeysPerPlayer = 120;

// Every value differs between the versions, so each write rewrites the whole text.
void writeVersion(IniFile& ini, char version) {
  const QString v(QChar::fromLatin1(version));
  ini.writeString(QStringLiteral("Gra"), QStringLiteral("Wersja"), v);
  for (int p = 1; p <= kPlayers; ++p) {
    const QString section = QStringLiteral("Gracz %1").arg(p);
    for (int k = 1; k <= kKeysPerPlayer; ++k)
      ini.writeString(section, QStringLiteral("Pytanie%1").arg(k),
                      QString::fromUtf8("%1: wersja %2, gracz %3, zażółć gęślą jaźń")
                          .arg(k)
                          .arg(v)
                          .arg(p));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || (argc == 3 && std::strcmp(argv[2], "A") != 0 && std::strcmp(argv[2], "B") != 0) ||
      argc > 3) {
    std::fprintf(stderr, "usage: %s FILE [A|B]\n", argv[0]);
    return 2;
  }
  const QFileInfo info(QString::fromLocal8Bit(argv[1]));
  const DataFile file(info.absolutePath() + u'/', info.fileName(), false);

  if (argc == 3) {
    const char version = argv[2][0];
    return file.cycle([&](IniFile& ini) { writeVersion(ini, version); }) ? 0 : 1;
  }

  for (bool first = true;; first = false) {
    const bool stored = file.cycle([](IniFile& ini) {
      const bool isA = ini.readString(QStringLiteral("Gra"), QStringLiteral("Wersja")) == u'A';
      writeVersion(ini, isA ? 'B' : 'A');
    });
    if (!stored) return 1;
    if (first) {
      std::puts("go");
      std::fflush(stdout);
    }
  }
}
