// Quarter turns and mirror symmetries: the turn formulas as properties, an oracle, worked figures.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>
#include <set>

#include "geometry/quarter_turns.h"
#include "geometry/symmetry.h"

namespace vexolite {
namespace {

using Coords = std::array<int, 3>;  // first, second, third index: Z, Y, X

// Cells 1..side on each axis hold inside(i, j, k), every other cell of the grid outside.
template <typename Inside>
CellGrid grid(int side, int outside, Inside inside) {
  CellGrid cells;
  for (int n = 0; n < 17 * 17 * 17; ++n) {
    const int i = n / 289, j = n / 17 % 17, k = n % 17;
    const bool in = std::min({i, j, k}) >= 1 && std::max({i, j, k}) <= side;
    cells(i, j, k) = static_cast<std::int16_t>(in ? inside(i, j, k) : outside);
  }
  return cells;
}

// A map of a box with extents e, one letter per coordinate of the image: 'a'..'c' that
// coordinate of the cell, 'A'..'C' the same reversed along the image's extent.
Coords image(const char* map, const Coords& p, const Coords& e) {
  Coords q;
  for (int a = 0; a < 3; ++a)
    q[a] = std::islower(map[a]) ? p[map[a] - 'a'] : e[a] + 1 - p[map[a] - 'A'];
  return q;
}

TEST(QuarterTurns, EachCellLandsWhereTheTurnTakesItAndFourTurnsAreNone) {
  // Up brings the right face (k = side) to the top (i = side), Left brings it to the left face
  // (j = side); Down and Right undo them.
  const Turn turns[] = {Turn::Up, Turn::Down, Turn::Left, Turn::Right};
  const char* const maps[] = {"cbA", "Cba", "acB", "aCb"};
  for (int side : {4, 8, 16}) {
    // Every cell distinct; anything moved out of the drawing cube or into it shows.
    const CellGrid figure =
        grid(side, -1, [](int i, int j, int k) { return i * 289 + j * 17 + k; });
    for (int t = 0; t < 4; ++t) {
      // Each cell takes what was at the cell that the reverse turn takes it to.
      CellGrid moved = grid(side, -1, [&](int i, int j, int k) {
        const Coords from = image(maps[t ^ 1], {i, j, k}, {side, side, side});
        return figure(from[0], from[1], from[2]);
      });
      CellGrid turned = figure;
      for (int times = 1; times <= 4; ++times) {
        turnCells(turned, side, turns[t]);
        EXPECT_EQ(turned == moved, times == 1) << side << maps[t] << times;
        EXPECT_EQ(turned == figure, times == 4) << side << maps[t] << times;
      }
    }
  }
}

// The mirrors in indicator order X, Y, Z, XY/, XY\, XZ/, XZ\, YZ/, YZ\. A diagonal mirror fits
// only a box whose two mixed extents are equal.
constexpr const char* kMirrors[9] = {"abC", "aBc", "Abc", "aCB", "acb", "cba", "CbA", "bac", "BAc"};
bool fits(const char* map, const Coords& e) {
  return e[0] == e[std::tolower(map[0]) - 'a'] && e[1] == e[std::tolower(map[1]) - 'a'];
}

// Random shapes filling boxes of at most 5 a side from corner to corner, some with two or three
// equal sides, every second one closed under a random choice of the mirrors that fit, so that
// every group of mirrors turns up; at a random place in the drawing cube, whose outside is full
// of cubes to be ignored. The oracle reflects the set of cells itself.
TEST(Symmetry, RandomShapesAgreeWithTheReflectionOracle) {
  std::mt19937 rng(424242);
  const auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  EXPECT_EQ(sizeCaption('X', 16) + sizeCaption('Y', 9), "X:16Y: 9");
  for (int run = 0; run < 3000; ++run) {
    const int side = 4 << (run % 3), largest = std::min(5, side), mirrorChoice = pick(0, 511);
    Coords box = {pick(1, largest), pick(1, largest), pick(1, largest)};
    if (run % 4 > 1) box[1] = box[2];
    if (run % 8 > 3) box[0] = box[2];
    const double density = std::uniform_real_distribution<double>(0.1, 0.9)(rng);
    std::set<Coords> shape = {{1, 1, 1}, box};
    for (int n = 0; n < box[0] * box[1] * box[2]; ++n) {
      if (std::bernoulli_distribution(density)(rng))
        shape.insert({n / box[2] / box[1] + 1, n / box[2] % box[1] + 1, n % box[2] + 1});
    }
    for (std::size_t before = 0; run % 2 && before != shape.size();) {
      before = shape.size();
      for (const Coords& p : std::set<Coords>(shape)) {
        for (int m = 0; m < 9; ++m) {
          if (mirrorChoice >> m & 1 && fits(kMirrors[m], box))
            shape.insert(image(kMirrors[m], p, box));
        }
      }
    }
    CellGrid cells = grid(side, 27, [](int, int, int) { return 0; });
    const Coords at = {pick(0, side - box[0]), pick(0, side - box[1]), pick(0, side - box[2])};
    for (const Coords& p : shape)
      cells(p[0] + at[0], p[1] + at[1], p[2] + at[2]) = static_cast<std::int16_t>(pick(1, 27));

    const SymmetryReport report = findSymmetries(cells, side);
    ASSERT_EQ((Coords{report.extentZ, report.extentY, report.extentX}), box) << "run " << run;
    for (int m = 0; m < 9; ++m) {
      std::set<Coords> reflected;
      for (const Coords& p : shape)
        reflected.insert(image(kMirrors[m], p, box));
      ASSERT_EQ(report.mirrors[m], fits(kMirrors[m], box) && reflected == shape)
          << run << ", " << m;
    }
  }
}

}  // namespace
}  // namespace vexolite
