#include <gtest/gtest.h>

#include <ostream>

#include "lifelines/LifelineKeys.h"
#include "ui/VirtualKeys.h"

void PrintTo(const LifelineKeyAction& a, std::ostream* os) {
  static const char* const kinds[] = {"Pass",     "Keep",       "FiftyFifty",      "Phone",
                                      "Audience", "CallFriend", "CloseFriendInfo", "CloseAudience"};
  *os << kinds[a.kind] << "(" << a.position << ")";
}

namespace {

using A = LifelineKeyAction;
constexpr int F1 = kKeyF1, F2 = kKeyF1 + 1, F3 = kKeyF1 + 2, F4 = kKeyF1 + 3;
constexpr int Pad1 = kKeyNumpad0 + 1, Pad2 = kKeyNumpad0 + 2, Pad3 = kKeyNumpad0 + 3;

LifelineKeyState allOffered() {
  LifelineKeyState s;
  s.offered = {true, true, true};
  return s;
}

TEST(LifelineKeys, FunctionKeysUseTheLifelinesLeft) {
  const struct {
    std::array<bool, 3> offered;
    A f1, f2, f3;
  } table[] = {
      {{true, true, true}, {A::FiftyFifty}, {A::Phone}, {A::Audience}},
      {{false, true, true}, {A::Keep}, {A::Phone}, {A::Audience}},
      {{true, false, false}, {A::FiftyFifty}, {A::Keep}, {A::Keep}},
      {{false, false, false}, {A::Keep}, {A::Keep}, {A::Keep}},
  };
  for (const auto& row : table) {
    LifelineKeyState s;
    s.offered = row.offered;
    EXPECT_EQ(lifelineKeyAction(F1, s), row.f1);
    EXPECT_EQ(lifelineKeyAction(F2, s), row.f2);
    EXPECT_EQ(lifelineKeyAction(F3, s), row.f3);
    EXPECT_EQ(lifelineKeyAction(F4, s), A{}) << "not a lifeline";
  }
}

TEST(LifelineKeys, DigitsBelongToTheOpenPhonePanel) {
  LifelineKeyState phone = allOffered();
  phone.phoneOpen = true;
  LifelineKeyState info = phone;
  info.friendInfoOpen = true;
  const struct {
    int key;
    A none, onPhone, underInfo;
  } table[] = {
      {'1', {}, {A::CallFriend, 1}, {A::Keep}},
      {'2', {}, {A::CallFriend, 2}, {A::Keep}},
      {Pad1, {}, {A::CallFriend, 1}, {A::Keep}},
      {Pad2, {}, {A::CallFriend, 2}, {A::Keep}},
      {'3', {}, {A::Keep}, {A::Keep}},
      {Pad3, {}, {A::Keep}, {A::Keep}},
      {'4', {}, {A::Keep}, {A::Keep}},
      {'5', {}, {}, {}},
      {'0', {}, {}, {}},
      {'A', {}, {}, {}},
      {kKeyRight, {}, {}, {}},
      {kKeyInsert, {}, {}, {}},
  };
  for (const auto& row : table) {
    EXPECT_EQ(lifelineKeyAction(row.key, allOffered()), row.none) << row.key;
    EXPECT_EQ(lifelineKeyAction(row.key, phone), row.onPhone) << row.key;
    EXPECT_EQ(lifelineKeyAction(row.key, info), row.underInfo) << row.key;
  }
}

TEST(LifelineKeys, EnterAndEscapeCloseTheTopPanel) {
  LifelineKeyState chart = allOffered();
  chart.audienceOpen = true;
  LifelineKeyState phone = allOffered();
  phone.phoneOpen = true;
  LifelineKeyState info = phone;
  info.friendInfoOpen = true;
  LifelineKeyState both = info;
  both.audienceOpen = true;
  for (int key : {kKeyEnter, kKeyEscape}) {
    EXPECT_EQ(lifelineKeyAction(key, allOffered()), A{}) << "the answers' Enter";
    EXPECT_EQ(lifelineKeyAction(key, chart), A{A::CloseAudience});
    EXPECT_EQ(lifelineKeyAction(key, phone), A{}) << "the phone panel has no closing button";
    EXPECT_EQ(lifelineKeyAction(key, info), A{A::CloseFriendInfo});
    EXPECT_EQ(lifelineKeyAction(key, both), A{A::CloseFriendInfo});
  }
}

}  // namespace
