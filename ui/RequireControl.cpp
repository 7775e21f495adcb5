#include "ui/RequireControl.h"

void missingControl(const QString& name) {
  qFatal("the screens have no control named %s", qPrintable(name));
}
