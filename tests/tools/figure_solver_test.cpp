// The solver and the piece shapes against hand-known numbers, shape properties and a brute-force
// oracle built here from the 48 signed permutation matrices: pieces placed in fixed order, orbits
// by smallest image.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <set>

#include "cube_transforms.h"
#include "fig_text.h"
#include "figure_solver.h"
#include "piece_shapes.h"

namespace vexolite::catalog {
namespace {

using Vec = std::array<int, 3>;  // (i, j, k)
using Matrix = std::array<Vec, 3>;
using Labeled = std::vector<std::pair<Vec, int>>;  // cells with a piece (0: free), sorted

int det(const Matrix& m) {
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
         m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// The 48 transforms of the cube are the signed permutation matrices.
std::vector<Matrix> oracleTransforms() {
  std::vector<Matrix> all;
  std::array<std::size_t, 3> axis{0, 1, 2};
  do {
    for (int signs = 0; signs < 8; ++signs) {
      Matrix m{};
      for (std::size_t a = 0; a < 3; ++a)
        m[a][axis[a]] = (signs >> a) & 1 ? -1 : 1;
      all.push_back(m);
    }
  } while (std::next_permutation(axis.begin(), axis.end()));
  return all;
}

Vec moved(const Vec& v, const Vec& from, const Vec& to) {
  return Vec{v[0] - from[0] + to[0], v[1] - from[1] + to[1], v[2] - from[2] + to[2]};
}

bool adjacent(const Vec& a, const Vec& b) {
  return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) == 1;
}

// The image under m, moved to put its lowest corner at 0, sorted; a mirror swaps the screws.
Labeled transformed(const Matrix& m, Labeled cells) {
  Vec low{1000, 1000, 1000};
  for (auto& [v, piece] : cells) {
    v = Vec{m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
    piece = det(m) < 0 && (piece == 5 || piece == 6) ? 11 - piece : piece;
    for (std::size_t a = 0; a < 3; ++a)
      low[a] = std::min(low[a], v[a]);
  }
  for (auto& cell : cells)
    cell.first = moved(cell.first, low, Vec{});
  std::sort(cells.begin(), cells.end());
  return cells;
}

Labeled labeled(const std::vector<Cell>& cells) {
  Labeled out;
  for (const Cell& c : cells)
    out.emplace_back(Vec{c.i, c.j, c.k}, 0);
  return out;
}

std::set<Labeled> orientations(int piece, bool withMirrors) {
  std::set<Labeled> all;
  for (const Matrix& m : oracleTransforms()) {
    if (withMirrors || det(m) > 0) all.insert(transformed(m, labeled(pieceCells(piece))));
  }
  return all;
}

struct OracleCount {
  std::size_t fillings = 0, groupOrder = 0, solutions = 0;
};

// Places piece 1, then 2, ... 7 at every turn and place allowed by the fixed pieces; the
// symmetries are the transforms keeping the figure with its fixed pieces; a solution is the
// smallest image of a filling under them.
OracleCount oracleCount(const std::vector<FigureCube>& cubes) {
  Labeled figure;
  for (const FigureCube& c : cubes)
    figure.emplace_back(Vec{c.cell.i, c.cell.j, c.cell.k}, c.piece);
  const Matrix identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  figure = transformed(identity, figure);
  std::map<Vec, std::size_t> number;
  for (std::size_t n = 0; n < figure.size(); ++n)
    number[figure[n].first] = n;
  std::array<std::vector<std::uint32_t>, 8> placements;  // cell masks
  for (int piece = 1; piece <= 7; ++piece) {
    for (const Labeled& shape : orientations(piece, false)) {
      for (const auto& [base, fixed] : figure) {
        std::uint32_t mask = 0;
        for (const auto& [s, unused] : shape) {
          const auto at = number.find(moved(s, shape[0].first, base));
          const bool fits = at != number.end() &&
                            (figure[at->second].second == 0 || figure[at->second].second == piece);
          mask = fits && mask != ~0u ? mask | std::uint32_t{1} << at->second : ~0u;
        }
        if (mask != ~0u) placements[static_cast<std::size_t>(piece)].push_back(mask);
      }
    }
  }
  std::vector<Labeled> fillings;
  Labeled current = figure;
  auto place = [&](auto&& self, std::size_t piece, std::uint32_t taken) -> void {
    if (piece == 8 && taken == (std::uint64_t{1} << figure.size()) - 1) fillings.push_back(current);
    if (piece == 8) return;
    for (std::uint32_t mask : placements[piece]) {
      if ((mask & taken) != 0) continue;
      for (std::size_t n = 0; n < figure.size(); ++n)
        current[n].second = (mask >> n) & 1 ? static_cast<int>(piece) : current[n].second;
      self(self, piece + 1, taken | mask);
    }
  };
  if (figure.size() == 27) place(place, 1, 0);
  std::vector<Matrix> group;
  for (const Matrix& m : oracleTransforms()) {
    if (transformed(m, figure) == figure) group.push_back(m);
  }
  std::set<Labeled> orbits;
  for (const Labeled& filling : fillings) {
    Labeled smallest = filling;
    for (const Matrix& m : group)
      smallest = std::min(smallest, transformed(m, filling));
    orbits.insert(smallest);
  }
  return OracleCount{fillings.size(), group.size(), orbits.size()};
}

std::vector<FigureCube> figure(const std::string& rows) {
  auto parsed = parseFigText("case 1\n" + rows, "test.fig");
  EXPECT_TRUE(parsed.ok()) << (parsed.ok() ? "" : parsed.error().message);
  return parsed.ok() ? parsed.value().front().cubes : std::vector<FigureCube>{};
}

const char kCube[] = "xxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n";
const char kStack[] =
    ".xx..\nxx...\nxxxxx\nxxx..\n\n.xx..\nxxx..\nxxx..\n.xx..\n\n.....\n.....\n"
    ".xx..\n.x...\n\n.....\n.....\n..x..\n..x..\n";
const char kPyramid[] =
    ".xxx.\nxxxxx\nxxxxx\nxxxxx\n.xxx.\n\n.....\n..x..\n.xxx.\n..x..\n.....\n\n"
    ".....\n.....\n..x..\n.....\n.....\n";

// The rows with other marks at the given offsets into the text.
std::string withMarks(std::string rows, std::initializer_list<std::pair<std::size_t, char>> marks) {
  for (const auto& [at, mark] : marks)
    rows[at] = mark;
  return rows;
}

TEST(FigureSolver, AgreesWithTheBruteForceOracleAndBurnside) {
  // groupOrder, when known by hand: the square pyramid has the square's 8 symmetries, a tripod on
  // its axis keeps them, a screw at a base corner none; in the cube a corner screw leaves the 3
  // turns about its diagonal. freeOrbits: no filling is its own image (the tripod would have to
  // stay; the turns about its diagonal keep no V, its diagonal mirrors no L, T or Z), so Burnside
  // gives solutions = fillings / groupOrder.
  const struct {
    const char* name;
    std::string rows;
    int groupOrder;  // 0: not known by hand
    bool freeOrbits;
  } figures[] = {
      {"stepped stack", kStack, 0, false},
      {"square pyramid", kPyramid, 8, true},
      {"mirror tower",
       "xxx.\nxxxx\nxx.x\n.xx.\n\n....\n..x.\n.xxx\n..x.\n\n....\n...x\n...x\n.xxx\n\n"
       "....\n...x\n..xx\n.xx.\n",
       0, true},
      {"pyramid, tripod at the apex", withMarks(kPyramid, {{76, '7'}}), 8, false},
      {"pyramid, screw at a base corner", withMarks(kPyramid, {{1, '5'}}), 1, false},
      {"pyramid, tripod at the base centre", withMarks(kPyramid, {{14, '7'}}), 8, true},
      {"cube, tripod at the centre, screw at a corner", withMarks(kCube, {{18, '7'}, {36, '5'}}), 3,
       true},
  };
  for (const auto& f : figures) {
    SCOPED_TRACE(f.name);
    const std::vector<FigureCube> cubes = figure(f.rows);
    const OracleCount expected = oracleCount(cubes);
    const FigureCount count = countFigure(cubes);
    EXPECT_GT(count.fillings, 0u);
    EXPECT_EQ(count.fillings, expected.fillings);
    EXPECT_EQ(static_cast<std::size_t>(count.groupOrder), expected.groupOrder);
    EXPECT_EQ(count.solutions, expected.solutions);
    EXPECT_TRUE(f.groupOrder == 0 || count.groupOrder == f.groupOrder) << count.groupOrder;
    if (f.freeOrbits) {
      EXPECT_GT(count.groupOrder, 1);
      EXPECT_EQ(count.solutions * static_cast<std::uint64_t>(count.groupOrder), count.fillings);
    }
    // The first filling covers the figure's cubes in order, keeps fixed pieces, forms each piece.
    ASSERT_EQ(count.firstFilling.size(), cubes.size());
    std::array<std::vector<Cell>, 8> pieces;
    for (std::size_t n = 0; n < cubes.size(); ++n) {
      EXPECT_EQ(count.firstFilling[n].cell, cubes[n].cell);
      EXPECT_TRUE(cubes[n].piece == 0 || count.firstFilling[n].piece == cubes[n].piece);
      pieces[static_cast<std::size_t>(count.firstFilling[n].piece)].push_back(cubes[n].cell);
    }
    for (int piece = 1; piece <= 7; ++piece)
      EXPECT_TRUE(formsPiece(pieces[static_cast<std::size_t>(piece)], piece)) << piece;
    EXPECT_EQ(countFigure(cubes).firstFilling, count.firstFilling) << "the same on every run";
  }
}

TEST(FigureSolver, CountsTheCubeAndNothingForUnfillableFigures) {
  const FigureCount cube = countFigure(figure(kCube));
  EXPECT_EQ(cube.fillings, 11520u);
  EXPECT_EQ(cube.groupOrder, 48);
  EXPECT_EQ(cube.solutions, 240u);
  EXPECT_EQ(countFigure(figure(withMarks(kCube, {{36, '.'}}))).fillings, 0u) << "26 cubes";
  EXPECT_EQ(countFigure(figure(std::string(kCube) + "\n5\n")).fillings, 0u) << "28 cubes";
  EXPECT_EQ(countFigure(figure("xxxxxxxxxxxxxx\nxxxxxxxxxxxxx\n")).solutions, 0u)
      << "one layer cannot hold the screws or the tripod";
}

// The sign of det(d1, d2, d3) of the steps of the screw walked as a path; 0 when no such path.
int handedness(std::vector<Vec> c) {
  std::sort(c.begin(), c.end());
  do {
    if (adjacent(c[0], c[1]) && adjacent(c[1], c[2]) && adjacent(c[2], c[3]))
      return det(Matrix{moved(c[1], c[0], {}), moved(c[2], c[1], {}), moved(c[3], c[2], {})});
  } while (std::next_permutation(c.begin(), c.end()));
  return 0;
}

TEST(PieceShapes, EachPieceIsTheOnlyShapeWithItsProperties) {
  // Among the 2 trominoes and 8 tetracubes, size, turns, most neighbours of a cube and hand (in
  // the figure's right-handed (i, j, k), as the user sees it) single out V, L, T, Z, the right
  // and left screws and the tripod.
  const std::array<std::size_t, 4> shapes[] = {{3, 12, 2, 0}, {4, 24, 2, 0}, {4, 12, 3, 0},
                                               {4, 12, 2, 0}, {4, 12, 2, 1}, {4, 12, 2, 2},
                                               {4, 8, 3, 0}};  // hand 1 right, 2 left
  std::size_t total = 0;
  for (int piece = 1; piece <= 7; ++piece) {
    SCOPED_TRACE(piece);
    const auto [size, turns, mostNeighbours, hand] = shapes[piece - 1];
    std::vector<Vec> cubes;
    for (const Cell& c : pieceCells(piece))
      cubes.push_back(Vec{c.i, c.j, c.k});
    total += cubes.size();
    EXPECT_EQ(cubes.size(), size);
    EXPECT_EQ(orientations(piece, false).size(), turns);
    EXPECT_EQ(pieceOrientations(piece).size(), turns);
    EXPECT_EQ(orientations(piece, true).size(), turns * (hand != 0 ? 2 : 1)) << "chiral";
    std::size_t most = 0;
    for (const Vec& c : cubes) {
      most = std::max<std::size_t>(
          most,
          std::count_if(cubes.begin(), cubes.end(), [&](const Vec& d) { return adjacent(c, d); }));
    }
    EXPECT_EQ(most, mostNeighbours);
    for (const auto& cells :
         hand != 0 ? pieceOrientations(piece) : std::vector<std::vector<Cell>>{}) {
      std::vector<Vec> turned;
      for (const Cell& c : cells)
        turned.push_back(Vec{c.i, c.j, c.k});
      EXPECT_EQ(handedness(turned), hand == 1 ? 1 : -1) << "a turn keeps the hand";
    }
  }
  EXPECT_EQ(total, 27u);
  // The screws are each other's mirror image, and no turn of one is the other.
  EXPECT_EQ(orientations(5, true), orientations(6, true));
  for (const auto& cells : pieceOrientations(5))
    EXPECT_FALSE(formsPiece(cells, 6));
}

TEST(CubeTransforms, FortyEightDistinctAndCanonicalFormIdentifiesTurnsAndMirrors) {
  std::set<std::pair<std::array<int, 3>, std::array<int, 3>>> distinct;
  int reflections = 0;
  for (const CubeTransform& t : cubeTransforms()) {
    distinct.insert({t.axis, t.sign});
    reflections += t.reflection ? 1 : 0;
  }
  EXPECT_EQ(distinct.size(), 48u);
  EXPECT_EQ(reflections, 24);
  EXPECT_EQ(applyTransform(cubeTransforms()[0], Cell{1, 2, 3}), (Cell{1, 2, 3}));

  const std::vector<FigureCube> stack = figure(kStack);
  const std::vector<Cell> cells = cellsOf(stack);
  const std::vector<Cell> mirror = cellsOf(mirroredFigure(stack));
  EXPECT_TRUE(isChiral(cells));
  EXPECT_FALSE(isChiral(cellsOf(figure(kPyramid))));
  EXPECT_NE(normalizedCells(mirror), normalizedCells(cells));
  EXPECT_EQ(canonicalForm(mirror), canonicalForm(cells));
  for (const CubeTransform& t : cubeTransforms())
    EXPECT_EQ(canonicalForm(transformedCells(t, cells)), canonicalForm(cells));
  EXPECT_NE(canonicalForm(cells), canonicalForm(cellsOf(figure(kPyramid))));
  EXPECT_EQ(mirroredFigure(figure("5x\n6x\n")),
            (std::vector<FigureCube>{
                {Cell{1, 1, 1}, 0}, {Cell{1, 1, 2}, 6}, {Cell{1, 2, 1}, 0}, {Cell{1, 2, 2}, 5}}));
}

}  // namespace
}  // namespace vexolite::catalog
