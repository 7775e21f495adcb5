// Scrambling and the code page against arbitrary bytes.
//
// Scrambling XORs every byte and turns each line break into CR LF first, so CR and LF come
// out as 0x12 and 0x15. Only the bytes 0x12 and 0x15 of a text turn into CR and LF, hence
// for a text free of them:
//   scrambleText(x)               == XOR(lines(x)) + CR LF
//   scrambleText(scrambleText(x)) == lines(x)
// where lines(x) is every line of x ended with CR LF, and XOR(lines(x)) has no CR or LF.
// A text of one empty line is the exception: its scrambled form is just the stray CR LF,
// which the scrambler drops, so it scrambles to nothing.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "storage/Cp1250.h"
#include "storage/ScrambleFile.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

// Every line ended with CR LF; lines end at CR LF, CR or LF.
QByteArray lines(const QByteArray& x) {
  QByteArray out;
  for (qsizetype i = 0; i < x.size(); ++i) {
    if (x[i] == '\r' || x[i] == '\n') {
      out += "\r\n";
      if (x[i] == '\r' && i + 1 < x.size() && x[i + 1] == '\n') ++i;
    } else {
      out += x[i];
    }
  }
  if (!x.isEmpty() && !x.endsWith('\r') && !x.endsWith('\n')) out += "\r\n";
  return out;
}

QByteArray xored(const QByteArray& x) {
  QByteArray out = x;
  for (char& c : out) c = static_cast<char>(c ^ ScrambleKey);
  return out;
}

// Empty, or lines each ended with CR LF and no CR or LF anywhere else.
bool isNormalised(const QByteArray& s) {
  if (s.isEmpty()) return true;
  if (!s.endsWith("\r\n")) return false;
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n')) return false;
    if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray x(reinterpret_cast<const char*>(data), qsizetype(size));

  const QByteArray once = scrambleText(x);
  const QByteArray twice = scrambleText(once);
  CHECK(isNormalised(once));
  CHECK(isNormalised(twice));

  if (!x.contains('\x12') && !x.contains('\x15')) {
    const QByteArray plain = lines(x);
    const bool oneEmptyLine = plain == "\r\n";
    CHECK(once == (plain.isEmpty() || oneEmptyLine ? QByteArray() : xored(plain) + "\r\n"));
    CHECK(twice == (oneEmptyLine ? QByteArray() : plain));
  }

  // Every byte comes back the same through Unicode, those Windows-1250 leaves undefined too,
  // so a file holding any of them can still be read and saved.
  const auto back = toCp1250(fromCp1250(x));
  CHECK(back.has_value());
  CHECK(*back == x);
  return 0;
}
