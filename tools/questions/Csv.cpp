#include "tools/questions/Csv.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// Each line that is not UTF-8, by its number; a file saved in another code page shows there.
std::vector<CsvError> encodingErrors(const QByteArray& bytes) {
  std::vector<CsvError> errors;
  int number = 0;
  for (const QByteArray& line : bytes.split('\n')) {
    ++number;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(line);  // decoding happens on conversion
    if (decoder.hasError())
      errors.push_back({number, QStringLiteral("not UTF-8 text; save the sheet as \"CSV UTF-8\"")});
  }
  return errors;
}

QChar separatorOf(QStringView text) {
  const QStringView first = text.left(text.indexOf(u'\n'));
  return first.count(u';') > first.count(u',') ? QChar(u';') : QChar(u',');
}

}  // namespace

CsvTable readCsv(const QByteArray& bytes) {
  CsvTable table;
  table.errors = encodingErrors(bytes);
  if (!table.errors.empty()) return table;
  QString text = QString::fromUtf8(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  const QChar separator = separatorOf(text);

  int line = 1;
  CsvRecord record{line, {}};
  QString field;
  bool quoted = false;    // inside quotes
  bool anything = false;  // the record has a character, so a line end closes a record
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    const bool lineEnd = c == u'\n' || c == u'\r';
    if (quoted) {
      if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
        field += u'"';
        ++i;
      } else if (c == u'"') {
        quoted = false;
      } else {
        field += lineEnd ? QChar(u'\n') : c;
      }
      if (lineEnd) ++line;
      continue;
    }
    if (c == u'"' && field.isEmpty()) {
      quoted = anything = true;
    } else if (c == separator) {
      record.fields << field;
      field.clear();
      anything = true;
    } else if (lineEnd) {
      if (anything) {
        record.fields << field;
        table.records.push_back(record);
      }
      field.clear();
      anything = false;
      record = {++line, {}};
    } else {
      field += c;
      anything = true;
    }
  }
  if (quoted)
    table.errors.push_back({record.line, QStringLiteral("a quoted field is never closed")});
  else if (anything) {
    record.fields << field;
    table.records.push_back(record);
  }
  return table;
}

QString csvRecord(const QStringList& fields) {
  static const QRegularExpression special(QStringLiteral("[,;\"\r\n]|^\\s|\\s$"));
  QStringList out;
  for (const QString& f : fields)
    out << (f.contains(special) ? u'"' + QString(f).replace(u'"', QStringLiteral("\"\"")) + u'"'
                                : f);
  return out.join(u',') + u'\n';
}
