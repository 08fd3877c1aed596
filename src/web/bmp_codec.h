// Windows bitmaps in and out without a toolkit: the 24-bit file the desktop writes, and a reader.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "case_library/translatable.h"
#include "raster/raster_surface.h"

namespace vexolite {

// The whole surface as an uncompressed 24-bit bitmap with a 40-byte info header at 96 dpi,
// bottom row first, rows padded to 4 bytes: byte for byte the file the desktop writes.
std::vector<std::uint8_t> encodeBmp24(const RasterSurface& surface);

// Paints the picture of a bitmap file's bytes over surface from its top-left corner, as far as
// both reach. The headers are checked first (bitmapLayoutProblem); then uncompressed 1, 4, 8,
// 24 and 32-bit pictures are read, top-down or bottom-up. Anything else is refused with a
// reason, and the surface is left untouched.
std::optional<Reason> paintBmp(std::span<const std::uint8_t> file, RasterSurface& surface);

}  // namespace vexolite
