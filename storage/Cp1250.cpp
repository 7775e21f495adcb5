#include "storage/Cp1250.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace {

// The code page, one byte at a time, as glibc's iconv defines it. The five bytes it leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) stand for the control characters of the same
// number, so any byte of a file comes back out as it came in. Built once: whole files then
// convert by table, without a pass through iconv.
struct CodePage {
  std::array<char16_t, 256> toUnicode{};
  // Indexed by UTF-16 unit; 0 where the code page has no byte (the units below 0x80 are
  // never looked up). A flat table: a whole data file goes through it on every write.
  std::array<unsigned char, 0x10000> fromUnicode{};

  CodePage() {
    iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1250");
    for (int b = 0; b < 256; ++b) {
      if (b < 0x80) {
        toUnicode[b] = static_cast<char16_t>(b);
        continue;
      }
      if (cd == reinterpret_cast<iconv_t>(-1)) continue;
      char in = static_cast<char>(b);
      unsigned char out[4] = {};
      char* inPtr = &in;
      char* outPtr = reinterpret_cast<char*>(out);
      size_t inLeft = 1, outLeft = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && outLeft == 2)
        toUnicode[b] = static_cast<char16_t>(out[0] | (out[1] << 8));
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    for (int b = 0x80; b < 256; ++b)
      if (!toUnicode[b]) toUnicode[b] = static_cast<char16_t>(b);
    for (int b = 0x80; b < 256; ++b)
      if (toUnicode[b] && !fromUnicode[toUnicode[b]])
        fromUnicode[toUnicode[b]] = static_cast<unsigned char>(b);
  }
};

const CodePage& codePage() {
  static const CodePage page;
  return page;
}

}  // namespace

std::optional<QByteArray> toCp1250(const QString& text) {
  const CodePage& page = codePage();
  const qsizetype n = text.size();
  QByteArray out(n, Qt::Uninitialized);
  char* d = out.data();
  const auto* s = reinterpret_cast<const char16_t*>(text.utf16());
  // Most of a data file is ASCII: eight units at a time while none of them is above 0x7F,
  // one at a time through the table otherwise.
  constexpr quint64 highBits = 0xFF80FF80FF80FF80ULL;
  qsizetype i = 0;
  while (i < n) {
    if (i + 8 <= n) {
      quint64 a, b;
      std::memcpy(&a, s + i, 8);
      std::memcpy(&b, s + i + 4, 8);
      if (((a | b) & highBits) == 0) {
        for (int k = 0; k < 8; ++k) d[i + k] = static_cast<char>(s[i + k]);
        i += 8;
        continue;
      }
    }
    const char16_t c = s[i];
    if (c < 0x80) {
      d[i++] = static_cast<char>(c);
      continue;
    }
    const unsigned char b = page.fromUnicode[c];
    if (!b) return std::nullopt;
    d[i++] = static_cast<char>(b);
  }
  return out;
}

bool fitsCp1250(const QString& text) { return toCp1250(text).has_value(); }

QString fromCp1250(const QByteArray& bytes) {
  const CodePage& page = codePage();
  QString out(bytes.size(), Qt::Uninitialized);
  QChar* d = out.data();
  for (qsizetype i = 0; i < bytes.size(); ++i)
    d[i] = QChar(page.toUnicode[static_cast<unsigned char>(bytes[i])]);
  return out;
}
