#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

// Makes a folder unwritable for as long as it lives: by its mode for an ordinary user, and by
// the immutable attribute for root, whom modes do not stop.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(QString path) : m_path(std::move(path)) {
    m_mode = QFile::permissions(m_path);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (writable()) m_immutable = QProcess::execute("chattr", {"+i", m_path}) == 0;
  }
  ~ReadOnlyFolder() {
    if (m_immutable) QProcess::execute("chattr", {"-i", m_path});
    QFile::setPermissions(m_path, m_mode);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  // True when a real attempt to create a file in the folder fails.
  bool holds() const { return !writable(); }

 private:
  bool writable() const {
    QFile probe(QDir(m_path).filePath(QStringLiteral(".write-probe")));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    probe.remove();
    return true;
  }

  QString m_path;
  QFile::Permissions m_mode;
  bool m_immutable = false;
};
