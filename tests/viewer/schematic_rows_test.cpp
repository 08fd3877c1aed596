// The schematic rows: the bounding box of the figure as text, on worked examples and a property.
#include <gtest/gtest.h>

#include <random>

#include "viewer/schematic_rows.h"

namespace vexolite {
namespace {

std::string codes(std::initializer_list<int> values) {
  std::string text;
  for (int v : values)
    text.push_back(static_cast<char>(v));
  return text;
}

TEST(SchematicRows, OneRowWithAnEmptyCell) {
  CellGrid cells;
  const int values[] = {1, 2, 3, 0, 4, 5, 6};
  for (int k = 1; k <= 7; ++k)
    cells(1, 1, k) = static_cast<std::int16_t>(values[k - 1]);
  const SchematicLayout layout = buildSchematicRows(cells, 8);
  EXPECT_EQ(layout.plan.rowCount, 1);
  EXPECT_EQ(layout.FirstColumn, 1);
  EXPECT_EQ(layout.BoxColumns, 7);
  EXPECT_EQ(layout.plan.rows[1], codes({1, 2, 3, 0, 4, 5, 6, 179}));
  EXPECT_EQ(layout.plan.rows[2], "");
}

TEST(SchematicRows, ColumnsThreeToFive) {
  CellGrid cells;
  cells(2, 4, 3) = 1;
  cells(2, 4, 5) = 2;
  cells(3, 5, 4) = 3;
  const SchematicLayout layout = buildSchematicRows(cells, 8);
  EXPECT_EQ(layout.FirstColumn, 3);
  EXPECT_EQ(layout.CutLineLength, 6);
  EXPECT_EQ(layout.BoxColumns, 3);
  ASSERT_EQ(layout.plan.rowCount, 2);
  EXPECT_EQ(layout.plan.rows[1], codes({1, 0, 2, 179, 0, 0, 0, 179}));
  EXPECT_EQ(layout.plan.rows[2], codes({0, 0, 0, 179, 0, 3, 0, 179}));
}

// An empty layer and an empty row inside the box stay; only those at its edges go.
TEST(SchematicRows, EmptyLayerAndRowInsideTheBoxStay) {
  CellGrid cells;
  cells(1, 1, 1) = 5;
  cells(3, 3, 2) = 6;
  const SchematicLayout layout = buildSchematicRows(cells, 4);
  ASSERT_EQ(layout.plan.rowCount, 3);
  EXPECT_EQ(layout.plan.rows[1], codes({5, 0, 179, 0, 0, 179, 0, 0, 179}));
  EXPECT_EQ(layout.plan.rows[2], codes({0, 0, 179, 0, 0, 179, 0, 0, 179}));
  EXPECT_EQ(layout.plan.rows[3], codes({0, 0, 179, 0, 0, 179, 0, 6, 179}));
}

TEST(SchematicRows, NoCubeGivesNoRows) {
  const SchematicLayout layout = buildSchematicRows(CellGrid{}, 8);
  EXPECT_EQ(layout.plan.rowCount, 0);
  EXPECT_EQ(layout.FirstColumn, 9);
}

// Wherever the figure lies in the drawing cube, its rows are those of the same figure placed
// at the origin: only the bounding box counts.
TEST(SchematicRows, PlacementInTheDrawingCubeDoesNotMatter) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 200; ++round) {
    const int side = round % 2 ? 8 : 16;
    CellGrid atOrigin;
    CellGrid shifted;
    const int di = static_cast<int>(random() % 5), dj = static_cast<int>(random() % 5),
              dk = static_cast<int>(random() % 5);
    for (std::int16_t cube = 1; cube <= 27; ++cube) {
      const int i = 1 + static_cast<int>(random() % 3), j = 1 + static_cast<int>(random() % 3),
                k = 1 + static_cast<int>(random() % 3);
      atOrigin(i, j, k) = cube;
      shifted(i + di, j + dj, k + dk) = cube;
    }
    const SchematicLayout expected = buildSchematicRows(atOrigin, side);
    const SchematicLayout actual = buildSchematicRows(shifted, side);
    EXPECT_EQ(actual.plan.rows, expected.plan.rows);
    EXPECT_EQ(actual.plan.rowCount, expected.plan.rowCount);
    EXPECT_EQ(actual.FirstColumn, expected.FirstColumn + dk);
  }
}

}  // namespace
}  // namespace vexolite
