// The colours of a caption drawn on a coloured background: legible when enabled, dimmed but
// still legible when disabled.
// SPDX-License-Identifier: MIT
#pragma once

#include "raster/raster_surface.h"

namespace vexolite {

struct CaptionColours {
  Rgb enabled;
  Rgb disabled;
};

// The least contrast ratio (by the relative luminance of the web's accessibility guidelines, 1 to
// 21) kept between a disabled caption and its background: their 3 for dimmed text, with a margin
// for the edges of glyphs.
inline constexpr double kDisabledCaptionContrast = 3.25;

// Enabled, black or white, whichever stands out more from background (at least 4.5 : 1 on each
// piece's colour); disabled, that colour faded toward background as far as
// kDisabledCaptionContrast allows, so that the two states differ as plainly as legibility permits.
CaptionColours captionColoursOn(Rgb background);

}  // namespace vexolite
