// The drawing's size and origin at a zoom, on figures worked by hand.
#include <gtest/gtest.h>

#include "viewer/drawing_size.h"

namespace vexolite {
namespace {

CellGrid cellsAt(std::initializer_list<std::array<int, 3>> cells) {
  CellGrid grid;
  std::int16_t cube = 1;
  for (const auto& [i, j, k] : cells)
    grid(i, j, k) = cube++;
  return grid;
}

TEST(DrawingSize, StepsAtEachZoom) {
  const CellGrid one = cellsAt({{1, 1, 1}});
  const struct {
    double zoom;
    double dx, dy, h;
  } expected[] = {{0.5, 8, 4, 9}, {1, 16, 8, 18}, {1.5, 24, 12, 27}, {2, 32, 16, 36}};
  for (const auto& e : expected) {
    const DrawingSize size = measureDrawing(one, 4, e.zoom);
    EXPECT_EQ(size.RawStepX, e.dx) << e.zoom;
    EXPECT_EQ(size.RawStepY, e.dy) << e.zoom;
    EXPECT_EQ(size.RawCellHeight, e.h) << e.zoom;
  }
}

TEST(DrawingSize, SingleCubeAtTheOrigin) {
  const CellGrid one = cellsAt({{1, 1, 1}});
  const DrawingSize atOne = measureDrawing(one, 4, 1);
  EXPECT_EQ(atOne.AnchorX, 0);
  EXPECT_EQ(atOne.AnchorY, -2);
  EXPECT_EQ(atOne.OriginX, 1);
  EXPECT_EQ(atOne.OriginY, 11);
  EXPECT_EQ(atOne.DrawingWidth, 33);
  EXPECT_EQ(atOne.DrawingHeight, 35);

  const DrawingSize atHalf = measureDrawing(one, 4, 0.5);
  EXPECT_EQ(atHalf.AnchorX, 0);
  EXPECT_EQ(atHalf.AnchorY, -1);
  EXPECT_EQ(atHalf.OriginX, 1);
  EXPECT_EQ(atHalf.OriginY, 6);
  EXPECT_EQ(atHalf.DrawingWidth, 17);
  EXPECT_EQ(atHalf.DrawingHeight, 18);
}

// The tallest top belongs to the top cube at the back, the lowest bottom to the bottom cube in
// front: height = 8z (26 - 2) + 15 h + 16z + 1.
TEST(DrawingSize, FifteenLayersFitExactlyAt479) {
  const CellGrid tall = cellsAt({{15, 1, 1}, {1, 13, 13}});
  const DrawingSize atOne = measureDrawing(tall, 16, 1);
  EXPECT_EQ(atOne.DrawingHeight, 8 * 24 + 15 * 18 + 16 + 1);
  EXPECT_EQ(atOne.DrawingHeight, 479);
  EXPECT_TRUE(fitsPicture(atOne));
  EXPECT_EQ(atOne.DrawingWidth, 33);  // both cubes on the middle line k = j

  const DrawingSize atOneAndHalf = measureDrawing(tall, 16, 1.5);
  EXPECT_EQ(atOneAndHalf.DrawingHeight, 12 * 24 + 15 * 27 + 24 + 1);
  EXPECT_FALSE(fitsPicture(atOneAndHalf));
}

// Width = 16z (spread of k - j + 2) + 1: at zoom 1.5 a spread of 24 gives 625, of 25 gives 649.
TEST(DrawingSize, WidthAroundThe639Boundary) {
  const DrawingSize fits = measureDrawing(cellsAt({{1, 13, 1}, {1, 1, 13}}), 16, 1.5);
  EXPECT_EQ(fits.DrawingWidth, 625);
  EXPECT_TRUE(fitsPicture(fits));
  const DrawingSize tooWide = measureDrawing(cellsAt({{1, 13, 1}, {1, 1, 14}}), 16, 1.5);
  EXPECT_EQ(tooWide.DrawingWidth, 649);
  EXPECT_FALSE(fitsPicture(tooWide));
}

// A figure turned to the far corner of the drawing cube at a large zoom still starts at (1, 1).
TEST(DrawingSize, FarCornerStillStartsAtPixelOne) {
  const DrawingSize size = measureDrawing(cellsAt({{1, 1, 16}}), 16, 3);
  EXPECT_EQ(size.MinAnchorX, 720);
  EXPECT_EQ(size.OriginX, 1 - 720);
  EXPECT_EQ(size.DrawingWidth, 97);
}

TEST(DrawingSize, NoCubeLeavesTheStartingValues) {
  const DrawingSize size = measureDrawing(CellGrid{}, 4, 0.5);
  EXPECT_EQ(size.OriginX, 1 - 640);
  EXPECT_EQ(size.OriginY, 1 - 640);
  EXPECT_TRUE(fitsPicture(size));
}

}  // namespace
}  // namespace vexolite
