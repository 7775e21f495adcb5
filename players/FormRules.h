#pragma once

#include <QString>
#include <functional>

// The rules of the create/edit form, apart from its widgets.
struct ProfileFormInput {
  bool editMode = false;
  QString name;
  QString place;
  QString birthDate;  // the masked field's text, "RR-MM-DD"
  QString sex;
  QString password;
  QString passwordAgain;
};

struct ProfileFormVerdict {
  bool nameGiven = false;
  bool nameFree = false;
  bool notChosenPlayer = false;
  bool notAnonymous = false;
  bool nameStorable = false;  // the data file can hold the name unchanged
  bool placeGiven = false;
  bool sexGiven = false;
  bool passwordsAgree = false;
  bool dateValid = false;

  bool nameOk() const {
    return nameGiven && nameFree && notChosenPlayer && notAnonymous && nameStorable;
  }
  bool all() const { return nameOk() && placeGiven && sexGiven && passwordsAgree && dateValid; }
};

// "YY-MM-DD" with three groups of two digits, a month 1-12 and a day that month has
// (February 29 in years divisible by four). "00" is the year 2000.
bool birthDateRuleHolds(const QString& text);

// `nameExists` is asked only in create mode, where every change costs one look at the file.
ProfileFormVerdict checkProfileForm(const ProfileFormInput& in, const QString& chosenPlayer,
                                    const std::function<bool(const QString&)>& nameExists);
