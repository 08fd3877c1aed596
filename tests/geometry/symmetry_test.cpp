// Extents, size captions and the nine mirror indicators, also across turns: worked figures, oracle.
// SPDX-License-Identifier: MIT
#include "geometry/symmetry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "geometry/quarter_turns.h"

namespace vexolite {
namespace {

using Mirrors = std::array<bool, 9>;
using Coords = std::array<int, 3>;  // first, second, third index: Z, Y, X

constexpr Mirrors kAll = {true, true, true, true, true, true, true, true, true};

// The nine mirrors in indicator order X, Y, Z, XY/, XY\, XZ/, XZ\, YZ/, YZ\, as maps of a box
// with extents e: coordinate a of the image is coordinate from[a] of the cell, reversed along
// e[a] where flip[a]. A diagonal mirror only fits a box whose two mixed extents are equal.
struct Mirror {
  Coords from;
  std::array<bool, 3> flip;
};
constexpr Mirror kMirrors[9] = {
    {{0, 1, 2}, {false, false, true}},  {{0, 1, 2}, {false, true, false}},
    {{0, 1, 2}, {true, false, false}},  {{0, 2, 1}, {false, true, true}},
    {{0, 2, 1}, {false, false, false}}, {{2, 1, 0}, {false, false, false}},
    {{2, 1, 0}, {true, false, true}},   {{1, 0, 2}, {false, false, false}},
    {{1, 0, 2}, {true, true, false}},
};
Coords image(const Mirror& m, const Coords& p, const Coords& e) {
  Coords q;
  for (int a = 0; a < 3; ++a)
    q[a] = m.flip[a] ? e[a] + 1 - p[m.from[a]] : p[m.from[a]];
  return q;
}
bool fits(const Mirror& m, const Coords& e) {
  return e[0] == e[m.from[0]] && e[1] == e[m.from[1]] && e[2] == e[m.from[2]];
}

int pick(std::mt19937& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

// A random shape in a box of at most 5 a side (some with two or three equal sides), half of the
// time closed under a random choice of mirrors, at a random place in the drawing cube, with
// random cube numbers; every cell outside the drawing cube holds a cube, to be ignored.
CellGrid randomShape(std::mt19937& rng, int cubeSide) {
  const int largest = std::min(5, cubeSide);
  Coords box = {pick(rng, 1, largest), pick(rng, 1, largest), pick(rng, 1, largest)};
  const int equal = pick(rng, 0, 3);
  if (equal == 1 || equal == 3) box[1] = box[2];
  if (equal >= 2) box[0] = box[2];
  std::set<Coords> shape;
  std::bernoulli_distribution occupied(std::uniform_real_distribution<double>(0.1, 0.9)(rng));
  for (int z = 1; z <= box[0]; ++z) {
    for (int y = 1; y <= box[1]; ++y) {
      for (int x = 1; x <= box[2]; ++x) {
        if (occupied(rng)) shape.insert({z, y, x});
      }
    }
  }
  if (pick(rng, 0, 1) == 1) {
    std::vector<Mirror> chosen;
    for (const Mirror& m : kMirrors) {
      if (fits(m, box) && pick(rng, 0, 1) == 1) chosen.push_back(m);
    }
    for (std::size_t before = 0; before != shape.size();) {
      before = shape.size();
      for (const Coords& p : std::set<Coords>(shape)) {
        for (const Mirror& m : chosen)
          shape.insert(image(m, p, box));
      }
    }
  }
  CellGrid grid;
  for (int i = 0; i <= kGridBound; ++i) {
    for (int j = 0; j <= kGridBound; ++j) {
      for (int k = 0; k <= kGridBound; ++k) {
        if (std::max({i, j, k}) > cubeSide || std::min({i, j, k}) < 1) grid(i, j, k) = 27;
      }
    }
  }
  const Coords offset = {pick(rng, 0, cubeSide - box[0]), pick(rng, 0, cubeSide - box[1]),
                         pick(rng, 0, cubeSide - box[2])};
  for (const auto& [z, y, x] : shape) {
    grid(z + offset[0], y + offset[1], x + offset[2]) = static_cast<std::int16_t>(pick(rng, 1, 27));
  }
  return grid;
}

// The occupied cells as a set relative to their bounding box; a mirror holds when it fits the
// box and maps the set onto itself.
std::pair<Coords, Mirrors> oracle(const CellGrid& cells, int cubeSide) {
  std::set<Coords> occupied;
  Coords low = {99, 99, 99}, high = {0, 0, 0};
  for (int i = 1; i <= cubeSide; ++i) {
    for (int j = 1; j <= cubeSide; ++j) {
      for (int k = 1; k <= cubeSide; ++k) {
        if (cells(i, j, k) <= 0) continue;
        occupied.insert({i, j, k});
        low = {std::min(low[0], i), std::min(low[1], j), std::min(low[2], k)};
        high = {std::max(high[0], i), std::max(high[1], j), std::max(high[2], k)};
      }
    }
  }
  if (occupied.empty()) return {Coords{}, kAll};
  const Coords extents = {high[0] - low[0] + 1, high[1] - low[1] + 1, high[2] - low[2] + 1};
  std::set<Coords> shape;
  for (const Coords& p : occupied)
    shape.insert({p[0] - low[0] + 1, p[1] - low[1] + 1, p[2] - low[2] + 1});
  Mirrors mirrors{};
  for (int n = 0; n < 9; ++n) {
    std::set<Coords> mirrored;
    for (const Coords& p : shape)
      mirrored.insert(image(kMirrors[n], p, extents));
    mirrors[n] = fits(kMirrors[n], extents) && mirrored == shape;
  }
  return {extents, mirrors};
}

TEST(Symmetry, WorkedFiguresGiveTheirCaptionsAndMirrors) {
  struct Figure {
    const char* name;
    int cubeSide;
    std::vector<int> boxes;  // low and high corner of each filled box
    std::string captions, mirrors;
  };
  const Figure figures[] = {
      {"block of three", 8, {2, 5, 3, 4, 7, 5}, "X: 3 Y: 3 Z: 3", "111111111"},
      {"2 x 3 x 9", 16, {3, 4, 5, 4, 6, 13}, "X: 9 Y: 3 Z: 2", "111000000"},
      {"2 x 3 x 9 less the two ends of its first row",
       16,
       {4, 4, 5, 4, 6, 13, 3, 5, 5, 3, 6, 13, 3, 4, 6, 3, 4, 12},
       "X: 9 Y: 3 Z: 2",
       "100000000"},
      {"equal extents",
       8,
       {3, 3, 3, 3, 3, 3, 3, 4, 5, 3, 4, 5, 5, 5, 3, 5, 5, 3},
       "X: 3 Y: 3 Z: 3",
       "000000000"},
      {"rod along Y", 16, {1, 3, 7, 1, 12, 7}, "X: 1 Y:10 Z: 1", "111001100"},
      {"corner to corner",
       16,
       {1, 1, 1, 1, 1, 1, 16, 16, 16, 16, 16, 16},
       "X:16 Y:16 Z:16",
       "000011010"},
      {"empty grid", 16, {}, "X: 0 Y: 0 Z: 0", "111111111"},
  };
  for (const Figure& f : figures) {
    CellGrid cells;
    for (std::size_t b = 0; b < f.boxes.size(); b += 6) {
      for (int i = f.boxes[b]; i <= f.boxes[b + 3]; ++i) {
        for (int j = f.boxes[b + 1]; j <= f.boxes[b + 4]; ++j) {
          for (int k = f.boxes[b + 2]; k <= f.boxes[b + 5]; ++k)
            cells(i, j, k) = 1;
        }
      }
    }
    const SymmetryReport r = findSymmetries(cells, f.cubeSide);
    std::string mirrors;
    for (bool held : r.mirrors)
      mirrors += held ? '1' : '0';
    EXPECT_EQ(sizeCaption('X', r.extentX) + " " + sizeCaption('Y', r.extentY) + " " +
                  sizeCaption('Z', r.extentZ),
              f.captions)
        << f.name;
    EXPECT_EQ(mirrors, f.mirrors) << f.name;
  }
}

TEST(Symmetry, RandomShapesAgreeWithTheReflectionOracle) {
  std::mt19937 rng(424242);
  std::array<int, 9> held{}, missed{};
  for (int run = 0; run < 6000; ++run) {
    const int side = 4 << (run % 3);
    const CellGrid cells = randomShape(rng, side);
    const auto [extents, mirrors] = oracle(cells, side);
    const SymmetryReport report = findSymmetries(cells, side);
    ASSERT_EQ((Coords{report.extentZ, report.extentY, report.extentX}), extents) << "run " << run;
    ASSERT_EQ(report.mirrors, mirrors) << "run " << run;
    for (int n = 0; n < 9; ++n)
      ++(report.mirrors[n] ? held : missed)[n];
  }
  for (int n = 0; n < 9; ++n) {
    EXPECT_GT(held[n], 100) << "indicator " << n + 1;
    EXPECT_GT(missed[n], 100) << "indicator " << n + 1;
  }
}

TEST(TurnedSymmetry, TurnsExchangeExtentsAndIndicatorsOfTheTurnedAxes) {
  // Extent n (X, Y, Z) and indicator n after the turn are extent and indicator source[n]
  // before it. Up takes X to Z and Z to reversed X: the X and Z mirrors exchange, the XZ
  // diagonals exchange, and the XY and YZ diagonals trade places; Left does so for X and Y.
  struct TurnCase {
    Turn turn;
    std::array<int, 3> axis;
    std::array<int, 9> indicator;
  };
  const TurnCase cases[] = {
      {Turn::Up, {2, 1, 0}, {2, 1, 0, 7, 8, 6, 5, 4, 3}},
      {Turn::Down, {2, 1, 0}, {2, 1, 0, 8, 7, 6, 5, 3, 4}},
      {Turn::Left, {1, 0, 2}, {1, 0, 2, 4, 3, 8, 7, 5, 6}},
      {Turn::Right, {1, 0, 2}, {1, 0, 2, 4, 3, 7, 8, 6, 5}},
  };
  const auto extents = [](const SymmetryReport& r) {
    return std::array{r.extentX, r.extentY, r.extentZ};
  };
  std::mt19937 rng(8080);
  for (int run = 0; run < 1500; ++run) {
    const int side = 4 << (run % 3);
    const CellGrid figure = randomShape(rng, side);
    const SymmetryReport before = findSymmetries(figure, side);
    for (const TurnCase& c : cases) {
      CellGrid cells = figure;
      turnCells(cells, side, c.turn);
      const SymmetryReport after = findSymmetries(cells, side);
      for (std::size_t n = 0; n < 3; ++n)
        EXPECT_EQ(extents(after)[n], extents(before)[static_cast<std::size_t>(c.axis[n])]) << n;
      for (std::size_t n = 0; n < 9; ++n) {
        EXPECT_EQ(after.mirrors[n], before.mirrors[static_cast<std::size_t>(c.indicator[n])])
            << "turn " << static_cast<int>(c.turn) << " indicator " << n + 1;
      }
    }
    if (::testing::Test::HasFailure()) FAIL() << "run " << run;
  }
}

}  // namespace
}  // namespace vexolite
