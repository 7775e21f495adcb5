#pragma once

#include <QDateTime>
#include <QStringList>
#include <functional>

#include "players/Profile.h"

class DataFile;

// Profiles in the players' data file: one section "Q" + name per player. Each call is one
// cycle of the data file.
class ProfileStore {
 public:
  // `dataFile` gives the file as it is named at the moment of the call.
  ProfileStore(std::function<DataFile()> dataFile, std::function<QDateTime()> now);

  static QString sectionOf(const QString& name) { return u'Q' + name; }

  Profile ReadProfile(const QString& name) const;
  QStringList ListProfiles() const;
  bool ProfileExists(const QString& name) const;
  bool WriteProfile(const Profile& profile) const;
  bool EraseProfile(const QString& name) const;

 private:
  std::function<DataFile()> m_dataFile;
  std::function<QDateTime()> m_now;
};
