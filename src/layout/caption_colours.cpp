// Caption colours on coloured backgrounds, by relative luminance.
// SPDX-License-Identifier: MIT
#include "layout/caption_colours.h"

#include <algorithm>
#include <cmath>

namespace vexolite {
namespace {

// One sRGB channel (0 to 255) as linear light (0 to 1).
double linearChannel(std::uint8_t value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(Rgb colour) {
  return 0.2126 * linearChannel(colour.r) + 0.7152 * linearChannel(colour.g) +
         0.0722 * linearChannel(colour.b);
}

std::uint8_t mixChannel(std::uint8_t from, std::uint8_t to, int weight) {
  return static_cast<std::uint8_t>((from * weight + to * (255 - weight) + 127) / 255);
}

double contrastRatio(Rgb a, Rgb b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

CaptionColours captionColoursOn(Rgb background) {
  const Rgb ink =
      contrastRatio(kBlack, background) >= contrastRatio(kWhite, background) ? kBlack : kWhite;
  // The ink's weight in the mix falls until one step less would fall below the least contrast.
  Rgb faded = ink;
  for (int weight = 254; weight > 0; --weight) {
    const Rgb mix{mixChannel(ink.r, background.r, weight), mixChannel(ink.g, background.g, weight),
                  mixChannel(ink.b, background.b, weight)};
    if (contrastRatio(mix, background) < kDisabledCaptionContrast) break;
    faded = mix;
  }
  return {ink, faded};
}

}  // namespace vexolite
