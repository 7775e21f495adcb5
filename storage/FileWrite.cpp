#include "storage/FileWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

bool writeAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    left -= n;
  }
  return true;
}

int writeWholeFile(const QString& path, const QByteArray& bytes) {
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  const int error = writeAll(fd, bytes) ? 0 : errno;
  if (::close(fd) != 0 && !error) return errno;
  return error;
}

QString describeWriteError(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return QString::fromUtf8("na dysku brakuje miejsca");
    case EROFS:
      return QString::fromUtf8("dysk jest tylko do odczytu");
    case EACCES:
    case EPERM:
      return QString::fromUtf8("brak prawa zapisu w tym folderze");
    case EISDIR:
      return QString::fromUtf8("w miejscu pliku jest folder o tej samej nazwie");
    case ENOENT:
    case ENOTDIR:
      return QString::fromUtf8("folder nie istnieje");
    case EILSEQ:
      return QString::fromUtf8("tekst zawiera znaki, których gra nie umie zapisać");
    default:
      return QString::fromUtf8("błąd zapisu na dysku");
  }
}
