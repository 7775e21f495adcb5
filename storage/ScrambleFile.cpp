#include "storage/ScrambleFile.h"

#include <QDir>
#include <QFile>

namespace {
const QByteArray kCrLf("\r\n");
}

namespace {

// Calls `line(begin, length)` for every line of `text`, without copying.
template <class LineFn>
void forEachLine(const QByteArray& text, LineFn line) {
  const char* data = text.constData();
  const qsizetype size = text.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < size; ++i) {
    const char c = data[i];
    if (c != '\r' && c != '\n') continue;
    line(data + start, i - start);
    if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < size) line(data + start, size - start);
}

}  // namespace

std::vector<QByteArray> splitTextLines(const QByteArray& text) {
  std::vector<QByteArray> lines;
  forEachLine(text, [&](const char* begin, qsizetype length) { lines.emplace_back(begin, length); });
  return lines;
}

QByteArray scrambleText(const QByteArray& text) {
  constexpr char xorCr = static_cast<char>('\r' ^ ScrambleKey);
  constexpr char xorLf = static_cast<char>('\n' ^ ScrambleKey);
  const char* in = text.constData();
  const qsizetype size = text.size();

  // Every line with a CR LF, every byte XORed, in one pass (start-up converts the whole
  // questions file this way).
  QByteArray joined(2 * size + 2, Qt::Uninitialized);  // a lone CR or LF becomes two bytes
  char* out = joined.data();
  qsizetype n = 0;
  for (qsizetype i = 0; i < size; ++i) {
    const char c = in[i];
    if (c == '\r' || c == '\n') {
      out[n++] = xorCr;
      out[n++] = xorLf;
      if (c == '\r' && i + 1 < size && in[i + 1] == '\n') ++i;
    } else {
      out[n++] = static_cast<char>(c ^ ScrambleKey);
    }
  }
  if (size > 0 && in[size - 1] != '\r' && in[size - 1] != '\n') {
    out[n++] = xorCr;
    out[n++] = xorLf;
  }
  joined.truncate(n);

  // Unscrambling leaves the scrambled form's own CR LF behind as a line of its own.
  QByteArray result;
  result.reserve(joined.size() + 2);
  forEachLine(joined, [&](const char* begin, qsizetype length) {
    if (length == 2 && begin[0] == xorCr && begin[1] == xorLf) return;
    result.append(begin, length).append(kCrLf);
  });
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
