#include "lifelines/Friends.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr Friend kRoster[FriendCount] = {
    {"Jacek", "Mazur", 15, "Kołobrzeg", "historii świata i trochę w sporcie"},
    {"Dorota", "Malec", 39, "Kołobrzeg", "dziedzinach humanistycznych i geografii"},
    {"Zenon", "Wrona", 82, "Kołobrzeg", "sporcie"},
    {"Leszek", "Gruszka", 42, "Kołobrzeg", "geografii i dziedzinach humanistycznych"},
};

constexpr PhoneScript kScripts[FriendCount][2] = {
    {{"K", "Wydaje mi się, że to jest odpowiedź: ", ". Ale wcale nie jestem pewien."},
     {"K", "Wydaje mi się, że to jest odpowiedź: ", ". Ale wcale nie jestem pewien."}},
    {{"G", "No nie wiem, ale myślę, że jest to odpowiedź: ",
      ". Na 100% nie mam pewności, może tak na 90%. Życzę Ci powodzenia, trzymaj się."},
     {"G", "No nie wiem, ale myślę, że jest to odpowiedź: ",
      ". Na 100% nie mam pewności, może tak na 90%. Życzę Ci powodzenia, trzymaj się."}},
    {{"M", "Trafiłeś na moją dziedzinę, jest to odpowiedź: ",
      ". Mam nadzieję, że zgarniesz dużo kasy i będzie czym się podzielić."},
     {"M2", "Akurat na tym się nie znam, ale wydaje mi się, że jest to odpowiedź: ",
      ". Raczej mam rację. Możesz mi uwierzyć."}},
    {{"T", "W tym pytaniu jestem dobry. Jest to odpowiedź: ", ". Nie pękaj na pewno wygramy!"},
     {"T2", "Nie jestem pewien, ale może to być odpowiedź: ", ". Życzę Ci powodzenia!"}},
};

int checkedFriend(int number) {
  if (number < 1 || number > FriendCount) throw std::out_of_range("no such friend");
  return number;
}

}  // namespace

QString Friend::fullName() const {
  return QString::fromUtf8(firstName) + u' ' + QString::fromUtf8(surname);
}

const Friend& FriendRoster(int number) { return kRoster[checkedFriend(number) - 1]; }

QString friendInfoText(int number) {
  const Friend& f = FriendRoster(number);
  return QStringList{QStringLiteral("Imię: ") + QString::fromUtf8(f.firstName),
                     QStringLiteral("Nazwisko: ") + QString::fromUtf8(f.surname),
                     QStringLiteral("Wiek: ") + QString::number(f.age),
                     QStringLiteral("Miejsce zamieszkania: ") + QString::fromUtf8(f.place),
                     QString::fromUtf8("Może pomóc w... : ") + QString::fromUtf8(f.speciality)}
      .join(u'\n');
}

QString friendStatsLine(int asked, int right, int wrong) {
  return QString::fromUtf8("Podpowiedzi: %1, Dobrych: %2, Złych: %3.")
      .arg(asked)
      .arg(right)
      .arg(wrong);
}

QString timesText(int count) {
  return QString::number(count) + (count == 1 ? QStringLiteral("  raz") : QStringLiteral("  razy"));
}

void ChosenFriends::toggle(int number) {
  checkedFriend(number);
  const auto it = std::find(m_numbers.begin(), m_numbers.end(), number);
  if (it != m_numbers.end()) {
    m_numbers.erase(it);
  } else {
    if (m_numbers.size() == 2) m_numbers.erase(m_numbers.begin());
    m_numbers.push_back(number);
  }
}

bool ChosenFriends::contains(int number) const {
  return std::find(m_numbers.begin(), m_numbers.end(), number) != m_numbers.end();
}

QString ChosenFriends::text() const {
  QString digits;
  for (int n : m_numbers) digits += QString::number(n);
  return digits;
}

const PhoneScript& PhoneScripts(int friendNumber, int variant) {
  return kScripts[checkedFriend(friendNumber) - 1][variant == 2 ? 1 : 0];
}

QString letterClip(int friendNumber, const QString& letter) {
  return QString::fromLatin1(PhoneScripts(friendNumber, 1).voice) + letter;
}

QString closingClip(int friendNumber, int variant) {
  return QString::fromLatin1(PhoneScripts(friendNumber, variant).voice) + u'E';
}
