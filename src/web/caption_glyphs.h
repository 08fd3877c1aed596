// The caption font's glyphs as fixed bitmaps, for a front end without the desktop's font engine.
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "raster/raster_surface.h"

namespace vexolite {

// Advance of one character in 1/64 pixel: the n-th character starts at n * 422 / 64, rounded
// down. One line is 13 pixels high.
inline constexpr int kCaptionAdvance64 = 422;
inline constexpr int kCaptionLineHeight = 13;

// Inks text in black onto surface exactly as the desktop renders the caption font (8.5 point
// Liberation Mono at 96 dpi, unsmoothed): the first line from the top-left corner, "\r\n"
// starting a new line (as does a lone "\n"). Printable ASCII has its glyph; a space, and any other
// character, advance without ink. Pixels no glyph covers keep their colour; ink outside the surface
// is cut off.
void inkCaption(std::string_view text, RasterSurface& surface);

}  // namespace vexolite
