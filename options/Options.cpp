#include "options/Options.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include "options/OptionsPage.h"
#include "players/ProfileStore.h"
#include "storage/DataFile.h"
#include "storage/IniFile.h"
#include "ui/MenuCaptions.h"
#include "ui/Pacing.h"
#include "ui/RequireControl.h"
#include "ui/TMainFrm.h"
#include "ui/widgets/SymbolLabel.h"

Options::Options(TMainFrm& form, Pacing& pacing, OptionFlags& flags,
                 std::function<DataFile()> dataFile, std::function<QString()> playerName)
    : flags(flags),
      m_form(form),
      m_pacing(pacing),
      m_dataFile(std::move(dataFile)),
      m_playerName(std::move(playerName)) {
  buildOptionsPage(
      form.Opcje, [this] { OpcjeClick(); },
      [this](const QString& sender) { OpcjeSetClick(sender); });
  for (const QString& key : keys()) {
    m_boxes.insert(key, requireControl<QCheckBox>(form.Opcje, QStringLiteral("cb") + key));
    m_symbols.insert(key, requireControl<SymbolLabel>(form.Opcje, QStringLiteral("rys") + key));
  }
}

const QStringList& Options::keys() {
  static const QStringList k = {QStringLiteral("Akc"), QStringLiteral("Kla"), QStringLiteral("Men"),
                                QStringLiteral("Kou"), QStringLiteral("Dzw"), QStringLiteral("Rez"),
                                QStringLiteral("Zua")};
  return k;
}

bool& Options::flag(const QString& key) {
  if (key == u"Akc") return flags.Akc;
  if (key == u"Kla") return flags.Kla;
  if (key == u"Men") return flags.Men;
  if (key == u"Kou") return flags.Kou;
  if (key == u"Dzw") return flags.Dzw;
  if (key == u"Rez") return flags.Rez;
  return flags.Zua;
}

void Options::LoadOptions() {
  const QString section = ProfileStore::sectionOf(m_playerName());
  m_dataFile().read([&](const IniFile& ini) {
    for (const char* key : {"Men", "Kla", "Dzw", "Kou", "Akc", "Zua", "Rez"})
      flag(QString::fromLatin1(key)) = ini.readBool(section, QString::fromLatin1(key), true);
  });
  RefreshOptionsView();
}

bool Options::SaveOptions() {
  const QString section = ProfileStore::sectionOf(m_playerName());
  return m_dataFile().cycle([&](IniFile& ini) {
    for (const char* key : {"Dzw", "Kla", "Men", "Kou", "Akc", "Zua", "Rez"})
      ini.writeBool(section, QString::fromLatin1(key), flag(QString::fromLatin1(key)));
  });
}

void Options::RefreshOptionsView() {
  for (const QString& key : keys()) {
    QCheckBox* box = m_boxes.value(key);
    const QSignalBlocker quiet(box);  // setting the boxes is not a click
    box->setChecked(flag(key));
  }
  QCheckBox* kla = m_boxes.value(QStringLiteral("Kla"));
  if (m_boxes.value(QStringLiteral("Akc"))->isChecked()) {
    kla->setEnabled(true);
  } else {
    flags.Kla = false;
    const QSignalBlocker quiet(kla);
    kla->setChecked(false);
    kla->setEnabled(false);
  }
  applyMenuCaptions(&m_form, flags.Men);
  m_pacing.ProcessMessages();
  for (const QString& key : keys()) DrawOptionSymbol(key);
}

void Options::OpcjeClick() {
  for (const QString& key : keys()) flag(key) = m_boxes.value(key)->isChecked();
  RefreshOptionsView();
}

void Options::OpcjeSetClick(const QString& senderName) {
  QString key = senderName;
  if (key.startsWith(u'r')) key = key.mid(3);
  if (key.startsWith(u'l')) key = key.mid(4);
  QCheckBox* box = m_boxes.value(key);
  if (!box) return;  // a sender that is none of the seven
  {
    const QSignalBlocker quiet(box);
    box->setChecked(!box->isChecked());
  }
  OpcjeClick();  // what the box's own click event does
}

void Options::DrawOptionSymbol(const QString& key) {
  QCheckBox* box = m_boxes.value(key);
  SymbolLabel* symbol = m_symbols.value(key);
  if (box && symbol) symbol->setCrossed(!box->isChecked());
}
