#pragma once

#include <QColor>

#include "ui/Theme.h"

class Handlers;
class QWidget;

namespace profilespage {
inline const QColor Orange = theme::Orange;
inline const QColor Red = theme::Red;

// Lays out the profiles page: the column of buttons, the chosen-player line and the list page
// with its scroll box and hint. Clicks run handlers by name.
void build(QWidget* page, Handlers& handlers);
// The create/edit form (on the page "tsPNew") and the password panel hold the page's edit
// fields. They are made when first needed: an edit field loads the whole font database, which
// would hold up the first picture of the game.
void buildForm(QWidget* formPage, Handlers& handlers);
void buildPasswordPanel(QWidget* page, Handlers& handlers);
}  // namespace profilespage
