// A quarter turn carries the figure's extents and mirror indicators over to the turned axes.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "geometry/quarter_turns.h"
#include "geometry/symmetry.h"
#include "random_figures.h"

namespace vexolite {
namespace {

// Indicator n after an Up turn equals indicator source[n] before it. Up takes X to Z and Z to
// reversed X: the X and Z mirrors exchange, the two XZ diagonals exchange, and the XY
// diagonals become YZ diagonals and back.
constexpr std::array<int, 9> kSourceOfUp = {2, 1, 0, 7, 8, 6, 5, 4, 3};
// Left takes X to Y and Y to reversed X: the X and Y mirrors exchange, the two XY diagonals
// exchange, and the XZ diagonals become YZ diagonals and back.
constexpr std::array<int, 9> kSourceOfLeft = {1, 0, 2, 4, 3, 8, 7, 5, 6};

TEST(TurnedSymmetry, TurnsExchangeExtentsAndIndicatorsOfTheTurnedAxes) {
  std::mt19937 rng(8080);
  for (int run = 0; run < 1500; ++run) {
    const int side = testing::kCubeSides[run % testing::kCubeSides.size()];
    const CellGrid figure = testing::randomShape(rng, side);
    const SymmetryReport before = findSymmetries(figure, side);

    CellGrid cells = figure;
    turnCells(cells, side, Turn::Up);
    SymmetryReport after = findSymmetries(cells, side);
    EXPECT_EQ(after.extentX, before.extentZ);
    EXPECT_EQ(after.extentY, before.extentY);
    EXPECT_EQ(after.extentZ, before.extentX);
    for (int n = 0; n < 9; ++n) {
      EXPECT_EQ(after.mirrors[n], before.mirrors[kSourceOfUp[n]]) << "Up, indicator " << n + 1;
    }

    // Down undoes Up, so the figure before Down reads like the figure after an Up.
    cells = figure;
    turnCells(cells, side, Turn::Down);
    after = findSymmetries(cells, side);
    EXPECT_EQ(after.extentX, before.extentZ);
    EXPECT_EQ(after.extentZ, before.extentX);
    for (int n = 0; n < 9; ++n) {
      EXPECT_EQ(before.mirrors[n], after.mirrors[kSourceOfUp[n]]) << "Down, indicator " << n + 1;
    }

    cells = figure;
    turnCells(cells, side, Turn::Left);
    after = findSymmetries(cells, side);
    EXPECT_EQ(after.extentX, before.extentY);
    EXPECT_EQ(after.extentY, before.extentX);
    EXPECT_EQ(after.extentZ, before.extentZ);
    for (int n = 0; n < 9; ++n) {
      EXPECT_EQ(after.mirrors[n], before.mirrors[kSourceOfLeft[n]]) << "Left, indicator " << n + 1;
    }

    cells = figure;
    turnCells(cells, side, Turn::Right);
    after = findSymmetries(cells, side);
    EXPECT_EQ(after.extentX, before.extentY);
    EXPECT_EQ(after.extentY, before.extentX);
    for (int n = 0; n < 9; ++n) {
      EXPECT_EQ(before.mirrors[n], after.mirrors[kSourceOfLeft[n]]) << "Right, indicator " << n + 1;
    }
    if (::testing::Test::HasFailure()) FAIL() << "run " << run;
  }
}

}  // namespace
}  // namespace vexolite
