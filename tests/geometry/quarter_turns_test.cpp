// Quarter turns: their algebra, where each cube lands, and turns about the drawing cube's centre.
#include "geometry/quarter_turns.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "random_figures.h"

namespace vexolite {
namespace {

using testing::distinctCells;
using testing::kCubeSides;
using testing::scatteredCubes;

constexpr std::array<Turn, 4> kTurns = {Turn::Up, Turn::Down, Turn::Left, Turn::Right};

struct Cell {
  int i, j, k;
};

// Where a turn takes the cube at (i, j, k) of a cube with side m - 1.
Cell destination(Turn turn, int i, int j, int k, int m) {
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

// The grid after a turn, built cell by cell from each cube's destination.
CellGrid movedCells(const CellGrid& before, int cubeSide, Turn turn) {
  CellGrid after = before;
  for (int i = 1; i <= cubeSide; ++i) {
    for (int j = 1; j <= cubeSide; ++j) {
      for (int k = 1; k <= cubeSide; ++k) {
        const Cell to = destination(turn, i, j, k, cubeSide + 1);
        after(to.i, to.j, to.k) = before(i, j, k);
      }
    }
  }
  return after;
}

CellGrid turned(CellGrid cells, int cubeSide, Turn turn, int times = 1) {
  for (int n = 0; n < times; ++n)
    turnCells(cells, cubeSide, turn);
  return cells;
}

TEST(QuarterTurns, FourEqualTurnsAndOppositePairsGiveBackTheFigure) {
  std::mt19937 rng(20240611);
  for (int run = 0; run < 200; ++run) {
    const int side = kCubeSides[run % kCubeSides.size()];
    const CellGrid figure = scatteredCubes(rng, side);
    for (Turn turn : kTurns) {
      EXPECT_EQ(turned(figure, side, turn, 4), figure) << "side " << side;
      EXPECT_NE(turned(figure, side, turn, 1), figure) << "side " << side;
      EXPECT_NE(turned(figure, side, turn, 2), figure) << "side " << side;
    }
    EXPECT_EQ(turned(turned(figure, side, Turn::Up), side, Turn::Down), figure);
    EXPECT_EQ(turned(turned(figure, side, Turn::Down), side, Turn::Up), figure);
    EXPECT_EQ(turned(turned(figure, side, Turn::Left), side, Turn::Right), figure);
    EXPECT_EQ(turned(turned(figure, side, Turn::Right), side, Turn::Left), figure);
  }
}

TEST(QuarterTurns, EachCubeLandsWhereTheTurnTakesIt) {
  std::mt19937 rng(7);
  for (int side : kCubeSides) {
    const CellGrid dense = distinctCells(side);
    for (Turn turn : kTurns) {
      EXPECT_EQ(turned(dense, side, turn), movedCells(dense, side, turn))
          << "side " << side << " turn " << static_cast<int>(turn);
    }
    for (int run = 0; run < 30; ++run) {
      const CellGrid figure = scatteredCubes(rng, side);
      for (Turn turn : kTurns) {
        EXPECT_EQ(turned(figure, side, turn), movedCells(figure, side, turn))
            << "side " << side << " turn " << static_cast<int>(turn);
      }
    }
  }
}

TEST(QuarterTurns, CellsOutsideTheDrawingCubeStayPut) {
  // scatteredCubes marks every cell outside 1..side; the cube of side 4 leaves most of the grid
  // outside.
  std::mt19937 rng(99);
  for (int side : kCubeSides) {
    const CellGrid figure = scatteredCubes(rng, side);
    for (Turn turn : kTurns) {
      const CellGrid after = turned(figure, side, turn);
      for (int i = 0; i <= kGridBound; ++i) {
        for (int j = 0; j <= kGridBound; ++j) {
          for (int k = 0; k <= kGridBound; ++k) {
            if (testing::insideCube(i, j, k, side)) continue;
            ASSERT_EQ(after(i, j, k), figure(i, j, k)) << i << "," << j << "," << k;
          }
        }
      }
    }
  }
}

// The faces of the view: top i = side, left face j = side, right face k = side.
TEST(QuarterTurns, FacesOfTheViewMoveAsTheButtonsSay) {
  constexpr int side = 8;
  std::mt19937 rng(3);
  for (int run = 0; run < 20; ++run) {
    // Below side on both, so the two marked cubes never share a cell.
    const int a = testing::pick(rng, 1, side - 1), b = testing::pick(rng, 1, side - 1);
    CellGrid cells;

    // Up: the right face comes to the top, the top goes to the hidden face k = 1.
    cells.clear();
    cells(a, b, side) = 1;
    cells(side, a, b) = 2;
    turnCells(cells, side, Turn::Up);
    EXPECT_EQ(cells(side, b, side + 1 - a), 1);
    EXPECT_EQ(cells(b, a, 1), 2);

    // Down: the top comes to the right face, the right face goes to the bottom.
    cells.clear();
    cells(side, a, b) = 1;
    cells(a, b, side) = 2;
    turnCells(cells, side, Turn::Down);
    EXPECT_EQ(cells(side + 1 - b, a, side), 1);
    EXPECT_EQ(cells(1, b, a), 2);

    // Left: the right face comes to the left face, the left face goes to the hidden face k = 1.
    cells.clear();
    cells(a, b, side) = 1;
    cells(a, side, b) = 2;
    turnCells(cells, side, Turn::Left);
    EXPECT_EQ(cells(a, side, side + 1 - b), 1);
    EXPECT_EQ(cells(a, b, 1), 2);

    // Right: the left face comes to the right face.
    cells.clear();
    cells(a, side, b) = 1;
    turnCells(cells, side, Turn::Right);
    EXPECT_EQ(cells(a, side + 1 - b, side), 1);
  }
}

TEST(QuarterTurns, TurnIsAboutTheDrawingCubeNotTheFigure) {
  constexpr int side = 4;
  CellGrid cells;
  int number = 0;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      for (int k = 1; k <= 3; ++k)
        cells(i, j, k) = static_cast<std::int16_t>(++number);
    }
  }
  turnCells(cells, side, Turn::Up);
  for (int i = 1; i <= side; ++i) {
    for (int j = 1; j <= side; ++j) {
      for (int k = 1; k <= side; ++k) {
        const bool inBlock = i <= 3 && j <= 3 && k >= 2;
        EXPECT_EQ(cells(i, j, k) != 0, inBlock) << i << "," << j << "," << k;
      }
    }
  }
  // The block's bottom front corner cube (1, 1, 1) went to the far end of the third index.
  EXPECT_EQ(cells(1, 1, 4), 1);
}

TEST(QuarterTurns, TurnsKeepEveryCubeNumberOnce) {
  std::mt19937 rng(11);
  for (int side : kCubeSides) {
    CellGrid cells = scatteredCubes(rng, side);
    for (int step = 0; step < 40; ++step) {
      turnCells(cells, side, kTurns[testing::pick(rng, 0, 3)]);
    }
    std::array<int, kMaxCubes + 1> seen{};
    for (int i = 1; i <= side; ++i) {
      for (int j = 1; j <= side; ++j) {
        for (int k = 1; k <= side; ++k) {
          const int value = cells(i, j, k);
          ASSERT_GE(value, 0);
          ASSERT_LE(value, kMaxCubes);
          ++seen[value];
        }
      }
    }
    for (int cube = 1; cube <= kMaxCubes; ++cube)
      EXPECT_EQ(seen[cube], 1) << "cube " << cube;
    EXPECT_EQ(seen[0], side * side * side - kMaxCubes);
  }
}

}  // namespace
}  // namespace vexolite
