#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The four friends a player may phone; the number (1-4) is a friend's identity everywhere.
struct Friend {
  const char* firstName;  // UTF-8
  const char* surname;
  int age;
  const char* place;
  const char* speciality;  // completes "Może pomóc w... : "

  QString fullName() const;
};

const Friend& FriendRoster(int number);
inline constexpr int FriendCount = 4;

// The five lines of a friend's information, one per line.
QString friendInfoText(int number);
// "Podpowiedzi: %d, Dobrych: %d, Złych: %d."
QString friendStatsLine(int asked, int right, int wrong);
// A count with its word, as the information panel shows it: "1  raz", "2  razy".
QString timesText(int count);

// The friends chosen before a game, in the order of choice; at most two.
class ChosenFriends {
 public:
  // A click on a roster entry: a chosen friend is dropped; a new one is added, pushing out the
  // one chosen first when two are chosen already.
  void toggle(int number);
  void clear() { m_numbers.clear(); }
  bool contains(int number) const;
  int count() const { return static_cast<int>(m_numbers.size()); }
  // 1 or 2, in the order of choice.
  int at(int index) const { return m_numbers.at(static_cast<size_t>(index - 1)); }
  // As the game keeps it: the digits in the order of choice, "14".
  QString text() const;

 private:
  std::vector<int> m_numbers;
};

// One friend's words on the phone in one of two variants.
struct PhoneScript {
  const char* voice;  // the wave of the variant; the letter clip is the first variant's + letter
  const char* before;
  const char* after;
};
const PhoneScript& PhoneScripts(int friendNumber, int variant);
// The clip that says the letter: the first variant's voice followed by it ("MB").
QString letterClip(int friendNumber, const QString& letter);
// The closing clip of a variant: its voice followed by "E" ("M2E").
QString closingClip(int friendNumber, int variant);
