// Rectangles of a surface as rows of text, one character per pixel, for pictures worked by hand.
#include "pixel_picture.h"

#include <algorithm>

namespace vexolite {

std::vector<std::string> pixelPicture(const RasterSurface& surface, int left, int top, int width,
                                      int height, std::initializer_list<Ink> legend) {
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

InkedBox inkedBox(const RasterSurface& surface) {
  InkedBox box;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.pixel(x, y) == kWhite) continue;
      if (box.empty) {
        box = InkedBox{false, x, y, x, y};
      } else {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.bottom = std::max(box.bottom, y);
      }
    }
  }
  return box;
}

void paintAll(RasterSurface& surface, Rgb colour) {
  const Rgb pen = surface.colour();
  surface.setColour(colour);
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x)
      surface.plot(x, y);
  }
  surface.setColour(pen);
}

int countPixels(const RasterSurface& surface, Rgb colour) {
  return static_cast<int>(std::count(surface.pixels().begin(), surface.pixels().end(), colour));
}

std::ostream& operator<<(std::ostream& out, const InkedBox& box) {
  if (box.empty) return out << "(nothing)";
  return out << "(" << box.left << ", " << box.top << ")-(" << box.right << ", " << box.bottom
             << ")";
}

std::ostream& operator<<(std::ostream& out, Rgb colour) {
  return out << "(" << int{colour.r} << ", " << int{colour.g} << ", " << int{colour.b} << ")";
}
}  // namespace vexolite
