#include "players/ProfileStore.h"

#include "storage/DataFile.h"
#include "storage/IniFile.h"

ProfileStore::ProfileStore(std::function<DataFile()> dataFile, std::function<QDateTime()> now)
    : m_dataFile(std::move(dataFile)), m_now(std::move(now)) {}

Profile ProfileStore::ReadProfile(const QString& name) const {
  Profile p;
  p.name = name;
  const QDateTime now = m_now();
  m_dataFile().read([&](const IniFile& ini) {
    const QString section = sectionOf(name);
    p.place = ini.readString(section, QStringLiteral("Mie"));
    p.birthDate =
        parseDateTimeText(ini.readString(section, QStringLiteral("Uro")), now.date()).value_or(now);
    const QString sex = ini.readString(section, QStringLiteral("Pue"), QStringLiteral("M"));
    p.sex = sex.isEmpty() ? QChar(u'M') : sex.front();
    p.password = ini.readString(section, QStringLiteral("Pas"));
  });
  return p;
}

QStringList ProfileStore::ListProfiles() const {
  QStringList sections;
  m_dataFile().read([&](const IniFile& ini) { sections = ini.sections(); });
  QStringList names;
  bool anonymousSeen = false;
  const QString anonymousSection = sectionOf(AnonymousName);
  for (const QString& section : sections) {
    if (!section.startsWith(u'Q')) continue;
    if (section == anonymousSection) anonymousSeen = true;
    names << section.mid(1);
  }
  if (!anonymousSeen) names.prepend(AnonymousName);
  if (!names.isEmpty() && names.back().isEmpty()) names.removeLast();
  return names;
}

bool ProfileStore::ProfileExists(const QString& name) const {
  bool exists = false;
  m_dataFile().read([&](const IniFile& ini) { exists = ini.sectionExists(sectionOf(name)); });
  return exists;
}

bool ProfileStore::WriteProfile(const Profile& p) const {
  return m_dataFile().cycle([&](IniFile& ini) {
    const QString section = sectionOf(p.name);
    ini.writeString(section, QStringLiteral("Imi"), p.name);
    ini.writeString(section, QStringLiteral("Mie"), p.place);
    ini.writeString(section, QStringLiteral("Uro"), dateText(p.birthDate.date()));
    ini.writeString(section, QStringLiteral("Pue"), QString(p.sex));
    ini.writeString(section, QStringLiteral("Pas"), p.password);
  });
}

bool ProfileStore::EraseProfile(const QString& name) const {
  return m_dataFile().cycle([&](IniFile& ini) { ini.eraseSection(sectionOf(name)); });
}
