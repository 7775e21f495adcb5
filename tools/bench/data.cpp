// fortuniak_bench_data: the cost of the data-file cycle, of a keystroke in the create form and
// of drawing and loading a question, on a data file as full as the game lets it get.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/GameServices.h"
#include "app/Shell.h"
#include "platform/NullPlatform.h"
#include "questions/QuestionBank.h"
#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"
#include "ui/Random.h"
#include "ui/TMainFrm.h"

namespace {

// 51 players with every key the game keeps: profile, options, 15 asked lists, statistics
// and a full records table.
QString fullDataFile() {
  QString ini;
  for (int p = 0; p < 51; ++p) {
    const QString name =
        p == 0 ? QStringLiteral("Gracz anonimowy") : QStringLiteral("Gracz %1").arg(p);
    ini += QStringLiteral("[Q%1]\r\nImi=%1\r\nMie=Kołobrzeg\r\nUro=80-01-01\r\nPue=M\r\nPas=\r\n")
               .arg(name);
    for (const char* key : {"Dzw", "Kla", "Men", "Kou", "Akc", "Zua", "Rez"})
      ini += QString::fromLatin1(key) + QStringLiteral("=1\r\n");
    for (int level = 1; level <= 15; ++level) {
      ini += QStringLiteral("L%1=").arg(level);
      for (int n = 1; n <= 40; ++n) ini += QStringLiteral("%1|").arg(n);
      ini += QStringLiteral("\r\n");
    }
    for (const char* key : {"SG_S", "SG_C", "SG_I", "SG_R", "SG_P", "SG_M"})
      ini += QString::fromLatin1(key) + QStringLiteral("=123\r\n");
    for (int f = 1; f <= 4; ++f)
      for (const char* k : {"W", "D", "Z"})
        ini += QStringLiteral("SF_%1_%2=7\r\n").arg(f).arg(QLatin1String(k));
    for (int place = 1; place <= 15; ++place)
      for (const char* k : {"N", "P", "O", "S", "D", "C"})
        ini += QStringLiteral("%1%2=Rekord %2\r\n").arg(QLatin1String(k)).arg(place);
  }
  return ini;
}

// Median and worst of `runs` timings of `work`, in milliseconds; `prepare` runs before each,
// untimed.
std::pair<double, double> timeIt(int runs, const std::function<void()>& work,
                                 const std::function<void()>& prepare = {}) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    QElapsedTimer t;
    t.start();
    work();
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.back()};
}

void print(const char* what, std::pair<double, double> t, double target) {
  std::printf("  %-52s %7.3f ms median, %7.3f worst   (target <= %.0f ms)\n", what, t.first,
              t.second, target);
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

// Another program's edit: one digit of the last record, changed in place.
void changeOutside(const QString& path) {
  QByteArray bytes;
  {
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
  }
  if (bytes.size() < 3) return;
  bytes[bytes.size() - 3] = static_cast<char>(bytes[bytes.size() - 3] ^ 1);
  writeFile(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  platform::NullPlatform desktop;
  GameServices services;
  Shell shell(desktop, services);
  shell.beforeApplication();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString appDir = dir.path() + u'/';

  // A level of 255 questions beside fourteen small ones.
  QString questions;
  for (int level = 1; level <= 15; ++level) {
    const int count = level == 8 ? 255 : 40;
    for (int n = 1; n <= count; ++n)
      questions +=
          QStringLiteral(
              "[%1;%2]\r\nP=Pytanie %1 poziomu %2?\r\nA=Odpowiedź A%1\r\nB=Odpowiedź B%1\r\n"
              "C=Odpowiedź C%1\r\nD=Odpowiedź D%1\r\nG=1\r\n1=2\r\n2=3\r\n6=40\r\n"
              "7=20\r\n8=20\r\n9=20\r\nT=1\r\n")
              .arg(n)
              .arg(level);
  }
  writeFile(appDir + QStringLiteral("Pytania.pFK"), scrambleText(*toCp1250(questions)));
  writeFile(appDir + QStringLiteral("Opcje.oFK"), scrambleText(*toCp1250(fullDataFile())));
  if (!shell.afterApplication(dir.path())) return 1;

  DataFile data(appDir, QStringLiteral("Opcje.oFK"), false);
  // "--profile N": only N writing cycles, for running under an instruction counter.
  if (argc == 3 && QByteArray(argv[1]) == "--profile") {
    for (int i = 0; i < QByteArray(argv[2]).toInt(); ++i)
      data.cycle([&](IniFile& ini) {
        ini.writeInteger(QStringLiteral("QGracz 7"), QStringLiteral("SG_S"), i);
      });
    shell.FormDestroy();
    return 0;
  }
  std::printf("data file: 51 players, %lld bytes\n",
              static_cast<long long>(QFile(data.path()).size()));
  // A cycle finds the file as the game left it, or changed by another program (or the first
  // time): then it reads and parses it whole.
  const auto readCycle = [&] { data.read([](const IniFile& ini) { (void)ini.sections(); }); };
  print("one cycle that reads", timeIt(50, readCycle), 3);
  print("one cycle that reads, the file changed outside",
        timeIt(50, readCycle, [&] { changeOutside(data.path()); }), 3);
  int value = 0;
  print("one cycle that writes",
        timeIt(50,
               [&] {
                 data.cycle([&](IniFile& ini) {
                   ini.writeInteger(QStringLiteral("QGracz 7"), QStringLiteral("SG_S"), ++value);
                 });
               }),
        3);

  TMainFrm& main = shell.mainFrm();
  main.showPage(main.tsProfiles);
  shell.handlers().run(QStringLiteral("btnPNewClick"));
  auto* name = main.control<QLineEdit>(QStringLiteral("edtPImi"));
  int key = 0;
  print("a keystroke in the create form",
        timeIt(50,
               [&] {
                 if (name->text().size() >= 17) name->clear();  // the field holds 18 characters
                 QTest::keyClick(name, static_cast<char>('a' + (key++ % 26)));
               }),
        10);

  // A long list on the big level: 200 of its 255 questions asked already.
  QString list;
  for (int n = 1; n <= 200; ++n) list += QStringLiteral("%1|").arg(n);
  QuestionBank& bank = services.questionBank();
  const auto draw = [&] { bank.DrawQuestion(8); };
  const auto resetList = [&] {
    data.cycle([&](IniFile& ini) {
      ini.writeString(QStringLiteral("QGracz anonimowy"), QStringLiteral("L8"), list);
    });
  };
  print("DrawQuestion + LoadQuestion, 255 questions, 200 asked", timeIt(50, draw, resetList), 2);
  print("the same, the file changed outside just before",
        timeIt(50, draw,
               [&] {
                 resetList();
                 changeOutside(data.path());
               }),
        2);
  print("the start check (15 levels, 815 questions)",
        timeIt(20, [&] { (void)bank.everyLevelPlayable(); }), 2);
  shell.FormDestroy();
  return 0;
}
