// The INI text model against arbitrary texts and names.
//
// An input is a text, then up to three parts after NUL bytes: a section name, a key and a
// value to read and write with (fixed names stand in for missing parts).

#include <QString>
#include <QStringList>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "storage/IniFile.h"
#include "storage/ScrambleFile.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

bool isAsciiDigits(const std::string& s, bool hex) {
  if (s.empty()) return false;
  for (char c : s) {
    const bool digit =
        (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
    if (!digit) return false;
  }
  return true;
}

// What readInteger must give for a value read as `text`, worked out with std::from_chars.
int expectedInteger(const QString& text, int def) {
  const std::string s = text.toStdString();
  int value = 0;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    const std::string digits = s.substr(2);
    if (!isAsciiDigits(digits, true)) return def;
    const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return r.ec == std::errc() ? value : def;
  }
  const bool negative = !s.empty() && s[0] == '-';
  if (!isAsciiDigits(negative ? s.substr(1) : s, false)) return def;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), value, 10);
  return r.ec == std::errc() ? value : def;
}

// How a written value reads back: one line, trimmed, a pair of quotes dropped, cut.
QString expectedRead(const QString& written) {
  QString v = written;
  v.replace(u'\r', u' ').replace(u'\n', u' ');
  v = v.trimmed();
  if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"')) v = v.mid(1, v.size() - 2);
  return v.left(IniFile::MaxValueLength);
}

// Names are trimmed first (a line break around a name is only a space).
bool storableSection(const QString& name) {
  const QString section = name.trimmed();
  return !section.contains(u'\r') && !section.contains(u'\n');
}

bool storableKey(const QString& name) {
  const QString key = name.trimmed();
  return !key.isEmpty() && !key.startsWith(u'[') && !key.startsWith(u';') && !key.contains(u'=') &&
         !key.contains(u'\r') && !key.contains(u'\n');
}

// Both models hold the same sections, keys and values (within a bound, to stay fast).
void checkSameModel(const IniFile& a, const IniFile& b) {
  const QStringList sections = a.sections();
  CHECK(sections == b.sections());
  for (qsizetype i = 0; i < sections.size() && i < 32; ++i) {
    const QStringList keys = a.keys(sections[i]);
    CHECK(keys == b.keys(sections[i]));
    CHECK(a.sectionExists(sections[i]) == b.sectionExists(sections[i]));
    CHECK(a.sectionExists(sections[i]) == !keys.isEmpty());
    for (qsizetype k = 0; k < keys.size() && k < 32; ++k)
      CHECK(a.readString(sections[i], keys[k]) == b.readString(sections[i], keys[k]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<QString> parts;
  const char* bytes = reinterpret_cast<const char*>(data);
  size_t start = 0;
  for (size_t i = 0; i <= size && parts.size() < 4; ++i) {
    if (i < size && bytes[i] != '\0') continue;
    parts.push_back(QString::fromUtf8(bytes + start, qsizetype(i - start)));
    start = i + 1;
  }
  const QString text = parts[0];
  const QString section = parts.size() > 1 ? parts[1] : QStringLiteral("Gracz");
  const QString key = parts.size() > 2 ? parts[2] : QStringLiteral("Imie");
  const QString value = parts.size() > 3 ? parts[3] : QStringLiteral("Jan");

  // Parse, save, parse again: the same text and the same model.
  const IniFile ini(text);
  CHECK(!ini.changed());
  const QString saved = ini.text();
  // Every line kept as it was, with CR LF; lines split as the scrambler splits them.
  QByteArray lines;
  for (const QByteArray& line : splitTextLines(text.toUtf8())) lines += line + "\r\n";
  CHECK(saved.toUtf8() == lines);
  const IniFile again(saved);
  CHECK(again.text() == saved);
  checkSameModel(ini, again);

  // Reading any names is safe and creates nothing.
  const QString d1 = QStringLiteral("\x01");
  const QString d2 = QStringLiteral("\x02");
  const QString read = ini.readString(section, key, d1);
  const bool missing = read == d1 && ini.readString(section, key, d2) == d2;
  CHECK(read.size() <= IniFile::MaxValueLength || missing);
  const int def = 0x5EED;
  CHECK(ini.readInteger(section, key, def) == (missing ? def : expectedInteger(read, def)));
  CHECK(ini.readBool(section, key, true) == (ini.readInteger(section, key, 1) != 0));
  ini.keys(section);
  ini.sectionExists(section);
  CHECK(ini.text() == saved);

  // Writing gives the value back, here and after saving; names that cannot be stored are
  // refused and leave the text as it was.
  IniFile written(ini);
  written.writeString(section, key, value);
  if (storableSection(section) && storableKey(key)) {
    CHECK(written.readString(section, key, d1) == expectedRead(value));
    const IniFile reopened(written.text());
    CHECK(reopened.readString(section, key, d1) == expectedRead(value));
    CHECK(reopened.text() == written.text());
    CHECK(written.sectionExists(section));
    checkSameModel(written, reopened);
    const int number = int(qHash(value));
    written.writeInteger(section, key, number);
    CHECK(written.readInteger(section, key, ~number) == number);
    written.writeBool(section, key, false);
    CHECK(!written.readBool(section, key, true));
  } else {
    CHECK(written.text() == saved);
    CHECK(!written.changed());
  }

  // Removing leaves nothing of the key or the section to read.
  IniFile removed(written);
  removed.deleteKey(section, key);
  CHECK(removed.readString(section, key, d1) == d1);
  CHECK(IniFile(removed.text()).readString(section, key, d1) == d1);
  removed.eraseSection(section);
  CHECK(!removed.sectionExists(section));
  CHECK(removed.keys(section).isEmpty());
  CHECK(IniFile(removed.text()).text() == removed.text());
  return 0;
}
