#include "storage/IniFile.h"

#include <QHash>
#include <algorithm>
#include <initializer_list>
#include <limits>
#include <optional>
#include <vector>

namespace {

// Blank lines, comments (";") and anything else are kept as they are and never matched.
enum class Kind : quint8 { Other, Header, Key };

// One line of the text. Lines read stay in the source text and lines written are kept in a
// list of their own: a data file has thousands of lines, and a copy or a bigger record for
// each would cost more than the whole parse.
struct Line {
  qsizetype start = 0;  // in the source text, or in the written line `own`
  qsizetype length = 0;
  qint32 own = -1;       // index of a written line, -1 for a line of the source
  qint32 nameStart = 0;  // header name or key, within the line
  qint32 nameLength = 0;
  qint32 valueStart = 0;  // value of a key line
  qint32 valueLength = 0;
  quint32 nameHash = 0;  // of a key, to skip most comparisons
  Kind kind = Kind::Other;
};

struct Section {
  Line header;
  std::vector<Line> body;  // every line up to the next header
};

// Names match by simple case folding, one UTF-16 unit at a time; hash and comparison use the
// same folding, so they always agree.
char16_t foldUnit(char16_t c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
  const char32_t folded = QChar::toCaseFolded(static_cast<char32_t>(c));
  return folded <= 0xFFFF ? static_cast<char16_t>(folded) : c;
}

bool sameName(QStringView a, QStringView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (foldUnit(a[i].unicode()) != foldUnit(b[i].unicode())) return false;
  return true;
}

// A cheap fingerprint of a key (its length and last letters, folded) that rules out most
// comparisons; keys like "Pytanie1" ... "Pytanie120" differ at the end.
quint32 nameHash(QStringView name) {
  quint32 h = quint32(name.size());
  for (qsizetype i = std::max<qsizetype>(0, name.size() - 4); i < name.size(); ++i)
    h = h * 31 + foldUnit(name[i].unicode());
  return h;
}

QString foldedName(QStringView name) {
  QString out(name.size(), Qt::Uninitialized);
  QChar* d = out.data();
  for (qsizetype i = 0; i < name.size(); ++i) d[i] = QChar(foldUnit(name[i].unicode()));
  return out;
}

// QChar::isSpace without its slow path for letters such as "ń" that end many values.
Q_ALWAYS_INLINE bool isSpace(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80) return u == u' ' || (u >= 0x09 && u <= 0x0D);
  return u < 0x1680 ? u == 0x85 || u == 0xA0 : c.isSpace();
}

// [begin, end) of `text` without the spaces around it.
void trimRange(QStringView text, qsizetype& begin, qsizetype& end) {
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
}

QStringView trimmed(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  trimRange(text, begin, end);
  return text.mid(begin, end - begin);
}

void classify(Line& line, QStringView text) {
  line.kind = Kind::Other;
  if (text.size() > std::numeric_limits<qint32>::max()) return;  // no such line is a setting
  qsizetype begin = 0;
  qsizetype end = text.size();
  trimRange(text, begin, end);
  if (begin == end || text[begin] == u';') return;
  if (text[begin] == u'[') {
    const qsizetype close = text.lastIndexOf(u']');
    if (close > begin) {
      qsizetype nameBegin = begin + 1;
      qsizetype nameEnd = close;
      trimRange(text, nameBegin, nameEnd);
      line.kind = Kind::Header;
      line.nameStart = qint32(nameBegin);
      line.nameLength = qint32(nameEnd - nameBegin);
      return;
    }
  }
  const qsizetype eq = text.indexOf(u'=', begin);
  if (eq < 0 || eq >= end) return;
  qsizetype keyBegin = begin;
  qsizetype keyEnd = eq;
  trimRange(text, keyBegin, keyEnd);
  if (keyBegin == keyEnd) return;  // "=x" names nothing
  qsizetype valueBegin = eq + 1;
  qsizetype valueEnd = end;
  trimRange(text, valueBegin, valueEnd);
  line.kind = Kind::Key;
  line.nameStart = qint32(keyBegin);
  line.nameLength = qint32(keyEnd - keyBegin);
  line.valueStart = qint32(valueBegin);
  line.valueLength = qint32(valueEnd - valueBegin);
  line.nameHash = nameHash(text.mid(keyBegin, keyEnd - keyBegin));
}

QString concat(std::initializer_list<QStringView> parts) {
  qsizetype size = 0;
  for (QStringView part : parts) size += part.size();
  QString out;
  out.reserve(size);
  for (QStringView part : parts) out.append(part);
  return out;
}

// Names that, once written, read back as themselves: a key line must not turn into a
// header, a comment or a different key, and no name may break its line.
bool canBeSectionName(QStringView name) { return !name.contains(u'\r') && !name.contains(u'\n'); }

bool canBeKeyName(QStringView name) {
  return !name.isEmpty() && name.front() != u'[' && name.front() != u';' && !name.contains(u'=') &&
         !name.contains(u'\r') && !name.contains(u'\n');
}

std::optional<int> parseInteger(QStringView s) {
  int base = 10;
  bool negative = false;
  if (s.size() > 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
    base = 16;
    s = s.mid(2);
  } else if (s.startsWith(u'-')) {
    negative = true;
    s = s.mid(1);
  }
  if (s.isEmpty()) return std::nullopt;
  const qint64 limit = qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
  qint64 value = 0;
  for (QChar c : s) {
    const int digit = (c >= u'0' && c <= u'9')               ? c.unicode() - u'0'
                      : base == 16 && c >= u'a' && c <= u'f' ? c.unicode() - u'a' + 10
                      : base == 16 && c >= u'A' && c <= u'F' ? c.unicode() - u'A' + 10
                                                             : -1;
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

struct IniFile::Data {
  QString source;
  std::vector<QString> written;
  std::vector<Line> preamble;       // text before the first header: kept, never matched
  std::vector<Section> sections;    // every header in file order, duplicates included
  QHash<QString, qsizetype> first;  // folded name -> first section of that name
  bool changed = false;

  QStringView lineText(const Line& line) const {
    return QStringView(line.own < 0 ? source : written[size_t(line.own)])
        .mid(line.start, line.length);
  }
  QStringView nameOf(const Line& line) const {
    return lineText(line).mid(line.nameStart, line.nameLength);
  }
  QStringView valueOf(const Line& line) const {
    return lineText(line).mid(line.valueStart, line.valueLength);
  }

  // A line the game writes; a line rewritten again reuses its text's place.
  Line writtenLine(QString text, qint32 reuse = -1) {
    Line line;
    if (reuse >= 0) {
      line.own = reuse;
      written[size_t(reuse)] = std::move(text);
    } else {
      line.own = qint32(written.size());
      written.push_back(std::move(text));
    }
    const QString& own = written[size_t(line.own)];
    line.length = own.size();
    classify(line, own);
    return line;
  }

  void parse(const QString& text) {
    source = text;
    const QStringView all(source);
    qsizetype start = 0;
    const qsizetype size = all.size();
    auto addLine = [&](qsizetype begin, qsizetype length) {
      Line line;
      line.start = begin;
      line.length = length;
      classify(line, all.mid(begin, length));
      if (line.kind == Kind::Header) {
        sections.push_back(Section{std::move(line), {}});
        const QString folded = foldedName(nameOf(sections.back().header));
        if (!first.contains(folded)) first.insert(folded, qsizetype(sections.size() - 1));
      } else if (sections.empty()) {
        preamble.push_back(std::move(line));
      } else {
        sections.back().body.push_back(std::move(line));
      }
    };
    // Lines end at CR LF, CR or LF; the searches for the ends are the vectorised ones.
    while (start < size) {
      qsizetype lf = all.indexOf(u'\n', start);
      if (lf < 0) lf = size;
      qsizetype cr = all.mid(start, lf - start).indexOf(u'\r');
      if (cr < 0) {
        addLine(start, lf - start);
        start = lf + 1;
        continue;
      }
      cr += start;
      addLine(start, cr - start);
      start = cr + 1 < size && all[cr + 1] == u'\n' ? cr + 2 : cr + 1;
    }
  }

  template <class Fn>
  void forEachLine(Fn fn) const {
    std::for_each(preamble.begin(), preamble.end(), fn);
    for (const Section& s : sections) {
      fn(s.header);
      std::for_each(s.body.begin(), s.body.end(), fn);
    }
  }

  void reindex() {  // backwards, so that the first of duplicates is the one left
    first.clear();
    for (qsizetype i = qsizetype(sections.size()) - 1; i >= 0; --i)
      first.insert(foldedName(nameOf(sections[size_t(i)].header)), i);
  }

  Section* findSection(QStringView name) {
    const auto it = first.constFind(foldedName(trimmed(name)));
    return it == first.cend() ? nullptr : &sections[size_t(*it)];
  }
  const Section* findSection(QStringView name) const {
    return const_cast<Data*>(this)->findSection(name);
  }

  qsizetype findKey(const Section& section, QStringView key) const {
    key = trimmed(key);
    const quint32 hash = nameHash(key);
    for (size_t i = 0; i < section.body.size(); ++i) {
      const Line& line = section.body[i];
      if (line.kind == Kind::Key && line.nameHash == hash && sameName(nameOf(line), key))
        return qsizetype(i);
    }
    return -1;
  }

  // The value as read: a pair of quotes around it is dropped and it is cut to the limit.
  std::optional<QStringView> read(QStringView section, QStringView key) const {
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    const qsizetype i = findKey(*s, key);
    if (i < 0) return std::nullopt;
    QStringView value = valueOf(s->body[size_t(i)]);
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
      value = value.mid(1, value.size() - 2);
    return value.left(MaxValueLength);
  }
};

IniFile::IniFile() : m_data(std::make_unique<Data>()) {}

IniFile::IniFile(const QString& text) : m_data(std::make_unique<Data>()) { m_data->parse(text); }

IniFile::IniFile(const IniFile& other) : m_data(std::make_unique<Data>(*other.m_data)) {}

IniFile& IniFile::operator=(const IniFile& other) {
  if (this == &other) return *this;
  if (m_data)
    *m_data = *other.m_data;
  else  // moved from
    m_data = std::make_unique<Data>(*other.m_data);
  return *this;
}

IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;
IniFile::~IniFile() = default;

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
  const auto value = m_data->read(section, key);
  return value ? value->toString() : def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const {
  const auto value = m_data->read(section, key);
  if (!value) return def;
  return parseInteger(*value).value_or(def);
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const {
  return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
  const QStringView sectionName = trimmed(section);
  const QStringView keyName = trimmed(key);
  if (!canBeSectionName(sectionName) || !canBeKeyName(keyName)) return;
  // A value is one line: a line break in it is stored as a space.
  QString oneLine = value;
  oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
  const QStringView newValue = trimmed(oneLine);

  Data& d = *m_data;
  Section* s = d.findSection(sectionName);
  if (!s) {
    d.sections.push_back(Section{d.writtenLine(concat({u"[", sectionName, u"]"})), {}});
    d.sections.back().body.push_back(d.writtenLine(concat({keyName, u"=", newValue})));
    d.first.insert(foldedName(sectionName), qsizetype(d.sections.size() - 1));
    d.changed = true;
    return;
  }
  const qsizetype i = d.findKey(*s, keyName);
  if (i >= 0) {
    Line& line = s->body[size_t(i)];
    if (d.valueOf(line) == newValue) return;
    line = d.writtenLine(concat({d.nameOf(line), u"=", newValue}), line.own);
  } else {
    auto lastKey = std::find_if(s->body.rbegin(), s->body.rend(),
                                [](const Line& l) { return l.kind == Kind::Key; });
    s->body.insert(lastKey.base(), d.writtenLine(concat({keyName, u"=", newValue})));
  }
  d.changed = true;
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
  writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
  writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList IniFile::sections() const {
  QStringList names;
  names.reserve(qsizetype(m_data->sections.size()));
  for (const Section& s : m_data->sections) names.append(m_data->nameOf(s.header).toString());
  return names;
}

QStringList IniFile::keys(const QString& section) const {
  QStringList names;
  if (const Section* s = m_data->findSection(section)) {
    for (const Line& line : s->body)
      if (line.kind == Kind::Key) names.append(m_data->nameOf(line).toString());
  }
  return names;
}

bool IniFile::sectionExists(const QString& section) const {
  const Section* s = m_data->findSection(section);
  return s && std::any_of(s->body.begin(), s->body.end(),
                          [](const Line& l) { return l.kind == Kind::Key; });
}

void IniFile::eraseSection(const QString& section) {
  Data& d = *m_data;
  const QStringView name = trimmed(section);
  const auto removed = std::erase_if(
      d.sections, [&](const Section& s) { return sameName(d.nameOf(s.header), name); });
  if (removed == 0) return;
  d.reindex();
  d.changed = true;
}

void IniFile::deleteKey(const QString& section, const QString& key) {
  Data& d = *m_data;
  Section* s = d.findSection(section);
  if (!s) return;
  // Every line of that key goes, so that a duplicate cannot show through afterwards.
  const QStringView name = trimmed(key);
  const quint32 hash = nameHash(name);
  const auto removed = std::erase_if(s->body, [&](const Line& l) {
    return l.kind == Kind::Key && l.nameHash == hash && sameName(d.nameOf(l), name);
  });
  if (removed > 0) d.changed = true;
}

QString IniFile::text() const {
  const Data& d = *m_data;
  qsizetype size = 0;
  d.forEachLine([&](const Line& line) { size += d.lineText(line).size() + 2; });
  QString out(size, Qt::Uninitialized);
  QChar* at = out.data();
  d.forEachLine([&](const Line& line) {
    const QStringView text = d.lineText(line);
    at = std::copy(text.begin(), text.end(), at);
    *at++ = u'\r';
    *at++ = u'\n';
  });
  return out;
}

bool IniFile::changed() const { return m_data->changed; }

void IniFile::markStored() { m_data->changed = false; }
