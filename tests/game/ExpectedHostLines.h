#pragma once

#include <QString>
#include <array>

// Tolmir's lines as the player must read them, typed apart from the game's own table so that a
// wrong character in either shows. Levels 2 and 3 have six different lines; from level 4 on the
// first line is said once in six and the second in the other five places.
inline const char16_t* const kSixLines[2][6] = {
    {u"Brawo! Wygrałeś 100 $. Grasz teraz o 200 $.",
     u"Gratuluję! Masz już 100 $. Możesz teraz przeczytać pytanie za 200 $.",
     u"Gratuluję! Zdobyłeś pierwsze pieniądze - 100 $. Możesz teraz wygrać 2x tyle.",
     u"Brawo! Pierwsze pytanie masz już za sobą. Teraz pytanie troszkę trudniejsze, za 200 $.",
     u"Poprawna odpowiedź, BRAWO! Przeczytaj teraz pytanie za 200 $.",
     u"Oczywiście poprawna odpowiedź. Pytanie za 200 $ jest następujące..."},
    {u"Znowu poprawna odpowiedź. Dobrze Ci idzie. Dwa pytania masz już za sobą, teraz pytanie za "
     u"300 $.",
     u"Gratuluję! Jak narazie idzie Ci bardzo dobrze. A teraz pytanie za 300 $.",
     u"Następna dobra odpowiedź. Przeczytaj pytanie za 300 $.",
     u"Brawo! To jest poprawna odpowiedź. Grasz teraz o 300 $.",
     u"Tak to jest odpowiedź %s. Grasz teraz o 300 $.",
     u"Oczywiście to jest poprawna odpowiedź - %s. Gratuluję! A teraz pytanie za 300 $."},
};

inline const char16_t* const kOnceThenFive[12][2] = {
    {u"Grasz teraz o 500 $.", u"A teraz pytanie za 500 $."},
    {u"Grasz teraz o gwarantowane 1000 $.", u"A teraz pytanie za gwarantowane 1000 $."},
    {u"Masz za sobą już 5 pytań. Grasz teraz o 2000 $.", u"A teraz przeczytaj pytanie za 2000 $."},
    {u"Grasz teraz o 4000 $.", u"A teraz pytanie za 4000 $."},
    {u"Grasz teraz o 8000 $.", u"A teraz pytanie za 8000 $."},
    {u"Grasz teraz o 16000 $.", u"A teraz pytanie za 16000 $."},
    {u"Grasz teraz o gwarantowane 32000 $.", u"A teraz pytanie za gwarantowaną sumę - 32000 $."},
    {u"Masz za sobą już 10 pytań, a przed sobą 4. A teraz pytanie za 64000 $.",
     u"A teraz pytanie za 64000 $."},
    {u"Grasz teraz o 125000 $.", u"A teraz pytanie za 125000 $"},
    {u"Grasz teraz o 250000 $.", u"A teraz pytanie za 250000 $."},
    {u"Grasz teraz o 500000 $.", u"A teraz pytanie za 500000 $."},
    {u"Grasz teraz o 1 MILION $.", u"A teraz pytanie za 1 MILION $."},
};

// The six lines of `level` (2-15).
inline std::array<QString, 6> expectedHostLines(int level) {
  std::array<QString, 6> lines;
  for (size_t i = 0; i < 6; ++i) {
    const char16_t* text =
        level <= 3 ? kSixLines[level - 2][i] : kOnceThenFive[level - 4][i == 0 ? 0 : 1];
    lines[i] = QString::fromUtf16(text);
  }
  return lines;
}
