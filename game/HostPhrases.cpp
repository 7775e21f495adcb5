#include "game/HostPhrases.h"

#include <algorithm>

namespace {

std::array<QString, 6> onceThenFiveTimes(const QString& first, const QString& second) {
  return {first, second, second, second, second, second};
}

}  // namespace

std::array<QString, 6> HostPhrases(int level) {
  switch (level) {
    case 2:
      return {
          QStringLiteral("Brawo! Wygrałeś 100 $. Grasz teraz o 200 $."),
          QStringLiteral("Gratuluję! Masz już 100 $. Możesz teraz przeczytać pytanie za 200 $."),
          QStringLiteral(
              "Gratuluję! Zdobyłeś pierwsze pieniądze - 100 $. Możesz teraz wygrać 2x tyle."),
          QStringLiteral("Brawo! Pierwsze pytanie masz już za sobą. Teraz pytanie troszkę "
                         "trudniejsze, za 200 $."),
          QStringLiteral("Poprawna odpowiedź, BRAWO! Przeczytaj teraz pytanie za 200 $."),
          QStringLiteral("Oczywiście poprawna odpowiedź. Pytanie za 200 $ jest następujące..."),
      };
    case 3:
      return {
          QStringLiteral("Znowu poprawna odpowiedź. Dobrze Ci idzie. Dwa pytania masz już za "
                         "sobą, teraz pytanie za 300 $."),
          QStringLiteral(
              "Gratuluję! Jak narazie idzie Ci bardzo dobrze. A teraz pytanie za 300 $."),
          QStringLiteral("Następna dobra odpowiedź. Przeczytaj pytanie za 300 $."),
          QStringLiteral("Brawo! To jest poprawna odpowiedź. Grasz teraz o 300 $."),
          QStringLiteral("Tak to jest odpowiedź %s. Grasz teraz o 300 $."),
          QStringLiteral(
              "Oczywiście to jest poprawna odpowiedź - %s. Gratuluję! A teraz pytanie za 300 $."),
      };
    case 4:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o 500 $."),
                               QStringLiteral("A teraz pytanie za 500 $."));
    case 5:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o gwarantowane 1000 $."),
                               QStringLiteral("A teraz pytanie za gwarantowane 1000 $."));
    case 6:
      return onceThenFiveTimes(QStringLiteral("Masz za sobą już 5 pytań. Grasz teraz o 2000 $."),
                               QStringLiteral("A teraz przeczytaj pytanie za 2000 $."));
    case 7:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o 4000 $."),
                               QStringLiteral("A teraz pytanie za 4000 $."));
    case 8:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o 8000 $."),
                               QStringLiteral("A teraz pytanie za 8000 $."));
    case 9:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o 16000 $."),
                               QStringLiteral("A teraz pytanie za 16000 $."));
    case 10:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o gwarantowane 32000 $."),
                               QStringLiteral("A teraz pytanie za gwarantowaną sumę - 32000 $."));
    case 11:
      return onceThenFiveTimes(
          QStringLiteral("Masz za sobą już 10 pytań, a przed sobą 4. A teraz pytanie za 64000 $."),
          QStringLiteral("A teraz pytanie za 64000 $."));
    case 12:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o 125000 $."),
                               QStringLiteral("A teraz pytanie za 125000 $"));
    case 13:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o 250000 $."),
                               QStringLiteral("A teraz pytanie za 250000 $."));
    case 14:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o 500000 $."),
                               QStringLiteral("A teraz pytanie za 500000 $."));
    case 15:
      return onceThenFiveTimes(QStringLiteral("Grasz teraz o 1 MILION $."),
                               QStringLiteral("A teraz pytanie za 1 MILION $."));
    default:
      return {};
  }
}

QString hostLine(int level, int pick, const QString& letter) {
  QString line = HostPhrases(level)[std::clamp(pick, 0, 5)];
  return QStringLiteral("<Tolmir> ") + line.replace(QStringLiteral("%s"), letter);
}
