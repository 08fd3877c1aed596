// Our own raster surface: 24-bit RGB pixels, a pen, one-pixel lines, clearing and AND copies.
// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <cstdint>
#include <vector>

namespace vexolite {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// A picture surface in pixel units, x to the right and y downwards, white where nothing is
// drawn. Lines are one pixel wide; a line covers its start pixel and every pixel up to its end
// pixel but not the end pixel itself, and its end becomes the current point. Anything that
// falls outside the surface is clipped, so callers may draw at any coordinates.
class RasterSurface {
 public:
  RasterSurface(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Back to the background: every pixel white. The pen colour and current point stay.
  void clear();

  void setColour(Rgb colour) { colour_ = colour; }
  Rgb colour() const { return colour_; }

  // The pixels of a line from (x1, y1) towards (x2, y2): along the longer axis every whole
  // step t = 0 .. n - 1 (n the longer span), across it the nearest pixel to the exact line,
  // halves going up or left: floor((2 t d + n - 1) / 2n) for a signed span d. Rounding halves
  // up closes the cube's faces: the fills of slope dy / (dx - 1) then meet the half-slope
  // edges without a white pixel between them. A line of no length covers nothing.
  void line(int x1, int y1, int x2, int y2);
  // A line from the current point (where the last line ended; (0, 0) on a new surface).
  void lineTo(int x2, int y2);
  int currentX() const { return currentX_; }
  int currentY() const { return currentY_; }

  // Precondition: (x, y) on the surface.
  Rgb pixel(int x, int y) const;
  // Sets one pixel in the pen colour, if it lies on the surface.
  void plot(int x, int y);

  // Combines the source rectangle (sx, sy, w, h) into this surface at (dx, dy): each pixel
  // becomes the bitwise AND of its colour and the source's. Both rectangles are clipped to
  // their surfaces; white source pixels leave this surface as it was.
  void andCopy(const RasterSurface& source, int sx, int sy, int w, int h, int dx, int dy);
  // The whole source at (dx, dy).
  void andCopy(const RasterSurface& source, int dx, int dy) {
    andCopy(source, 0, 0, source.width(), source.height(), dx, dy);
  }

  // Row-major pixels, width() * height() of them.
  const std::vector<Rgb>& pixels() const { return pixels_; }

  bool operator==(const RasterSurface& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
  }

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
  Rgb colour_ = kBlack;
  int currentX_ = 0;
  int currentY_ = 0;
};

}  // namespace vexolite
