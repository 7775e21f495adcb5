#include "storage/DataFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#include "storage/Cp1250.h"
#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"

namespace {

const QString kPlainCopyName = QStringLiteral("Opcje.txt");

enum class FileState { Missing, Read, Unreadable };

FileState readFile(const QString& path, QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return file.exists() ? FileState::Unreadable : FileState::Missing;
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

// A rename reaches the disk with its folder's entry, not with the file.
void syncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// QSaveFile writes a temporary file beside the target, flushes it to disk and renames it
// over the target, so a crash at any moment leaves the old file or the new one, whole.
bool storeWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) return false;
  syncFolder(QFileInfo(path).absolutePath());
  return true;
}

}  // namespace

DataFile::DataFile(QString appDir, QString fileName, bool testMode)
    : m_appDir(std::move(appDir)), m_fileName(std::move(fileName)), m_testMode(testMode) {}

QString DataFile::path() const { return m_appDir + m_fileName; }

bool DataFile::cycle(const std::function<void(IniFile&)>& body, TestCopy copy) const {
  const QString file = path();
  QByteArray onDisk;
  const FileState state = readFile(file, onDisk);
  QByteArray plain = plainForm(onDisk);

  // The copy is only a help for testing; failing to write it does not stop the game.
  auto writePlainCopy = [&](const QByteArray& bytes) {
    QFile out(m_appDir + kPlainCopyName);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(bytes);
  };
  if (m_testMode && copy == TestCopy::Before && state == FileState::Read) writePlainCopy(plain);

  IniFile ini(fromCp1250(plain));
  body(ini);

  bool copyable = state == FileState::Read;
  if (ini.changed()) {
    // A file that could not be read is never replaced by a text built from nothing.
    if (state == FileState::Unreadable) return false;
    const std::optional<QByteArray> encoded = toCp1250(ini.text());
    if (!encoded || !storeWhole(file, scrambleText(*encoded))) return false;
    plain = *encoded;
    copyable = true;
  }
  if (m_testMode && copy == TestCopy::After && copyable) writePlainCopy(plain);
  return true;
}

void DataFile::read(const std::function<void(const IniFile&)>& body) const {
  cycle([&](IniFile& ini) { body(ini); });
}
