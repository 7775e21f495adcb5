#include "players/FormRules.h"

#include "players/Profile.h"

namespace {

int group(const QString& text, qsizetype pos) {
  if (text.size() < pos + 2) return -1;
  const char16_t a = text[pos].unicode(), b = text[pos + 1].unicode();
  if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return -1;
  return (a - u'0') * 10 + (b - u'0');
}

}  // namespace

bool birthDateRuleHolds(const QString& text) {
  const int year = group(text, 0), month = group(text, 3), day = group(text, 6);
  if (year < 0 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int length = (month == 2 && year % 4 == 0) ? 29 : kDays[month - 1];
  return day <= length;
}

ProfileFormVerdict checkProfileForm(const ProfileFormInput& in, const QString& chosenPlayer,
                                    const std::function<bool(const QString&)>& nameExists) {
  ProfileFormVerdict v;
  const bool edit = in.editMode;
  v.nameGiven = edit || !in.name.isEmpty();
  v.nameStorable = edit || isStorableName(in.name);
  v.nameFree = edit || !(v.nameStorable && !in.name.isEmpty() && nameExists(in.name));
  v.notChosenPlayer = edit || in.name != chosenPlayer;
  v.notAnonymous = edit || in.name != AnonymousName;
  v.placeGiven = !in.place.isEmpty() && isStorableValue(in.place);
  v.sexGiven = !in.sex.isEmpty();
  v.passwordsAgree = in.password == in.passwordAgain && isStorableValue(in.password);
  v.dateValid = birthDateRuleHolds(in.birthDate);
  return v;
}
