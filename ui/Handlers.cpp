#include "ui/Handlers.h"

#include <QtGlobal>
#include <algorithm>

void Handlers::add(const QString& name, std::function<void()> handler) {
  m_pending.remove(name);
  m_handlers.insert(name, std::move(handler));
}

void Handlers::addPending(const QString& name) {
  if (m_handlers.contains(name)) return;  // built after all: the real one stays
  m_pending.insert(name);
  m_handlers.insert(name, [] {});
}

std::function<void()> Handlers::runner(const QString& name) {
  want(name);
  return [this, name] { run(name); };
}

void Handlers::clear() {
  m_handlers.clear();
  m_pending.clear();
  m_wanted.clear();
}

QStringList Handlers::missing() const {
  QStringList names;
  for (const QString& name : m_wanted)
    if (!m_handlers.contains(name)) names << name;
  std::sort(names.begin(), names.end());
  return names;
}

QStringList Handlers::pending() const {
  QStringList names(m_pending.begin(), m_pending.end());
  std::sort(names.begin(), names.end());
  return names;
}

void Handlers::run(const QString& name) const {
  auto it = m_handlers.constFind(name);
  if (it == m_handlers.constEnd()) {
    Q_ASSERT_X(false, "Handlers::run", qPrintable(QStringLiteral("no handler named ") + name));
    qWarning("no handler named %s", qPrintable(name));
    return;
  }
  if (*it) (*it)();
}
