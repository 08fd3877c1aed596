// The page grid, the page names and the placing of one image in its cell.
#include "export/page_composition.h"

#include <gtest/gtest.h>

#include <set>

namespace vexolite {
namespace {

TEST(PageGrid, FiftyFourCellsRowByRowCoverThePageOnce) {
  EXPECT_EQ(kPageWidth, 1287);
  EXPECT_EQ(kPageHeight, 690);
  EXPECT_EQ(pageCell(0), (PageCell{0, 0}));
  EXPECT_EQ(pageCell(1), (PageCell{143, 0}));
  EXPECT_EQ(pageCell(8), (PageCell{1144, 0}));
  EXPECT_EQ(pageCell(9), (PageCell{0, 115}));
  EXPECT_EQ(pageCell(53), (PageCell{1144, 575}));
  // Every pixel of the page lies in exactly one cell.
  std::set<std::pair<int, int>> corners;
  for (int n = 0; n < kPageCells; ++n) {
    const PageCell cell = pageCell(n);
    EXPECT_TRUE(corners.insert({cell.x, cell.y}).second) << n;
    EXPECT_EQ(cell.x % 143, 0);
    EXPECT_EQ(cell.y % 115, 0);
    EXPECT_LE(cell.x + 143, kPageWidth);
    EXPECT_LE(cell.y + 115, kPageHeight);
  }
}

TEST(PageNames, TwoDigitsFromOneToNinetyNine) {
  EXPECT_EQ(pageFileName(1), "vexo-pag01.bmp");
  EXPECT_EQ(pageFileName(9), "vexo-pag09.bmp");
  EXPECT_EQ(pageFileName(10), "vexo-pag10.bmp");
  EXPECT_EQ(pageFileName(99), "vexo-pag99.bmp");
  EXPECT_EQ(pageFileName(100), std::nullopt);
  EXPECT_EQ(pageFileName(0), std::nullopt);
  EXPECT_EQ(pageFileName(-1), std::nullopt);
  EXPECT_EQ(pageFileName(2.5), std::nullopt);
}

// Only the upper-left 143 x 115 of the picture reaches the cell, combined by AND; the rest of
// the page keeps its pixels, and a smaller picture covers only its own size.
TEST(PageCellPlacing, UpperLeftCornerOnlyAndByAnd) {
  RasterSurface picture(300, 200);
  picture.setColour(Rgb{0, 255, 0});
  for (int y = 0; y < 200; ++y)
    picture.line(0, y, 300, y);
  RasterSurface page(kPageWidth, kPageHeight);
  page.setColour(Rgb{255, 0, 255});
  page.plot(143 + 10, 115 + 10);  // inside the cell: green AND magenta is black
  page.plot(143 + 143, 115);      // the next cell: untouched
  placeInCell(picture, page, pageCell(10));
  EXPECT_EQ(page.pixel(143 + 10, 115 + 10), kBlack);
  EXPECT_EQ(page.pixel(143 + 143, 115), (Rgb{255, 0, 255}));
  int green = 0;
  for (Rgb p : page.pixels())
    green += p == Rgb{0, 255, 0};
  EXPECT_EQ(green, 143 * 115 - 1);

  RasterSurface small(50, 40);
  small.setColour(kBlack);
  small.plot(49, 39);
  RasterSurface page2(kPageWidth, kPageHeight);
  placeInCell(small, page2, pageCell(0));
  EXPECT_EQ(page2.pixel(49, 39), kBlack);
  int black = 0;
  for (Rgb p : page2.pixels())
    black += p == kBlack;
  EXPECT_EQ(black, 1);
}

}  // namespace
}  // namespace vexolite
