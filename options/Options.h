#pragma once

#include <QHash>
#include <QString>
#include <functional>

#include "options/OptionFlags.h"

class DataFile;
class Handlers;
class Pacing;
class QCheckBox;
class SymbolLabel;
class TMainFrm;

// The seven switches of the current player and the options page that changes them.
class Options {
 public:
  // `flags` lives as long as the game: the sound thread reads it before the windows exist.
  Options(TMainFrm& form, Pacing& pacing, OptionFlags& flags, std::function<DataFile()> dataFile,
          std::function<QString()> playerName);

  // The flags of the current player; the other subsystems read them directly.
  OptionFlags& flags;

  void LoadOptions();
  // False when the data file could not be written.
  bool SaveOptions();
  void RefreshOptionsView();
  void OpcjeClick();
  // A caption label ("lblO" + key) or a symbol label ("rys" + key) was clicked.
  void OpcjeSetClick(const QString& senderName);
  void DrawOptionSymbol(const QString& key);

  // The keys in the order the page shows them.
  static const QStringList& keys();

 private:
  bool& flag(const QString& key);

  TMainFrm& m_form;
  Pacing& m_pacing;
  std::function<DataFile()> m_dataFile;
  std::function<QString()> m_playerName;
  QHash<QString, QCheckBox*> m_boxes;      // "cb" + key, by key
  QHash<QString, SymbolLabel*> m_symbols;  // "rys" + key, by key
};
