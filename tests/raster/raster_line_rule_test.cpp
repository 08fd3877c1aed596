// The line rule the drawings rely on: start pixel covered, end pixel left out, end kept as pen.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <utility>

#include "raster/raster_surface.h"
#include "support/pixel_picture.h"

namespace vexolite {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels inkedPixels(const RasterSurface& surface) {
  Pixels pixels;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.pixel(x, y) != kWhite) pixels.insert({x, y});
    }
  }
  return pixels;
}

// Straight from the documented formula: along the longer span n every step t = 0 .. n - 1,
// across it floor((2 t d + n - 1) / 2n) for the signed shorter span d.
Pixels documentedLine(int x1, int y1, int x2, int y2) {
  const bool alongX = std::abs(x2 - x1) >= std::abs(y2 - y1);
  const long long n = alongX ? std::abs(x2 - x1) : std::abs(y2 - y1);
  const long long d = alongX ? y2 - y1 : x2 - x1;
  const int sign = (alongX ? x2 - x1 : y2 - y1) < 0 ? -1 : 1;
  Pixels pixels;
  for (long long t = 0; t < n; ++t) {
    const long long num = 2 * t * d + n - 1;
    const int across = static_cast<int>(num / (2 * n) - (num % (2 * n) != 0 && num < 0));
    const int along = static_cast<int>(sign * t);
    pixels.insert(alongX ? std::pair{x1 + along, y1 + across} : std::pair{x1 + across, y1 + along});
  }
  return pixels;
}

TEST(RasterLineRule, RandomLinesFollowTheFormulaFromTheStartAndStopBeforeTheEnd) {
  RasterSurface fresh(10, 10);  // the pen starts at (0, 0)
  fresh.lineTo(3, 0);
  fresh.lineTo(3, 2);
  EXPECT_EQ(inkedPixels(fresh), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}}));

  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> coordinate(0, 59);
  RasterSurface surface(60, 60);
  for (int trial = 0; trial < 3000; ++trial) {
    const int x1 = coordinate(random), y1 = coordinate(random);
    const int x2 = trial % 100 ? coordinate(random) : x1,
              y2 = trial % 100 ? coordinate(random) : y1;
    SCOPED_TRACE(::testing::Message() << x1 << ", " << y1 << " to " << x2 << ", " << y2);
    surface.clear();
    if (trial % 2) {
      surface.line(x1, y1, x2, y2);
    } else {  // a line of no length draws nothing but moves the pen, where lineTo goes on
      surface.line(x1, y1, x1, y1);
      surface.lineTo(x2, y2);
    }
    const Pixels inked = inkedPixels(surface);
    EXPECT_EQ(inked, documentedLine(x1, y1, x2, y2));
    EXPECT_EQ(static_cast<int>(inked.size()), std::max(std::abs(x2 - x1), std::abs(y2 - y1)));
    if (!inked.empty()) {
      EXPECT_TRUE(inked.contains({x1, y1}));
      EXPECT_FALSE(inked.contains({x2, y2}));
    }
    EXPECT_EQ(surface.currentX(), x2);
    EXPECT_EQ(surface.currentY(), y2);
  }
}

TEST(RasterLineRule, ClippingKeepsThePartOfTheLineThatLiesOnTheSurface) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-30, 50);
  RasterSurface small(20, 20);
  RasterSurface large(100, 100);  // the small surface is its rectangle (40, 40, 20, 20)
  for (int trial = 0; trial < 500; ++trial) {
    const int x1 = coordinate(random), y1 = coordinate(random);
    const int x2 = coordinate(random), y2 = coordinate(random);
    small.clear();
    large.clear();
    small.line(x1, y1, x2, y2);
    large.line(x1 + 40, y1 + 40, x2 + 40, y2 + 40);
    ASSERT_EQ(pixelPicture(small, 0, 0, 20, 20, {}), pixelPicture(large, 40, 40, 20, 20, {}))
        << x1 << ", " << y1 << " to " << x2 << ", " << y2;
  }
}

}  // namespace
}  // namespace vexolite
