#include "app/Pending.h"

#include <QHash>

namespace {
QHash<QString, int>& counts() {
  static QHash<QString, int> c;
  return c;
}
}  // namespace

bool pending::isListed(const QString& name) {
  for (const char* service : Services)
    if (name == QLatin1String(service)) return true;
  for (const char* handler : Handlers)
    if (name == QLatin1String(handler)) return true;
  return false;
}

void pending::reached(const char* service) {
  Q_ASSERT_X(isListed(QLatin1String(service)), "pending::reached", service);
  ++counts()[QLatin1String(service)];
}

int pending::timesReached(const QString& service) { return counts().value(service); }
