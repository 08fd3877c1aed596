// The line rule the drawings rely on: start pixel covered, end pixel left out, end kept as pen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <utility>

#include "pixel_picture.h"
#include "platform/raster_surface.h"

namespace vexolite {
namespace {

using Pixel = std::pair<int, int>;

std::set<Pixel> inkedPixels(const RasterSurface& surface) {
  std::set<Pixel> pixels;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.pixel(x, y) != kWhite) pixels.insert({x, y});
    }
  }
  return pixels;
}

// Floor of a / b for b > 0.
long long floorDiv(long long a, long long b) {
  return a / b - ((a % b != 0 && a < 0) ? 1 : 0);
}

// The pixels of a line by the documented rule, straight from the formula: along the longer
// span n every step t = 0 .. n - 1, across it floor((2 t d + n - 1) / 2n).
std::set<Pixel> documentedLine(int x1, int y1, int x2, int y2) {
  const int spanX = x2 - x1;
  const int spanY = y2 - y1;
  const bool alongX = std::abs(spanX) >= std::abs(spanY);
  const int n = alongX ? std::abs(spanX) : std::abs(spanY);
  std::set<Pixel> pixels;
  for (int t = 0; t < n; ++t) {
    const int d = alongX ? spanY : spanX;
    const int across = static_cast<int>(floorDiv(2LL * t * d + n - 1, 2LL * n));
    const int along = (alongX ? (spanX < 0 ? -t : t) : (spanY < 0 ? -t : t));
    pixels.insert(alongX ? Pixel{x1 + along, y1 + across} : Pixel{x1 + across, y1 + along});
  }
  return pixels;
}

TEST(RasterLineRule, RandomLinesCoverTheirLongerSpanFromTheStartAndStopBeforeTheEnd) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> coordinate(0, 59);
  RasterSurface surface(60, 60);
  for (int trial = 0; trial < 3000; ++trial) {
    const int x1 = coordinate(random), y1 = coordinate(random);
    const int x2 = coordinate(random), y2 = coordinate(random);
    surface.clear();
    surface.line(x1, y1, x2, y2);
    const std::set<Pixel> inked = inkedPixels(surface);
    SCOPED_TRACE(::testing::Message()
                 << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ")");
    const int longer = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
    EXPECT_EQ(static_cast<int>(inked.size()), longer);
    if (longer > 0) {
      EXPECT_TRUE(inked.contains({x1, y1}));
      EXPECT_FALSE(inked.contains({x2, y2}));
    }
    EXPECT_EQ(inked, documentedLine(x1, y1, x2, y2));
    EXPECT_EQ(surface.currentX(), x2);
    EXPECT_EQ(surface.currentY(), y2);
  }
}

TEST(RasterLineRule, HalvesGoUpOrLeftAndLineToGoesOnFromThePen) {
  RasterSurface surface(10, 10);
  // Slope 1/2: exact y 0, 0.5, 1, 1.5 at x 0..3.
  surface.line(0, 0, 4, 2);
  EXPECT_EQ(inkedPixels(surface), (std::set<Pixel>{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  surface.clear();
  // Back along the same slope from the other end: halves still go up.
  surface.line(4, 2, 0, 0);
  EXPECT_EQ(inkedPixels(surface), (std::set<Pixel>{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
  surface.clear();
  // A steep line: halves go left.
  surface.line(0, 0, 2, 4);
  EXPECT_EQ(inkedPixels(surface), (std::set<Pixel>{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
  surface.clear();
  // A new surface's pen is at (0, 0); each lineTo starts where the previous line ended.
  RasterSurface fresh(10, 10);
  fresh.lineTo(3, 0);
  fresh.lineTo(3, 2);
  EXPECT_EQ(inkedPixels(fresh), (std::set<Pixel>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}}));
  // A line of no length covers nothing but still moves the pen.
  fresh.clear();
  fresh.line(5, 5, 5, 5);
  EXPECT_TRUE(inkedPixels(fresh).empty());
  EXPECT_EQ(fresh.currentX(), 5);
  EXPECT_EQ(fresh.currentY(), 5);
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
        << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ")";
  }
}

}  // namespace
}  // namespace vexolite
