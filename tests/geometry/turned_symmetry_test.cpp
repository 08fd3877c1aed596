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

// The extents as (X, Y, Z).
std::array<int, 3> extentsOf(const SymmetryReport& report) {
  return {report.extentX, report.extentY, report.extentZ};
}

struct TurnCase {
  Turn turn;
  Turn reverse;
  std::array<int, 3> sourceAxis;  // extent of axis n after the turn = extent of sourceAxis[n]
  const std::array<int, 9>& sourceIndicator;
};

const TurnCase kTurnCases[] = {
    {Turn::Up, Turn::Down, {2, 1, 0}, kSourceOfUp},
    {Turn::Left, Turn::Right, {1, 0, 2}, kSourceOfLeft},
};

TEST(TurnedSymmetry, TurnsExchangeExtentsAndIndicatorsOfTheTurnedAxes) {
  std::mt19937 rng(8080);
  for (int run = 0; run < 1500; ++run) {
    const int side = testing::kCubeSides[run % testing::kCubeSides.size()];
    const CellGrid figure = testing::randomShape(rng, side);
    const SymmetryReport before = findSymmetries(figure, side);
    for (const TurnCase& c : kTurnCases) {
      CellGrid cells = figure;
      turnCells(cells, side, c.turn);
      const SymmetryReport after = findSymmetries(cells, side);
      // The reverse turn undoes the turn, so the figure before it reads like the figure after
      // the turn, with the roles of before and after exchanged.
      cells = figure;
      turnCells(cells, side, c.reverse);
      const SymmetryReport afterReverse = findSymmetries(cells, side);
      for (std::size_t n = 0; n < 3; ++n) {
        const auto source = static_cast<std::size_t>(c.sourceAxis[n]);
        EXPECT_EQ(extentsOf(after)[n], extentsOf(before)[source]) << "axis " << n;
        EXPECT_EQ(extentsOf(before)[n], extentsOf(afterReverse)[source]) << "axis " << n;
      }
      for (std::size_t n = 0; n < 9; ++n) {
        const auto source = static_cast<std::size_t>(c.sourceIndicator[n]);
        EXPECT_EQ(after.mirrors[n], before.mirrors[source]) << "indicator " << n + 1;
        EXPECT_EQ(before.mirrors[n], afterReverse.mirrors[source]) << "indicator " << n + 1;
      }
    }
    if (::testing::Test::HasFailure()) FAIL() << "run " << run;
  }
}

}  // namespace
}  // namespace vexolite
