#pragma once

#include <QByteArray>
#include <QString>

#include "storage/Cp1250.h"
#include "storage/ScrambleFile.h"

// Two good questions on every level; the correct answer is stored first, fifty-fifty removes
// the second and third, and a phoned friend names the stored answer `friendSays` (1 to 4).
inline QByteArray questionsFile(int friendSays = 1) {
  QString ini;
  for (int level = 1; level <= 15; ++level)
    for (int n = 1; n <= 2; ++n)
      ini += QStringLiteral(
                 "[%1;%2]\r\nP=Pytanie %1 za poziom %2?\r\nA=Dobra %2\r\nB=Zła B\r\nC=Zła C\r\n"
                 "D=Zła D\r\nG=1\r\n1=2\r\n2=3\r\n6=70\r\n7=10\r\n8=10\r\n9=10\r\nT=%3\r\n")
                 .arg(n)
                 .arg(level)
                 .arg(friendSays);
  return scrambleText(*toCp1250(ini));
}
