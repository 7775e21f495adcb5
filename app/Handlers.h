#pragma once

#include <QHash>
#include <QString>
#include <functional>

// Event handlers by name. Each subsystem adds the handlers it owns ("btnStartClick" by the
// question bank, "btnRecClick" by the records); clicks and key rules run them by name, so the
// shell never reaches into another subsystem.
class Handlers {
 public:
  void add(const QString& name, std::function<void()> handler) {
    m_handlers.insert(name, std::move(handler));
  }
  void clear() { m_handlers.clear(); }
  bool has(const QString& name) const { return m_handlers.contains(name); }
  // Runs the handler; a name nobody has added does nothing.
  void run(const QString& name) const {
    auto it = m_handlers.constFind(name);
    if (it != m_handlers.constEnd() && *it) (*it)();
  }

 private:
  QHash<QString, std::function<void()>> m_handlers;
};
