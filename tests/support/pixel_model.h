// The pieces of a per-pixel model of images combined by AND: what a tested picture should hold.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "raster/raster_surface.h"

namespace vexolite::test {

// The bitwise AND of two colours, as an AND copy combines a pixel with the one beneath it.
inline Rgb andOf(Rgb a, Rgb b) {
  return Rgb{static_cast<std::uint8_t>(a.r & b.r), static_cast<std::uint8_t>(a.g & b.g),
             static_cast<std::uint8_t>(a.b & b.b)};
}

// The pixel of a surface, or white off its edges: a stamp placed partly off its target leaves
// the target as it was there.
inline Rgb pixelOrWhite(const RasterSurface& surface, int x, int y) {
  if (x < 0 || y < 0 || x >= surface.width() || y >= surface.height()) return kWhite;
  return surface.pixel(x, y);
}

}  // namespace vexolite::test
