#pragma once

#include <QColor>

class Handlers;
class QWidget;

namespace profilespage {
inline const QColor Orange(255, 128, 0);
inline const QColor Red(255, 0, 0);

// Lays out the profiles page: the column of buttons, the chosen-player line, the list page with
// its scroll box and hint, the create/edit form and the password panel. Clicks run handlers by
// name.
void build(QWidget* page, const Handlers& handlers);
}  // namespace profilespage
