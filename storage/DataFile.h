#pragma once

#include <QString>
#include <functional>

class IniFile;

// The players' data file: every read or write is one cycle that reads the scrambled file,
// runs the body on its INI text and, only when the body changed something, stores the result
// scrambled again. The file on disk is at every moment a complete scrambled file, the old one
// or the new one: the new text is written to a temporary file beside it, flushed and renamed
// over it. A file found in plain form (it begins with "[") is read as plain and stored
// scrambled at the next write.
class DataFile {
 public:
  enum class TestCopy {
    None,
    Before,  // the asked-question lists: plain copy "Opcje.txt" of the file before the access
    After,   // a record insertion: plain copy of the file after the access
  };

  // `appDir` ends with a separator; `testMode` enables the plain copies. `writeFailed` runs
  // with the errno value whenever a cycle cannot store what its body changed.
  DataFile(QString appDir, QString fileName, bool testMode,
           std::function<void(int error)> writeFailed = {});

  QString path() const;  // AppDir + DataFileName
  // One cycle. Returns false when a changed text could not be stored (nothing on disk changed).
  bool cycle(const std::function<void(IniFile&)>& body, TestCopy copy = TestCopy::None) const;
  // Convenience for a body that only reads.
  void read(const std::function<void(const IniFile&)>& body) const;

 private:
  QString m_appDir;
  QString m_fileName;
  bool m_testMode;
  std::function<void(int)> m_writeFailed;
};
