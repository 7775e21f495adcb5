#pragma once

#include <QString>

class Handlers;
class PictureBox;
class QWidget;
class TextLabel;

// A menu button as every page builds it: the 162 x 31 button picture at the left edge with a
// transparent caption label on it; a click on either runs the entry's handler.
struct MenuEntry {
  PictureBox* picture = nullptr;
  TextLabel* label = nullptr;
};

struct MenuEntryLayout {
  const char* pictureName;
  const char* labelName;
  int top;
  int labelTop;
  const char* caption;  // UTF-8
  const char* handler;
};

MenuEntry makeMenuEntry(QWidget* page, Handlers& handlers, const MenuEntryLayout& layout);
