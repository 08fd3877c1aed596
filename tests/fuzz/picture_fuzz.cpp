// Fuzz target: a picture file dropped on the web page, read by the page's own bitmap reader onto a
// surface of the size a case image has. A picture it takes must survive being written again: the
// surface's bytes encode and read back to the same pixels.
// SPDX-License-Identifier: MIT
#include <cstdint>
#include <cstdlib>
#include <span>

#include "raster/raster_surface.h"
#include "web/bmp_codec.h"

namespace {

using namespace vexolite;

// The first byte picks the surface: a case image (143 x 115), a strip narrower than most pictures
// (17 x 5) or one pixel.
RasterSurface surfaceFor(std::uint8_t choice) {
  switch (choice % 3) {
    case 0:
      return RasterSurface(143, 115);
    case 1:
      return RasterSurface(17, 5);
    default:
      return RasterSurface(1, 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  RasterSurface surface = surfaceFor(data[0]);
  const std::span<const std::uint8_t> file(data + 1, size - 1);
  if (paintBmp(file, surface)) return 0;
  const auto written = encodeBmp24(surface);
  RasterSurface again(surface.width(), surface.height());
  if (paintBmp(written, again) || !(again == surface)) std::abort();
  return 0;
}
