// Rectangles of a surface as rows of text, one character per pixel, for pictures worked by hand.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "platform/raster_surface.h"

namespace vexolite {

struct Ink {
  Rgb colour;
  char symbol;
};

// Rows top to bottom of the rectangle (left, top, width, height): white is '.', a colour of the
// legend its symbol, any other colour '?'.
std::vector<std::string> pixelPicture(const RasterSurface& surface, int left, int top, int width,
                                      int height, std::initializer_list<Ink> legend);

// The smallest rectangle holding every pixel that is not white; empty when there is none.
struct InkedBox {
  bool empty = true;
  int left = 0, top = 0, right = 0, bottom = 0;  // inclusive
  bool operator==(const InkedBox&) const = default;
};
InkedBox inkedBox(const RasterSurface& surface);

// Every pixel of the surface in one colour, so that untouched pixels can be told from white.
void paintAll(RasterSurface& surface, Rgb colour);

// How many pixels of the surface hold the colour.
int countPixels(const RasterSurface& surface, Rgb colour);

std::ostream& operator<<(std::ostream& out, const InkedBox& box);

std::ostream& operator<<(std::ostream& out, Rgb colour);

}  // namespace vexolite
