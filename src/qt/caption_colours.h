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

// The contrast ratio of two colours, from 1 (the same) to 21 (black and white), by the relative
// luminance of sRGB colours that the web's accessibility guidelines use.
double contrastRatio(Rgb a, Rgb b);

// Least contrasts kept between caption and background: the guidelines' 4.5 for text, and 3 for
// a disabled caption, with a margin for the edges of glyphs.
inline constexpr double kEnabledCaptionContrast = 4.5;
inline constexpr double kDisabledCaptionContrast = 3.25;

// Enabled, black or white, whichever stands out more from background; disabled, that colour
// faded toward background as far as kDisabledCaptionContrast allows, so that the two states
// differ as plainly as legibility permits.
CaptionColours captionColoursOn(Rgb background);

}  // namespace vexolite
