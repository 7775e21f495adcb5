#include "storage/ScrambleFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "storage/FileWrite.h"

namespace {

// Calls `line(begin, length)` for every line of `text`, without copying. Line breaks are found
// with memchr, which scans a whole data file in a fraction of a millisecond.
template <class LineFn>
void forEachLine(const QByteArray& text, LineFn line) {
  const char* data = text.constData();
  const char* const end = data + text.size();
  const char* nextCr = nullptr;
  const char* nextLf = nullptr;
  auto find = [end](const char* from, char c) {
    const void* hit = std::memchr(from, c, static_cast<size_t>(end - from));
    return hit ? static_cast<const char*>(hit) : end;
  };
  const char* start = data;
  while (start < end) {
    if (!nextCr || nextCr < start) nextCr = find(start, '\r');
    if (!nextLf || nextLf < start) nextLf = find(start, '\n');
    const char* brk = std::min(nextCr, nextLf);
    if (brk == end) {
      line(start, end - start);
      return;
    }
    line(start, brk - start);
    start = brk + ((*brk == '\r' && brk + 1 < end && brk[1] == '\n') ? 2 : 1);
  }
}

}  // namespace

std::vector<QByteArray> splitTextLines(const QByteArray& text) {
  std::vector<QByteArray> lines;
  forEachLine(text,
              [&](const char* begin, qsizetype length) { lines.emplace_back(begin, length); });
  return lines;
}

QByteArray scrambleText(const QByteArray& text) {
  constexpr char xorCr = static_cast<char>('\r' ^ ScrambleKey);
  constexpr char xorLf = static_cast<char>('\n' ^ ScrambleKey);
  // Every line with a CR LF, every byte XORed.
  QByteArray joined(2 * text.size() + 2, Qt::Uninitialized);  // a lone CR or LF grows to two
  char* out = joined.data();
  qsizetype n = 0;
  forEachLine(text, [&](const char* begin, qsizetype length) {
    for (qsizetype i = 0; i < length; ++i) out[n + i] = static_cast<char>(begin[i] ^ ScrambleKey);
    n += length;
    out[n++] = xorCr;
    out[n++] = xorLf;
  });
  joined.truncate(n);

  // Unscrambling leaves the scrambled form's own CR LF behind as a line of its own.
  QByteArray result(2 * joined.size() + 2, Qt::Uninitialized);  // as above
  char* to = result.data();
  forEachLine(joined, [&](const char* begin, qsizetype length) {
    if (length == 2 && begin[0] == xorCr && begin[1] == xorLf) return;
    to = std::copy(begin, begin + length, to);
    *to++ = '\r';
    *to++ = '\n';
  });
  result.truncate(to - result.constData());
  return result;
}

bool ScrambleFile(const QString& source, const QString& destination, QString* error) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) {
    if (error)
      *error =
          QString::fromUtf8("Nie można otworzyć pliku „%1”.").arg(QDir::toNativeSeparators(source));
    return false;
  }
  const QByteArray converted = scrambleText(in.readAll());
  in.close();
  if (const int failure = writeWholeFile(destination, converted)) {
    // The file written is one of the game's own; the player can act on the folder.
    if (error)
      *error = QString::fromUtf8(
                   "Gra nie może zapisać swoich plików w folderze „%1”: %2. Zwolnij miejsce na "
                   "dysku albo sprawdź, czy ten folder można zapisywać, i uruchom grę ponownie.")
                   .arg(QDir::toNativeSeparators(QFileInfo(destination).absolutePath()),
                        describeWriteError(failure));
    return false;
  }
  return true;
}
