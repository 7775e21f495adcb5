#include "ui/ControlLock.h"

#include <QCheckBox>
#include <QWidget>

#include "ui/widgets/FlatButton.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/SymbolLabel.h"
#include "ui/widgets/TextLabel.h"

namespace {
bool isLockable(const QWidget* w) {
  return qobject_cast<const PictureBox*>(w) || qobject_cast<const TextLabel*>(w) ||
         qobject_cast<const FlatButton*>(w) || qobject_cast<const QCheckBox*>(w) ||
         qobject_cast<const SymbolLabel*>(w);
}
}  // namespace

void LockControls(QWidget* form, const QWidget* panel, bool enable) {
  // findChildren walks the tree in creation order, the order the form owns its controls.
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (panel && w->parentWidget() == panel) continue;
    if (!isLockable(w) || w->isHidden()) continue;
    if (w->cursor().shape() != Qt::PointingHandCursor) continue;
    w->setEnabled(enable);
  }
}
