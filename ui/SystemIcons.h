#pragma once

#include <QImage>

// The message icons of the panels, drawn at the size the panels show them: a warning
// triangle with "!" and a speech balloon with "?".
QImage exclamationIcon(int size = 32);
QImage questionIcon(int size = 32);
