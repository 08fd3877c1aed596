// The drawing's size and origin and the schematic rows, on figures worked by hand.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "drawing/drawing_size.h"
#include "drawing/schematic_rows.h"

namespace vexolite {
namespace {

constexpr int kAny = INT_MIN;  // a value the worked example leaves unchecked

// Cubes 1, 2, ... at the given cells.
CellGrid cellsAt(std::initializer_list<std::array<int, 3>> cells) {
  CellGrid grid;
  std::int16_t cube = 1;
  for (const auto& [i, j, k] : cells)
    grid(i, j, k) = cube++;
  return grid;
}

void expectValue(int actual, int expected, const char* what) {
  if (expected != kAny) {
    EXPECT_EQ(actual, expected) << what;
  }
}

TEST(DrawingSize, WorkedFigures) {
  const CellGrid tall = cellsAt({{15, 1, 1}, {1, 13, 13}});
  const struct {
    const char* what;
    CellGrid cells;
    int side;
    double zoom;
    int originX, originY, width, height, fits;
  } cases[] = {
      {"single cube at zoom 1", cellsAt({{1, 1, 1}}), 4, 1, 1, 11, 33, 35, true},
      {"single cube at zoom 0.5", cellsAt({{1, 1, 1}}), 4, 0.5, 1, 6, 17, 18, true},
      // The tallest top is the top cube at the back, the lowest bottom the bottom cube in
      // front: height = 8z (26 - 2) + 15 h + 16z + 1. Both cubes lie on the middle line k = j.
      {"15 layers at zoom 1", tall, 16, 1, kAny, kAny, 33, 8 * 24 + 15 * 18 + 16 + 1, true},
      {"15 layers at zoom 1.5", tall, 16, 1.5, kAny, kAny, kAny, 12 * 24 + 15 * 27 + 24 + 1, false},
      // Width = 16z (spread of k - j + 2) + 1: at zoom 1.5 a spread of 24 gives 625, 25 gives 649.
      {"spread 24", cellsAt({{1, 13, 1}, {1, 1, 13}}), 16, 1.5, kAny, kAny, 625, kAny, true},
      {"spread 25", cellsAt({{1, 13, 1}, {1, 1, 14}}), 16, 1.5, kAny, kAny, 649, kAny, false},
      // Turned to the far corner of the drawing cube at a large zoom, it still starts at (1, 1).
      {"far corner", cellsAt({{1, 1, 16}}), 16, 3, 1 - 720, kAny, 97, kAny, kAny},
      {"no cube", CellGrid{}, 4, 0.5, 1 - 640, 1 - 640, kAny, kAny, true},
  };
  EXPECT_EQ(cases[2].height, 479);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DrawingSize size = measureDrawing(c.cells, c.side, c.zoom);
    expectValue(size.originX, c.originX, "originX");
    expectValue(size.originY, c.originY, "originY");
    expectValue(size.width, c.width, "width");
    expectValue(size.height, c.height, "height");
    expectValue(fitsPicture(size), c.fits, "fitsPicture");
  }
}

std::string codes(std::initializer_list<int> values) {
  std::string text;
  for (int v : values)
    text.push_back(static_cast<char>(v));
  return text;
}

TEST(SchematicRows, WorkedFigures) {
  CellGrid oneRow;  // one row with an empty cell
  const int values[] = {1, 2, 3, 0, 4, 5, 6};
  for (int k = 1; k <= 7; ++k)
    oneRow(1, 1, k) = static_cast<std::int16_t>(values[k - 1]);
  CellGrid columnsThreeToFive;
  columnsThreeToFive(2, 4, 3) = 1;
  columnsThreeToFive(2, 4, 5) = 2;
  columnsThreeToFive(3, 5, 4) = 3;
  CellGrid hollow;  // an empty layer and an empty row inside the box stay
  hollow(1, 1, 1) = 5;
  hollow(3, 3, 2) = 6;
  const struct {
    const char* what;
    CellGrid cells;
    int side;
    std::vector<std::string> rows;
  } cases[] = {
      {"one row", oneRow, 8, {codes({1, 2, 3, 0, 4, 5, 6, 179})}},
      {"columns 3 to 5",
       columnsThreeToFive,
       8,
       {codes({1, 0, 2, 179, 0, 0, 0, 179}), codes({0, 0, 0, 179, 0, 3, 0, 179})}},
      {"hollow",
       hollow,
       4,
       {codes({5, 0, 179, 0, 0, 179, 0, 0, 179}), codes({0, 0, 179, 0, 0, 179, 0, 0, 179}),
        codes({0, 0, 179, 0, 0, 179, 0, 6, 179})}},
      {"no cube", CellGrid{}, 8, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const SchematicPlan plan = buildSchematicRows(c.cells, c.side);
    ASSERT_EQ(plan.rowCount, static_cast<int>(c.rows.size()));
    for (std::size_t n = 0; n < c.rows.size(); ++n)
      EXPECT_EQ(plan.rows[n + 1], c.rows[n]) << n + 1;
    EXPECT_EQ(plan.rows[c.rows.size() + 1], "");
  }
}

// Wherever the figure lies in the drawing cube, its rows are those of the same figure placed
// at the origin: only the bounding box counts.
TEST(SchematicRows, PlacementInTheDrawingCubeDoesNotMatter) {
  std::mt19937 random(20261206);
  const auto below = [&random](int n) { return static_cast<int>(random() % n); };
  for (int round = 0; round < 200; ++round) {
    const int side = round % 2 ? 8 : 16;
    CellGrid atOrigin, shifted;
    const int di = below(5), dj = below(5), dk = below(5);
    for (std::int16_t cube = 1; cube <= 27; ++cube) {
      const int i = 1 + below(3), j = 1 + below(3), k = 1 + below(3);
      atOrigin(i, j, k) = cube;
      shifted(i + di, j + dj, k + dk) = cube;
    }
    const SchematicPlan expected = buildSchematicRows(atOrigin, side);
    const SchematicPlan actual = buildSchematicRows(shifted, side);
    EXPECT_EQ(actual.rows, expected.rows);
    EXPECT_EQ(actual.rowCount, expected.rowCount);
  }
}

}  // namespace
}  // namespace vexolite
