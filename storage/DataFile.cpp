#include "storage/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <optional>

#include "storage/Cp1250.h"
#include "storage/FileWrite.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"

namespace {

const QString kPlainCopyName = QStringLiteral("Opcje.txt");

enum class FileState { Missing, Read, Unreadable };

FileState readFile(const QString& path, QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return file.exists() ? FileState::Unreadable : FileState::Missing;
  bytes = file.readAll();
  return file.error() == QFileDevice::NoError ? FileState::Read : FileState::Unreadable;
}

// The plain text with CR LF line ends, as ScrambleFile leaves it.
QByteArray plainForm(const QByteArray& onDisk) {
  if (!onDisk.startsWith('[')) return scrambleText(onDisk);
  QByteArray plain;
  plain.reserve(onDisk.size() + onDisk.size() / 16);
  for (const QByteArray& line : splitTextLines(onDisk)) plain.append(line).append("\r\n");
  return plain;
}

#ifdef FORTUNIAK_DATA_FILE_UNSYNCED
// Only the write-order test's counter-example is built without the flushes.
constexpr bool kFlushToDisk = false;
#else
constexpr bool kFlushToDisk = true;
#endif

// The folder's entry of a renamed file reaches the disk only when the folder is flushed.
bool flushFolderOf(const QString& path) {
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool flushed = ::fsync(fd) == 0;
  ::close(fd);
  return flushed;
}

// A temporary file beside `path`, new and empty. Made with the mode a new file gets (the
// user's umask applies), then given the data file's own mode when there is one, so a save
// never changes who may read the player's file.
int createTemporaryBeside(const QString& path, QByteArray& name) {
  struct stat existing {};
  const bool hasMode = ::stat(QFile::encodeName(path).constData(), &existing) == 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = QFile::encodeName(path) + '.' +
           QByteArray::number(QRandomGenerator::global()->generate(), 36);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd >= 0 && hasMode) ::fchmod(fd, existing.st_mode & 07777);
    return fd;
  }
  return -1;
}

// The new text goes to a temporary file beside the data file, which is then renamed over it:
// a rename is atomic, so whenever the game stops, even killed, the data file is the old one or
// the new one, whole. Its bytes reach the disk before the rename and the new name after it,
// so a power cut cannot leave a name that points to blocks never written. Returns 0, or the
// errno of the step that failed.
int storeWhole(const QString& path, const QByteArray& bytes) {
  QByteArray temporary;
  const int fd = createTemporaryBeside(path, temporary);
  if (fd < 0) return errno;
  int error = 0;
  if (!writeAll(fd, bytes) || (kFlushToDisk && ::fdatasync(fd) != 0)) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
    error = errno;
  if (error) {
    ::unlink(temporary.constData());
    return error;
  }
  // The new text is in place; a folder that cannot be flushed still reports the write as
  // failed, since a power cut could take the name back.
  return !kFlushToDisk || flushFolderOf(path) ? 0 : errno;
}

// The file as this process last read or wrote it, kept parsed. A cycle that finds the same
// bytes on disk again skips unscrambling, decoding and parsing, which are most of its cost;
// comparing the bytes themselves (not sizes or times) keeps any change made outside seen, and
// equal bytes parse alike whichever file they came from.
struct Snapshot {
  QByteArray onDisk;
  QByteArray plain;
  std::optional<IniFile> ini;
};

std::mutex snapshotMutex;
Snapshot lastSnapshot;

// The parsed text of `onDisk`, taken from the snapshot when it matches (the snapshot is then
// empty until the cycle gives it back).
IniFile takeParsed(const QByteArray& onDisk, QByteArray& plain) {
  {
    std::lock_guard lock(snapshotMutex);
    if (lastSnapshot.ini && lastSnapshot.onDisk == onDisk) {
      plain = lastSnapshot.plain;
      IniFile ini = std::move(*lastSnapshot.ini);
      lastSnapshot = {};
      return ini;
    }
  }
  plain = plainForm(onDisk);
  return IniFile(fromCp1250(plain));
}

void keepSnapshot(Snapshot snapshot) {
  std::lock_guard lock(snapshotMutex);
  lastSnapshot = std::move(snapshot);
}

}  // namespace

DataFile::DataFile(QString appDir, QString fileName, bool testMode,
                   std::function<void(int)> writeFailed)
    : m_appDir(std::move(appDir)),
      m_fileName(std::move(fileName)),
      m_testMode(testMode),
      m_writeFailed(std::move(writeFailed)) {}

QString DataFile::path() const { return m_appDir + m_fileName; }

bool DataFile::cycle(const std::function<void(IniFile&)>& body, TestCopy copy) const {
  const QString file = path();
  QByteArray onDisk;
  const FileState state = readFile(file, onDisk);
  QByteArray plain;
  IniFile ini = takeParsed(onDisk, plain);

  // The copy is only a help for testing; failing to write it does not stop the game.
  auto writePlainCopy = [&](const QByteArray& bytes) {
    QFile out(m_appDir + kPlainCopyName);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(bytes);
  };
  if (m_testMode && copy == TestCopy::Before && state == FileState::Read) writePlainCopy(plain);

  body(ini);

  bool copyable = state == FileState::Read;
  if (ini.changed()) {
    auto failed = [this](int error) {
      if (m_writeFailed) m_writeFailed(error);
      return false;
    };
    // A file that could not be read is never replaced by a text built from nothing.
    if (state == FileState::Unreadable) return failed(EACCES);
    const std::optional<QByteArray> encoded = toCp1250(ini.text());
    if (!encoded) return failed(EILSEQ);
    onDisk = scrambleText(*encoded);
    if (const int error = storeWhole(file, onDisk)) return failed(error);
    plain = *encoded;
    ini.markStored();
    copyable = true;
  }
  if (copyable) keepSnapshot({onDisk, plain, std::move(ini)});
  if (m_testMode && copy == TestCopy::After && copyable) writePlainCopy(plain);
  return true;
}

void DataFile::read(const std::function<void(const IniFile&)>& body) const {
  cycle([&](IniFile& ini) { body(ini); });
}
