#include "storage/ScrambleFile.h"

#include <QDir>
#include <QFile>

namespace {
const QByteArray kCrLf("\r\n");
}

std::vector<QByteArray> splitTextLines(const QByteArray& text) {
  std::vector<QByteArray> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.mid(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.mid(start));
  return lines;
}

QByteArray scrambleText(const QByteArray& text) {
  QByteArray joined;
  joined.reserve(text.size() + 2);
  for (const QByteArray& line : splitTextLines(text)) joined += line + kCrLf;
  for (char& byte : joined) byte = static_cast<char>(static_cast<unsigned char>(byte) ^ ScrambleKey);

  // Unscrambling leaves the scrambled form's own CR LF behind as a line of its own.
  QByteArray stray;
  stray.append(static_cast<char>('\r' ^ ScrambleKey)).append(static_cast<char>('\n' ^ ScrambleKey));
  QByteArray result;
  result.reserve(joined.size() + 2);
  for (const QByteArray& line : splitTextLines(joined))
    if (line != stray) result += line + kCrLf;
  return result;
}

bool ScrambleFile(const QString& source, const QString& destination, QString* error) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) {
    if (error)
      *error = QString::fromUtf8("Nie można otworzyć pliku „%1”.").arg(QDir::toNativeSeparators(source));
    return false;
  }
  const QByteArray converted = scrambleText(in.readAll());
  in.close();
  QFile out(destination);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(converted) != converted.size() || !out.flush()) {
    if (error)
      *error = QString::fromUtf8("Błąd zapisu pliku „%1”.").arg(QDir::toNativeSeparators(destination));
    return false;
  }
  return true;
}
