// The raster surface: the line rule the drawings rely on, clipping, and copies that AND colours.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "raster/raster_surface.h"
#include "support/pixel_picture.h"

namespace vexolite {
namespace {

using Picture = std::vector<std::string>;

TEST(RasterLine, CoversItsStartStopsBeforeItsEndRoundsHalvesUpAndClips) {
  RasterSurface fresh(5, 3);  // the pen starts at (0, 0)
  fresh.lineTo(3, 0);
  fresh.lineTo(3, 2);
  fresh.line(2, 2, 0, 1);  // halfway across, at x = 1, it goes up
  EXPECT_EQ(pixelPicture(fresh, 0, 0, 5, 3, {{kBlack, '#'}}), (Picture{"####.", ".#.#.", "..#.."}));

  // Random lines partly off the surface against the documented formula: along the longer span n
  // every step t = 0 .. n - 1, across it floor((2 t d + n - 1) / 2n) for the signed shorter span d.
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> coordinate(-20, 79);
  for (int trial = 0; trial < 3000; ++trial) {
    const int x1 = coordinate(random), y1 = coordinate(random);
    const int x2 = trial % 50 ? coordinate(random) : x1, y2 = trial % 50 ? coordinate(random) : y1;
    const bool alongX = std::abs(x2 - x1) >= std::abs(y2 - y1);
    const int n = alongX ? std::abs(x2 - x1) : std::abs(y2 - y1);
    const int d = alongX ? y2 - y1 : x2 - x1;
    const int sign = (alongX ? x2 - x1 : y2 - y1) < 0 ? -1 : 1;
    RasterSurface documented(60, 60), surface(60, 60);
    for (int t = 0; t < n; ++t) {
      const int across = static_cast<int>(std::floor((2.0 * t * d + n - 1) / (2.0 * n)));
      documented.plot(alongX ? x1 + sign * t : x1 + across, alongX ? y1 + across : y1 + sign * t);
    }
    surface.line(x1, y1, x1, y1);  // a line of no length draws nothing but moves the pen
    surface.lineTo(x2, y2);
    ASSERT_EQ(surface, documented) << x1 << ", " << y1 << " to " << x2 << ", " << y2;
    ASSERT_EQ((std::pair{surface.currentX(), surface.currentY()}), (std::pair{x2, y2}));
  }
}

TEST(RasterSurface, AndCopyCombinesColoursAndClipsBothRectangles) {
  // Source: black, cyan / yellow, black. Over magenta, cyan leaves blue and yellow red.
  RasterSurface source(2, 2);
  source.plot(0, 0);
  source.plot(1, 1);
  source.setColour({0, 255, 255});
  source.plot(1, 0);
  source.setColour({255, 255, 0});
  source.plot(0, 1);
  RasterSurface target(4, 4);
  paintAll(target, {255, 0, 255});
  target.andCopy(source, -1, -1, 4, 4, 0, 0);  // a rectangle round the whole source, at (1, 1)
  target.andCopy(source, 3, -1);               // only its bottom left pixel lands, at (3, 0)
  target.andCopy(source, -1, 3);               // only its top right pixel lands, at (0, 3)
  EXPECT_EQ(
      pixelPicture(target, 0, 0, 4, 4,
                   {{{255, 0, 255}, 'm'}, {kBlack, '#'}, {{0, 0, 255}, 'b'}, {{255, 0, 0}, 'r'}}),
      (Picture{"mmmr", "m#bm", "mr#m", "bmmm"}));
}

}  // namespace
}  // namespace vexolite
