// Quarter turns: their algebra, where each cube lands, and turns about the drawing cube's centre.
// SPDX-License-Identifier: MIT
#include "geometry/quarter_turns.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <utility>
#include <vector>

namespace vexolite {
namespace {

constexpr std::array<Turn, 4> kTurns = {Turn::Up, Turn::Down, Turn::Left, Turn::Right};

// Cells outside 1..cubeSide get distinct markers above 27, so anything moved there shows.
CellGrid markedOutside(int cubeSide) {
  CellGrid grid;
  for (int i = 0; i <= kGridBound; ++i) {
    for (int j = 0; j <= kGridBound; ++j) {
      for (int k = 0; k <= kGridBound; ++k) {
        const auto inside = [cubeSide](int n) { return n >= 1 && n <= cubeSide; };
        if (!inside(i) || !inside(j) || !inside(k))
          grid(i, j, k) = static_cast<std::int16_t>(100 + (i * 17 + j) * 17 + k);
      }
    }
  }
  return grid;
}

// Where a turn takes the cube at (i, j, k) of a cube with side m - 1: Up brings the right face
// (k = side) to the top (i = side), Left brings it to the left face (j = side).
std::array<int, 3> destination(Turn turn, int i, int j, int k, int m) {
  switch (turn) {
    case Turn::Up:
      return {k, j, m - i};
    case Turn::Down:
      return {m - k, j, i};
    case Turn::Left:
      return {i, k, m - j};
    case Turn::Right:
      return {i, m - k, j};
  }
  return {i, j, k};
}

CellGrid turned(CellGrid cells, int cubeSide, Turn turn, int times = 1) {
  for (int n = 0; n < times; ++n)
    turnCells(cells, cubeSide, turn);
  return cells;
}

TEST(QuarterTurns, EachCubeLandsWhereTheTurnTakesItAndTurnsUndoEachOther) {
  std::mt19937 rng(20240611);
  for (int side : {4, 8, 16}) {
    // Every cell distinct, then figures of 27 cubes in random cells.
    std::vector<CellGrid> figures(1, markedOutside(side));
    for (int i = 1; i <= side; ++i) {
      for (int j = 1; j <= side; ++j) {
        for (int k = 1; k <= side; ++k)
          figures[0](i, j, k) = static_cast<std::int16_t>(-((i * 17 + j) * 17 + k));
      }
    }
    std::uniform_int_distribution<int> cell(1, side);
    for (int run = 0; run < 40; ++run) {
      CellGrid& figure = figures.emplace_back(markedOutside(side));
      for (int cube = 1; cube <= kMaxCubes;) {
        std::int16_t& at = figure(cell(rng), cell(rng), cell(rng));
        if (at == 0) at = static_cast<std::int16_t>(cube++);
      }
    }
    for (const CellGrid& figure : figures) {
      for (Turn turn : kTurns) {
        SCOPED_TRACE(::testing::Message() << "side " << side << " turn " << static_cast<int>(turn));
        CellGrid moved = figure;  // cells outside the drawing cube stay put
        for (int i = 1; i <= side; ++i) {
          for (int j = 1; j <= side; ++j) {
            for (int k = 1; k <= side; ++k) {
              const auto [ti, tj, tk] = destination(turn, i, j, k, side + 1);
              moved(ti, tj, tk) = figure(i, j, k);
            }
          }
        }
        EXPECT_EQ(turned(figure, side, turn), moved);
        EXPECT_NE(turned(figure, side, turn, 2), figure);
        EXPECT_EQ(turned(figure, side, turn, 4), figure);
      }
      for (auto [turn, reverse] : {std::pair{Turn::Up, Turn::Down},
                                   {Turn::Down, Turn::Up},
                                   {Turn::Left, Turn::Right},
                                   {Turn::Right, Turn::Left}})
        EXPECT_EQ(turned(turned(figure, side, turn), side, reverse), figure);
    }
  }
}

TEST(QuarterTurns, TurnIsAboutTheDrawingCubeNotTheFigure) {
  // A 3 x 3 x 3 block in the corner (1, 1, 1) of a drawing cube of side 4.
  CellGrid cells;
  int number = 0;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      for (int k = 1; k <= 3; ++k)
        cells(i, j, k) = static_cast<std::int16_t>(++number);
    }
  }
  turnCells(cells, 4, Turn::Up);
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(cells(i, j, k) != 0, i <= 3 && j <= 3 && k >= 2) << i << "," << j << "," << k;
    }
  }
  // The block's bottom front corner cube went to the far end of the third index.
  EXPECT_EQ(cells(1, 1, 4), 1);
}

}  // namespace
}  // namespace vexolite
