#pragma once

#include <QImage>
#include <span>
#include <string_view>

// Every picture of the game: its name (the control that shows it), the size the screen
// uses and the code that draws it. A new picture is one row here and one draw function.
namespace picgen {

using DrawFunction = void (*)(QImage& canvas);

struct Picture {
  const char* name;
  int width;
  int height;
  DrawFunction draw;
};

std::span<const Picture> pictures();
const Picture* findPicture(std::string_view name);

// Draws the picture on an opaque black canvas of exactly its size.
QImage render(const Picture& picture);

}  // namespace picgen
