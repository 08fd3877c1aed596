// Our own raster surface: 24-bit RGB pixels, a pen, one-pixel lines, clearing and AND copies.
// SPDX-License-Identifier: MIT
#include "raster/raster_surface.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>

namespace vexolite {

RasterSurface::RasterSurface(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kWhite) {}

void RasterSurface::clear() {
  std::fill(pixels_.begin(), pixels_.end(), kWhite);
}

Rgb RasterSurface::pixel(int x, int y) const {
  assert(x >= 0 && x < width_ && y >= 0 && y < height_);
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void RasterSurface::plot(int x, int y) {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
          static_cast<std::size_t>(x)] = colour_;
}

void RasterSurface::line(int x1, int y1, int x2, int y2) {
  const long long spanX = static_cast<long long>(x2) - x1;
  const long long spanY = static_cast<long long>(y2) - y1;
  const bool alongX = std::llabs(spanX) >= std::llabs(spanY);
  const long long n = alongX ? std::llabs(spanX) : std::llabs(spanY);
  const long long major = alongX ? (spanX < 0 ? -1 : 1) : (spanY < 0 ? -1 : 1);
  const long long minorSpan = alongX ? spanY : spanX;
  // The minor offset is floor((2 t d + n - 1) / 2n); numerator and denominator kept exactly so
  // that each step adds 2d and carries whole pixels out.
  const long long denominator = 2 * n;
  long long numerator = n - 1;  // 2 t d + n - 1 at t = 0
  long long minor = 0;
  for (long long t = 0; t < n; ++t) {
    while (numerator >= denominator) {
      numerator -= denominator;
      ++minor;
    }
    while (numerator < 0) {
      numerator += denominator;
      --minor;
    }
    const long long along = t * major;
    const long long x = alongX ? x1 + along : x1 + minor;
    const long long y = alongX ? y1 + minor : y1 + along;
    if (x >= 0 && x < width_ && y >= 0 && y < height_)
      plot(static_cast<int>(x), static_cast<int>(y));
    numerator += 2 * minorSpan;
  }
  currentX_ = x2;
  currentY_ = y2;
}

void RasterSurface::lineTo(int x2, int y2) {
  line(currentX_, currentY_, x2, y2);
}

void RasterSurface::andCopy(const RasterSurface& source, int sx, int sy, int w, int h, int dx,
                            int dy) {
  for (int row = 0; row < h; ++row) {
    const int fromY = sy + row;
    const int toY = dy + row;
    if (fromY < 0 || fromY >= source.height_ || toY < 0 || toY >= height_) continue;
    for (int column = 0; column < w; ++column) {
      const int fromX = sx + column;
      const int toX = dx + column;
      if (fromX < 0 || fromX >= source.width_ || toX < 0 || toX >= width_) continue;
      const Rgb from = source.pixel(fromX, fromY);
      Rgb& to = pixels_[static_cast<std::size_t>(toY) * static_cast<std::size_t>(width_) +
                        static_cast<std::size_t>(toX)];
      to = Rgb{static_cast<std::uint8_t>(to.r & from.r), static_cast<std::uint8_t>(to.g & from.g),
               static_cast<std::uint8_t>(to.b & from.b)};
    }
  }
}

}  // namespace vexolite
