// Quarter turns and mirror symmetries: the turn formulas as properties, an oracle, worked figures.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "geometry/quarter_turns.h"
#include "geometry/symmetry.h"

namespace vexolite {
namespace {

using Coords = std::array<int, 3>;  // first, second, third index: Z, Y, X

template <typename Visit>
void forEachCell(int low, const Coords& high, Visit visit) {
  for (int i = low; i <= high[0]; ++i) {
    for (int j = low; j <= high[1]; ++j) {
      for (int k = low; k <= high[2]; ++k)
        visit(i, j, k);
    }
  }
}

// Cells 1..side on each axis hold inside(i, j, k), every other cell of the grid outside.
template <typename Inside>
CellGrid grid(int side, int outside, Inside inside) {
  CellGrid cells;
  forEachCell(0, {kGridBound, kGridBound, kGridBound}, [&](int i, int j, int k) {
    const bool in = std::min({i, j, k}) >= 1 && std::max({i, j, k}) <= side;
    cells(i, j, k) = static_cast<std::int16_t>(in ? inside(i, j, k) : outside);
  });
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

TEST(QuarterTurns, EachCellLandsWhereTheTurnTakesItAndTurnsUndoEachOther) {
  // Up brings the right face (k = side) to the top (i = side), Left brings it to the left face
  // (j = side); Down and Right undo them.
  const Turn turns[] = {Turn::Up, Turn::Down, Turn::Left, Turn::Right};
  const char* const maps[] = {"cbA", "Cba", "acB", "aCb"};
  const auto turned = [](CellGrid cells, int side, Turn turn, int times) {
    for (int n = 0; n < times; ++n)
      turnCells(cells, side, turn);
    return cells;
  };
  for (int side : {4, 8, 16}) {
    // Every cell distinct; anything moved outside the drawing cube or in from there shows.
    const CellGrid figure =
        grid(side, -1, [](int i, int j, int k) { return i * 289 + j * 17 + k; });
    for (int t = 0; t < 4; ++t) {
      SCOPED_TRACE(::testing::Message() << "side " << side << " turn " << maps[t]);
      CellGrid moved = figure;
      forEachCell(1, {side, side, side}, [&](int i, int j, int k) {
        const auto [ti, tj, tk] = image(maps[t], {i, j, k}, {side, side, side});
        moved(ti, tj, tk) = figure(i, j, k);
      });
      EXPECT_EQ(turned(figure, side, turns[t], 1), moved);
      EXPECT_NE(turned(figure, side, turns[t], 2), figure);
      EXPECT_EQ(turned(figure, side, turns[t], 4), figure);
      EXPECT_EQ(turned(moved, side, turns[t ^ 1], 1), figure);
    }
  }
  // About the drawing cube's centre: a block of 3 x 3 x 3 in the corner (1, 1, 1) of a cube of
  // side 4 turns Up into columns 2..4, its bottom front cube to the far end of the third index.
  CellGrid block = grid(4, 0, [](int i, int j, int k) {
    return std::max({i, j, k}) > 3 ? 0 : (i + j + k == 3 ? 1 : 2);
  });
  turnCells(block, 4, Turn::Up);
  forEachCell(1, {4, 4, 4}, [&](int i, int j, int k) {
    EXPECT_EQ(block(i, j, k) != 0, i <= 3 && j <= 3 && k >= 2) << i << j << k;
  });
  EXPECT_EQ(block(1, 1, 4), 1);
}

// The mirrors in indicator order X, Y, Z, XY/, XY\, XZ/, XZ\, YZ/, YZ\. A diagonal mirror fits
// only a box whose two mixed extents are equal.
constexpr const char* kMirrors[9] = {"abC", "aBc", "Abc", "aCB", "acb", "cba", "CbA", "bac", "BAc"};
bool fits(const char* map, const Coords& e) {
  return e[0] == e[std::tolower(map[0]) - 'a'] && e[1] == e[std::tolower(map[1]) - 'a'];
}

std::string shown(const CellGrid& cells, int side) {
  const SymmetryReport r = findSymmetries(cells, side);
  std::string text = sizeCaption('X', r.extentX) + " " + sizeCaption('Y', r.extentY) + " " +
                     sizeCaption('Z', r.extentZ) + " ";
  for (bool held : r.mirrors)
    text += held ? '1' : '0';
  return text;
}

TEST(Symmetry, WorkedFiguresGiveTheirCaptionsAndMirrors) {
  // A 2 x 3 x 9 block less the two ends of its first row; a rod along Y; two opposite corners.
  const auto less = [](int i, int j, int k) {
    return i >= 3 && i <= 4 && j >= 4 && j <= 6 && k >= 5 && k <= 13 &&
           (i > 3 || j > 4 || (k > 5 && k < 13));
  };
  EXPECT_EQ(shown(grid(16, 0, less), 16), "X: 9 Y: 3 Z: 2 100000000");
  const auto rod = [](int i, int j, int k) { return i == 1 && k == 7 && j >= 3 && j <= 12; };
  EXPECT_EQ(shown(grid(16, 0, rod), 16), "X: 1 Y:10 Z: 1 111001100");
  const auto corners = [](int i, int j, int k) { return i == j && j == k && (i == 1 || i == 16); };
  EXPECT_EQ(shown(grid(16, 0, corners), 16), "X:16 Y:16 Z:16 000011010");
  EXPECT_EQ(shown(CellGrid{}, 16), "X: 0 Y: 0 Z: 0 111111111");
}

// Random shapes in boxes of at most 5 a side, some with two or three equal sides, every second
// one closed under a random choice of the mirrors that fit, so that every group of mirrors turns
// up; at a random place in the drawing cube, whose outside is full of cubes to be ignored. The
// oracle reflects the set of cells itself.
TEST(Symmetry, RandomShapesAgreeWithTheReflectionOracle) {
  std::mt19937 rng(424242);
  const auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  for (int run = 0; run < 3000; ++run) {
    const int side = 4 << (run % 3), largest = std::min(5, side), equal = pick(0, 3);
    Coords box = {pick(1, largest), pick(1, largest), pick(1, largest)};
    if (equal % 2) box[1] = box[2];
    if (equal >= 2) box[0] = box[2];
    std::set<Coords> shape;
    const double density = std::uniform_real_distribution<double>(0.1, 0.9)(rng);
    forEachCell(1, box, [&](int i, int j, int k) {
      if (std::bernoulli_distribution(density)(rng)) shape.insert({i, j, k});
    });
    std::vector<const char*> chosen;
    for (const char* m : kMirrors) {
      if (run % 2 && fits(m, box) && pick(0, 1)) chosen.push_back(m);
    }
    for (std::size_t before = 0; before != shape.size();) {
      before = shape.size();
      for (const Coords& p : std::set<Coords>(shape)) {
        for (const char* m : chosen)
          shape.insert(image(m, p, box));
      }
    }
    CellGrid cells = grid(side, 27, [](int, int, int) { return 0; });
    const Coords at = {pick(0, side - box[0]), pick(0, side - box[1]), pick(0, side - box[2])};
    Coords low = {9, 9, 9}, high = {0, 0, 0};
    for (const Coords& p : shape) {
      cells(p[0] + at[0], p[1] + at[1], p[2] + at[2]) = static_cast<std::int16_t>(pick(1, 27));
      for (int a = 0; a < 3; ++a)
        low[a] = std::min(low[a], p[a]), high[a] = std::max(high[a], p[a]);
    }
    const Coords e = shape.empty()
                         ? Coords{}
                         : Coords{high[0] - low[0] + 1, high[1] - low[1] + 1, high[2] - low[2] + 1};
    std::set<Coords> boxed;
    for (const Coords& p : shape)
      boxed.insert({p[0] - low[0] + 1, p[1] - low[1] + 1, p[2] - low[2] + 1});

    const SymmetryReport report = findSymmetries(cells, side);
    ASSERT_EQ((Coords{report.extentZ, report.extentY, report.extentX}), e) << "run " << run;
    for (int n = 0; n < 9; ++n) {
      std::set<Coords> reflected;
      for (const Coords& p : boxed)
        reflected.insert(image(kMirrors[n], p, e));
      ASSERT_EQ(report.mirrors[n], fits(kMirrors[n], e) && reflected == boxed) << run << ", " << n;
    }
  }
}

}  // namespace
}  // namespace vexolite
