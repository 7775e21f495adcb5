#pragma once

#include <QImage>

// A picture of the game, embedded in the executable under its control's name.
QImage gamePicture(const char* name);
