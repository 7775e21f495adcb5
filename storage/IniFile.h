#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// An INI text in memory with the conventions the game's files rely on:
// - section and key names match without regard to letter case;
// - reading never creates anything; a missing section or key gives the caller's default;
// - writing a new section appends it at the end, a new key at the end of its section, and
//   an existing key keeps its place (and the letter case of its name);
// - sections are listed in file order; a section "exists" when it holds at least one key;
// - integers are written in decimal and read in decimal, or hexadecimal after "0x"/"0X"
//   (more than two characters); a value that is not a number reads as the default;
// - booleans are written "1"/"0"; any number other than 0 reads as true;
// - values read back are cut at 2047 characters; spaces around names and values are ignored.
class IniFile {
 public:
  IniFile();
  explicit IniFile(const QString& text);
  IniFile(const IniFile&);
  IniFile& operator=(const IniFile&);
  IniFile(IniFile&&) noexcept;
  IniFile& operator=(IniFile&&) noexcept;
  ~IniFile();

  static constexpr int MaxValueLength = 2047;

  QString readString(const QString& section, const QString& key, const QString& def = {}) const;
  int readInteger(const QString& section, const QString& key, int def) const;
  bool readBool(const QString& section, const QString& key, bool def) const;

  void writeString(const QString& section, const QString& key, const QString& value);
  void writeInteger(const QString& section, const QString& key, int value);
  void writeBool(const QString& section, const QString& key, bool value);

  QStringList sections() const;                      // every section header, in file order
  QStringList keys(const QString& section) const;    // in file order
  bool sectionExists(const QString& section) const;  // has at least one key
  void eraseSection(const QString& section);
  void deleteKey(const QString& section, const QString& key);

  // The whole text, lines ending in CR LF.
  QString text() const;
  // True once a write, an erase or a delete has changed the text.
  bool changed() const;
  // The text as it stands has been stored: later changes count from here.
  void markStored();

 private:
  struct Data;
  std::unique_ptr<Data> m_data;
};
