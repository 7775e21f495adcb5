#include "storage/Cp1250.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

// One conversion through iconv; nullopt when the input cannot be converted in full.
std::optional<QByteArray> convert(const char* to, const char* from, const QByteArray& input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  QByteArray out;
  std::string in(input.constData(), static_cast<size_t>(input.size()));
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char buffer[4096];
  bool ok = true;
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<qsizetype>(sizeof buffer - outLeft));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

std::optional<QByteArray> toCp1250(const QString& text) {
  return convert("WINDOWS-1250", "UTF-8", text.toUtf8());
}

bool fitsCp1250(const QString& text) { return toCp1250(text).has_value(); }

QString fromCp1250(const QByteArray& bytes) {
  // Every byte has a meaning or is left undefined; undefined ones become U+FFFD.
  if (auto utf8 = convert("UTF-8", "WINDOWS-1250", bytes)) return QString::fromUtf8(*utf8);
  QString out;
  for (char c : bytes) {
    auto one = convert("UTF-8", "WINDOWS-1250", QByteArray(1, c));
    out += one ? QString::fromUtf8(*one) : QString(QChar::ReplacementCharacter);
  }
  return out;
}
