#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

// Event handlers by name. Each subsystem adds the handlers it owns ("btnStartClick" by the
// question bank, "btnRecClick" by the records); clicks and key rules run them by name, so the
// shell never reaches into another subsystem.
//
// Every place that may run a name says so when it is built (`want`, or `runner` for a
// control's signal), so that one check after start-up finds a name nobody added. A name
// whose subsystem is not built yet is added as pending: running it does nothing, on purpose.
class Handlers {
 public:
  void add(const QString& name, std::function<void()> handler);
  void addPending(const QString& name);
  // Some control or key may run `name`.
  void want(const QString& name) { m_wanted.insert(name); }
  // A callable for a control's signal that runs `name`.
  std::function<void()> runner(const QString& name);
  void clear();

  bool has(const QString& name) const { return m_handlers.contains(name); }
  bool isPending(const QString& name) const { return m_pending.contains(name); }
  // Names that something may run but nobody has added, pending or not; sorted.
  QStringList missing() const;
  QStringList pending() const;

  // Runs the handler. A name nobody has added is a wiring fault: it stops a debug build at
  // once and is reported (and otherwise ignored) in a release build.
  void run(const QString& name) const;

 private:
  QHash<QString, std::function<void()>> m_handlers;
  QSet<QString> m_pending;
  QSet<QString> m_wanted;
};
