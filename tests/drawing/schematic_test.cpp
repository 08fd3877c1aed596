// The schematic: the figure's bounding box as rows of cells, drawn as squares and marks.
// SPDX-License-Identifier: MIT
#include "drawing/schematic.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "drawing/schematic_rows.h"
#include "support/pixel_picture.h"

namespace vexolite {
namespace {

std::string codes(std::initializer_list<int> cells) {
  std::string row;
  for (int code : cells)
    row += static_cast<char>(code);
  return row;
}

TEST(SchematicRows, TheBoundingBoxLayerBesideLayerWithAGapAfterEach) {
  CellGrid cells;  // layers 2..3, rows 4..5, columns 3..5
  cells(2, 4, 3) = 1;
  cells(2, 4, 5) = 2;
  cells(3, 5, 4) = 3;
  SchematicPlan plan = buildSchematicRows(cells, 8);
  EXPECT_EQ(plan.rowCount, 2);
  EXPECT_EQ(plan.rows[1], codes({1, 0, 2, 179, 0, 0, 0, 179}));
  EXPECT_EQ(plan.rows[2], codes({0, 0, 0, 179, 0, 3, 0, 179}));
  EXPECT_EQ(plan.rows[3], "");
  CellGrid hollow;  // an empty layer and an empty row inside the box stay
  hollow(1, 1, 1) = 5;
  hollow(3, 3, 2) = 6;
  plan = buildSchematicRows(hollow, 4);
  EXPECT_EQ(plan.rowCount, 3);
  EXPECT_EQ(plan.rows[2], codes({0, 0, 179, 0, 0, 179, 0, 0, 179}));
  EXPECT_EQ(plan.rows[3], codes({0, 0, 179, 0, 0, 179, 0, 6, 179}));
  EXPECT_EQ(buildSchematicRows(CellGrid{}, 8).rowCount, 0);
}

TEST(Schematic, EachCellsSquareAndMarkByItsStateAlignedBottomRightPositionsRecorded) {
  // Two rows of four: layer one two cells wide, its gap, one cell of layer two. Help is on
  // with piece 4: cube 1 shown and cube 2 hidden are rojo, cube 3 hidden and cube 4 shown not.
  SchematicPlan plan;
  plan.rows[1] = codes({1, 0, 179, 2});
  plan.rows[2] = codes({0, 3, 179, 4});
  plan.rowCount = 2;
  CubeletRows cubelets{};
  for (const auto& [c, piece, state] : {std::array{1, 4, int{kCubeShown}},
                                        {2, 4, int{kCubeHidden}},
                                        {3, 1, int{kCubeHidden}},
                                        {4, 2, int{kCubeShown}}}) {
    cubelets[c][kPieceColumn] = static_cast<std::int16_t>(piece);
    cubelets[c][kStateColumn] = static_cast<std::int16_t>(state);
  }
  RasterSurface figureView(640, 480), planSurface(143, 115);
  drawPlan(figureView, planSurface, plan, cubelets, HelpChoice{true, 4, 11, 12});

  // From 639 - 7 * 4 = 611, 479 - 7 * 2 = 465; cube 0 keeps the last empty cell visited.
  const auto square = [&cubelets](int c) {
    return std::pair<int, int>{cubelets[c][kSquareXColumn], cubelets[c][kSquareYColumn]};
  };
  EXPECT_EQ(square(1), std::pair(611, 465));
  EXPECT_EQ(square(2), std::pair(632, 465));
  EXPECT_EQ(square(3), std::pair(618, 472));
  EXPECT_EQ(square(4), std::pair(632, 472));
  EXPECT_EQ(square(0), std::pair(611, 472));
  // g grey, r rojo, t its tint, l light grey; 625..630 the gap.
  const std::string blank(29, '.'), gap(8, '.');
  EXPECT_EQ(pixelPicture(figureView, 610, 464, 29, 15,
                         {{{128, 128, 128}, 'g'},
                          {{255, 0, 0}, 'r'},
                          {{255, 112, 112}, 't'},
                          {{192, 192, 192}, 'l'}}),
            (std::vector<std::string>{
                blank, ".gggggg.llllll" + gap + "llllll.", ".grrrrg.l....l" + gap + "lttttl.",
                ".grrrrg.l....l" + gap + "lttttl.", ".grrrrg.l....l" + gap + "lttttl.",
                ".grrrrg.l....l" + gap + "lttttl.", ".gggggg.llllll" + gap + "llllll.", blank,
                ".llllll.llllll" + gap + "gggggg.", ".l....l.llllll" + gap + "gggggg.",
                ".l....l.llllll" + gap + "gggggg.", ".l....l.llllll" + gap + "gggggg.",
                ".l....l.llllll" + gap + "gggggg.", ".llllll.llllll" + gap + "gggggg.", blank}));
  EXPECT_EQ(inkedBox(figureView), (Box{611, 465, 637, 477}));
  // On PlanSurface from 144 - 3 * 4 = 132, 113 - 3 * 2 = 107: black for shown, else light grey.
  EXPECT_EQ(
      pixelPicture(planSurface, 131, 106, 12, 7, {{kBlack, '#'}, {{192, 192, 192}, 'l'}}),
      (std::vector<std::string>{"............", ".##.ll....ll", ".##.ll....ll", "............",
                                ".ll.ll....##", ".ll.ll....##", "............"}));
}

}  // namespace
}  // namespace vexolite
