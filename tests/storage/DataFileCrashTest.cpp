#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "storage/Cp1250.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"

namespace {

const QString kWriter = QStringLiteral(DATA_FILE_WRITER);
const QString kDataName = QStringLiteral("Opcje.oFK");
constexpr int kTrials = 200;
constexpr int kMaxDelayMicroseconds = 30000;

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The writer's version of `version`, stored by a run of its own that is left to finish;
// `cycleMicros` receives how long its cycle took.
QByteArray referenceVersion(const QString& path, const char* version,
                            qint64* cycleMicros = nullptr) {
  QProcess writer;
  writer.start(kWriter, {path, QString::fromLatin1(version)});
  EXPECT_TRUE(writer.waitForFinished(30000));
  EXPECT_EQ(writer.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
  if (cycleMicros) *cycleMicros = writer.readAllStandardOutput().trimmed().toLongLong();
  return fileBytes(path);
}

unsigned seed() {
  const char* fromEnv = std::getenv("FORTUNIAK_CRASH_SEED");
  return fromEnv ? static_cast<unsigned>(std::strtoul(fromEnv, nullptr, 10)) : 20250607u;
}

TEST(DataFileCrash, AKilledWriterLeavesTheOldFileOrTheNewOneWhole) {
  QTemporaryDir refDir;
  QTemporaryDir workDir;
  ASSERT_TRUE(refDir.isValid() && workDir.isValid());
  const QByteArray versionA = referenceVersion(refDir.filePath(kDataName), "A");
  qint64 cycleMicros = 0;
  const QByteArray versionB = referenceVersion(refDir.filePath(kDataName), "B", &cycleMicros);
  ASSERT_FALSE(versionA.isEmpty());
  ASSERT_NE(versionA, versionB);
  for (const QByteArray& v : {versionA, versionB}) {
    ASSERT_NE(v.at(0), '[') << "the versions are stored scrambled";
    ASSERT_GT(IniFile(fromCp1250(scrambleText(v))).sections().size(), 50);
  }

  const QString dataPath = workDir.filePath(kDataName);
  std::mt19937 random(seed());
  // The kills spread over the first cycle of each run, its store included, and into the
  // second, however slow the build is (a sanitizer build is several times slower).
  const int maxDelay = int(std::max<qint64>(kMaxDelayMicroseconds, cycleMicros * 3 / 2));
  std::uniform_int_distribution<int> delay(0, maxDelay);
  int seenA = 0;
  int seenB = 0;
  int mostStrays = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    const int waitMicroseconds = delay(random);
    SCOPED_TRACE(testing::Message() << "seed " << seed() << ", trial " << trial << ", killed after "
                                    << waitMicroseconds << " us");
    QProcess writer;
    writer.start(kWriter, {dataPath});
    ASSERT_TRUE(writer.waitForStarted(10000));
    ASSERT_TRUE(writer.waitForReadyRead(10000)) << "the writer never began";
    std::this_thread::sleep_for(std::chrono::microseconds(waitMicroseconds));
    ASSERT_EQ(writer.state(), QProcess::Running)
        << "the writer stopped by itself: " << writer.readAllStandardError().toStdString();
    writer.kill();  // SIGKILL: no clean-up of any kind
    ASSERT_TRUE(writer.waitForFinished(10000));

    // Leftovers of a killed writer may only be its own temporary files beside the data file.
    QStringList strays = QDir(workDir.path()).entryList(QDir::Files | QDir::Hidden);
    strays.removeAll(kDataName);
    for (const QString& stray : strays)
      ASSERT_TRUE(stray.startsWith(kDataName + u'.')) << stray.toStdString();
    mostStrays = std::max(mostStrays, int(strays.size()));

    // Before the first store there is no file (the initial state); after it, a whole version.
    if (!QFile::exists(dataPath)) {
      ASSERT_EQ(seenA + seenB, 0) << "the file vanished after it had been stored";
      continue;
    }
    const QByteArray onDisk = fileBytes(dataPath);
    if (onDisk == versionA) {
      ++seenA;
    } else if (onDisk == versionB) {
      ++seenB;
    } else {
      FAIL() << "a torn or foreign file of " << onDisk.size() << " bytes (versions have "
             << versionA.size() << " and " << versionB.size() << ")";
    }
  }
  // Both versions must have been seen: the writer kept completing cycles, trial after trial,
  // whatever an earlier kill had left behind.
  EXPECT_GT(seenA, 0);
  EXPECT_GT(seenB, 0);
  RecordProperty("seenA", seenA);
  RecordProperty("seenB", seenB);
  RecordProperty("mostStrays", mostStrays);
  std::printf(
      "%d trials, kills within %d us: version A seen %d times, B %d times, at most %d "
      "stray files\n",
      kTrials, maxDelay, seenA, seenB, mostStrays);

  // And the game itself still reads and writes the file afterwards.
  const DataFile file(workDir.path() + u'/', kDataName, false);
  QString version;
  ASSERT_TRUE(file.cycle([&](IniFile& ini) {
    version = ini.readString(QStringLiteral("Gra"), QStringLiteral("Wersja"));
    ini.writeString(QStringLiteral("Gra"), QStringLiteral("Po"), QStringLiteral("1"));
  }));
  EXPECT_TRUE(version == u'A' || version == u'B') << version.toStdString();
  IniFile after(fromCp1250(scrambleText(fileBytes(dataPath))));
  EXPECT_EQ(after.readString(QStringLiteral("Gra"), QStringLiteral("Po")), QStringLiteral("1"));
}

}  // namespace
