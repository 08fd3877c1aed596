// Surfaces read back for pictures worked by hand: rows of text, the inked box, a filled surface.
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "raster/raster_surface.h"

namespace vexolite {

struct Ink {
  Rgb colour;
  char symbol;
};

// Rows of the rectangle (left, top, width, height): white is '.', a legend colour its symbol,
// any other colour '?'.
inline std::vector<std::string> pixelPicture(const RasterSurface& surface, int left, int top,
                                             int width, int height,
                                             std::initializer_list<Ink> legend) {
  std::vector<std::string> rows;
  for (int y = top; y < top + height; ++y) {
    std::string row;
    for (int x = left; x < left + width; ++x) {
      const Rgb colour = surface.pixel(x, y);
      char symbol = colour == kWhite ? '.' : '?';
      for (const Ink& ink : legend) {
        if (ink.colour == colour) symbol = ink.symbol;
      }
      row += symbol;
    }
    rows.push_back(row);
  }
  return rows;
}

// The smallest rectangle holding every pixel that is not blank, as left, top, right, bottom
// (inclusive); kNothing when there is none.
using Box = std::array<int, 4>;
inline constexpr Box kNothing{-1, -1, -1, -1};
inline Box inkedBox(const RasterSurface& surface, Rgb blank = kWhite) {
  Box box = kNothing;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.pixel(x, y) == blank) continue;
      if (box == kNothing) box = {x, y, x, y};
      box = {std::min(box[0], x), box[1], std::max(box[2], x), y};
    }
  }
  return box;
}

// Every pixel in one colour, the pen left at it, so that untouched pixels show.
inline void paintAll(RasterSurface& surface, Rgb colour) {
  surface.setColour(colour);
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x)
      surface.plot(x, y);
  }
}

inline std::ostream& operator<<(std::ostream& out, Rgb colour) {
  return out << "(" << int{colour.r} << ", " << int{colour.g} << ", " << int{colour.b} << ")";
}

}  // namespace vexolite
