// Extents, size captions and the nine mirror indicators, by hand-worked figures and an oracle.
#include "geometry/symmetry.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

#include "random_figures.h"

namespace vexolite {
namespace {

using testing::BoxCoords;
using testing::Extents;
using Mirrors = std::array<bool, 9>;

constexpr Mirrors kAllMirrors = {true, true, true, true, true, true, true, true, true};
constexpr Mirrors kNoMirrors{};

void fillBox(CellGrid& cells, BoxCoords low, BoxCoords high, std::int16_t cube = 1) {
  for (int i = low[0]; i <= high[0]; ++i) {
    for (int j = low[1]; j <= high[1]; ++j) {
      for (int k = low[2]; k <= high[2]; ++k)
        cells(i, j, k) = cube;
    }
  }
}

TEST(SizeCaption, ExtentRightAlignedInTwoCharacters) {
  EXPECT_EQ(sizeCaption('X', 3), "X: 3");
  EXPECT_EQ(sizeCaption('X', 12), "X:12");
  EXPECT_EQ(sizeCaption('Y', 10), "Y:10");
  EXPECT_EQ(sizeCaption('Z', 0), "Z: 0");
  EXPECT_EQ(sizeCaption('Z', 16), "Z:16");
}

TEST(Symmetry, SolidBlockOfThreeHasEveryMirror) {
  CellGrid cells;
  fillBox(cells, {2, 5, 3}, {4, 7, 5});
  const SymmetryReport report = findSymmetries(cells, 8);
  EXPECT_EQ(sizeCaption('X', report.extentX), "X: 3");
  EXPECT_EQ(sizeCaption('Y', report.extentY), "Y: 3");
  EXPECT_EQ(sizeCaption('Z', report.extentZ), "Z: 3");
  EXPECT_EQ(report.mirrors, kAllMirrors);
}

TEST(Symmetry, LongFlatFigureHasNoDiagonalMirror) {
  // 2 high (Z), 3 deep (Y), 9 long (X).
  CellGrid cells;
  fillBox(cells, {3, 4, 5}, {4, 6, 13});
  SymmetryReport report = findSymmetries(cells, 16);
  EXPECT_EQ(report.extentX, 9);
  EXPECT_EQ(report.extentY, 3);
  EXPECT_EQ(report.extentZ, 2);
  EXPECT_EQ(report.mirrors, (Mirrors{true, true, true, false, false, false, false, false, false}));

  // Without the two cubes at both ends of its lowest first row, it is its own image across X
  // only.
  cells(3, 4, 5) = 0;
  cells(3, 4, 13) = 0;
  report = findSymmetries(cells, 16);
  EXPECT_EQ(report.extentX, 9);
  EXPECT_EQ(report.mirrors,
            (Mirrors{true, false, false, false, false, false, false, false, false}));

  // One corner cube fewer still: no mirror at all.
  cells(4, 6, 13) = 0;
  report = findSymmetries(cells, 16);
  EXPECT_EQ(report.mirrors, kNoMirrors);
}

TEST(Symmetry, EqualExtentsWithoutMirror) {
  CellGrid cells;
  cells(3, 3, 3) = 4;
  cells(3, 4, 5) = 9;
  cells(5, 5, 3) = 20;
  const SymmetryReport report = findSymmetries(cells, 8);
  EXPECT_EQ(report.extentX, 3);
  EXPECT_EQ(report.extentY, 3);
  EXPECT_EQ(report.extentZ, 3);
  EXPECT_EQ(report.mirrors, kNoMirrors);
}

TEST(Symmetry, ExtentsOfTenAndMore) {
  CellGrid cells;
  fillBox(cells, {1, 3, 7}, {1, 12, 7});
  SymmetryReport report = findSymmetries(cells, 16);
  EXPECT_EQ(sizeCaption('Y', report.extentY), "Y:10");
  EXPECT_EQ(sizeCaption('X', report.extentX), "X: 1");
  EXPECT_EQ(sizeCaption('Z', report.extentZ), "Z: 1");
  // A rod along Y: every mirror that keeps Y's extent, and the X/Z diagonals of a 1 x 1 section.
  EXPECT_EQ(report.mirrors, (Mirrors{true, true, true, false, false, true, true, false, false}));

  // Corner to corner of the largest drawing cube.
  cells.clear();
  cells(1, 1, 1) = 1;
  cells(16, 16, 16) = 2;
  report = findSymmetries(cells, 16);
  EXPECT_EQ(report.extentX, 16);
  EXPECT_EQ(report.extentY, 16);
  EXPECT_EQ(report.extentZ, 16);
  EXPECT_EQ(sizeCaption('Z', report.extentZ), "Z:16");
  // The two cubes lie on the main diagonal: the exchanges hold, the axis mirrors do not.
  EXPECT_EQ(report.mirrors, (Mirrors{false, false, false, false, true, true, false, true, false}));
}

TEST(Symmetry, EmptyFigureHasZeroExtentsAndEveryMirror) {
  for (int side : testing::kCubeSides) {
    const CellGrid cells;
    const SymmetryReport report = findSymmetries(cells, side);
    EXPECT_EQ(report.extentX, 0);
    EXPECT_EQ(report.extentY, 0);
    EXPECT_EQ(report.extentZ, 0);
    EXPECT_EQ(sizeCaption('X', report.extentX), "X: 0");
    EXPECT_EQ(report.mirrors, kAllMirrors);
  }
}

TEST(Symmetry, OnlyOccupancyCountsNotTheCubeNumber) {
  // Cubes 5 and 17 in mirror cells across X, with a gap between them.
  CellGrid cells;
  cells(2, 2, 2) = 5;
  cells(2, 2, 4) = 17;
  const SymmetryReport report = findSymmetries(cells, 4);
  EXPECT_EQ(report.extentX, 3);
  EXPECT_EQ(report.extentY, 1);
  EXPECT_EQ(report.extentZ, 1);
  EXPECT_EQ(report.mirrors, (Mirrors{true, true, true, false, false, false, false, true, true}));
}

TEST(Symmetry, CellsOutsideTheDrawingCubeAreIgnored) {
  CellGrid cells;
  cells(4, 4, 4) = 1;
  cells(0, 2, 2) = 3;
  cells(5, 1, 1) = 7;
  cells(2, 2, 16) = 9;
  const SymmetryReport report = findSymmetries(cells, 4);
  EXPECT_EQ(report.extentX, 1);
  EXPECT_EQ(report.extentY, 1);
  EXPECT_EQ(report.extentZ, 1);
  EXPECT_EQ(report.mirrors, kAllMirrors);
}

struct OracleAnswer {
  Extents extents{};  // Z, Y, X
  Mirrors mirrors{};
};

// The occupied cells as a set relative to their bounding box; a mirror holds when it maps the
// box onto itself and the set onto itself.
OracleAnswer oracle(const CellGrid& cells, int cubeSide) {
  std::set<BoxCoords> occupied;
  BoxCoords low = {kGridBound + 1, kGridBound + 1, kGridBound + 1}, high = {0, 0, 0};
  for (int i = 1; i <= cubeSide; ++i) {
    for (int j = 1; j <= cubeSide; ++j) {
      for (int k = 1; k <= cubeSide; ++k) {
        if (cells(i, j, k) <= 0) continue;
        occupied.insert({i, j, k});
        const BoxCoords p = {i, j, k};
        for (int axis = 0; axis < 3; ++axis) {
          low[axis] = std::min(low[axis], p[axis]);
          high[axis] = std::max(high[axis], p[axis]);
        }
      }
    }
  }
  OracleAnswer answer;
  if (occupied.empty()) {
    answer.mirrors = kAllMirrors;
    return answer;
  }
  std::set<BoxCoords> shape;
  for (const BoxCoords& p : occupied) {
    shape.insert({p[0] - low[0] + 1, p[1] - low[1] + 1, p[2] - low[2] + 1});
  }
  for (int axis = 0; axis < 3; ++axis)
    answer.extents[axis] = high[axis] - low[axis] + 1;
  for (int mirror = 0; mirror < 9; ++mirror) {
    if (!testing::mirrorFitsBox(mirror, answer.extents)) continue;
    std::set<BoxCoords> image;
    for (const BoxCoords& p : shape)
      image.insert(testing::mirrorCell(mirror, p, answer.extents));
    answer.mirrors[mirror] = image == shape;
  }
  return answer;
}

TEST(Symmetry, RandomShapesAgreeWithSetOracle) {
  std::mt19937 rng(424242);
  std::array<int, 9> held{}, missed{};
  for (int run = 0; run < 6000; ++run) {
    const int side = testing::kCubeSides[run % testing::kCubeSides.size()];
    const CellGrid cells = testing::randomShape(rng, side);
    const OracleAnswer expected = oracle(cells, side);
    const SymmetryReport report = findSymmetries(cells, side);
    ASSERT_EQ(report.extentZ, expected.extents[0]) << "run " << run;
    ASSERT_EQ(report.extentY, expected.extents[1]) << "run " << run;
    ASSERT_EQ(report.extentX, expected.extents[2]) << "run " << run;
    ASSERT_EQ(report.mirrors, expected.mirrors) << "run " << run;
    for (int mirror = 0; mirror < 9; ++mirror)
      ++(report.mirrors[mirror] ? held : missed)[mirror];
  }
  for (int mirror = 0; mirror < 9; ++mirror) {
    EXPECT_GT(held[mirror], 100) << "indicator " << mirror + 1;
    EXPECT_GT(missed[mirror], 100) << "indicator " << mirror + 1;
  }
}

}  // namespace
}  // namespace vexolite
