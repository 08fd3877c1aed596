// The solver's counts against numbers known by hand and against a brute-force oracle written
// here from first principles: matrices from quarter turns, pieces placed in fixed order anywhere,
// orbits found by comparing every image of every filling.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "cube_transforms.h"
#include "fig_text.h"
#include "figure_solver.h"
#include "piece_shapes.h"

namespace vexolite::catalog {
namespace {

using Vec = std::array<int, 3>;  // (x, y, z)
using Matrix = std::array<Vec, 3>;

Vec times(const Matrix& m, const Vec& v) {
  Vec r{};
  for (std::size_t a = 0; a < 3; ++a)
    r[a] = m[a][0] * v[0] + m[a][1] * v[1] + m[a][2] * v[2];
  return r;
}

Matrix product(const Matrix& a, const Matrix& b) {
  Matrix r{};
  for (std::size_t x = 0; x < 3; ++x) {
    for (std::size_t y = 0; y < 3; ++y) {
      for (std::size_t n = 0; n < 3; ++n)
        r[x][y] += a[x][n] * b[n][y];
    }
  }
  return r;
}

int det(const Matrix& m) {
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
         m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// The 24 rotations as the closure of two quarter turns, then the same times -I.
std::vector<Matrix> oracleTransforms() {
  const Matrix aboutX{{{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}};
  const Matrix aboutY{{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}};
  std::set<Matrix> found{Matrix{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}};
  std::vector<Matrix> open(found.begin(), found.end());
  while (!open.empty()) {
    const Matrix m = open.back();
    open.pop_back();
    for (const Matrix& turn : {aboutX, aboutY}) {
      const Matrix next = product(turn, m);
      if (found.insert(next).second) open.push_back(next);
    }
  }
  std::vector<Matrix> all(found.begin(), found.end());
  for (const Matrix& m : found) {
    Matrix minus = m;
    for (auto& row : minus) {
      for (int& v : row)
        v = -v;
    }
    all.push_back(minus);
  }
  return all;
}

std::vector<Vec> normalized(std::vector<Vec> cells) {
  Vec low{1000, 1000, 1000};
  for (const Vec& c : cells) {
    for (std::size_t a = 0; a < 3; ++a)
      low[a] = std::min(low[a], c[a]);
  }
  for (Vec& c : cells) {
    for (std::size_t a = 0; a < 3; ++a)
      c[a] -= low[a];
  }
  std::sort(cells.begin(), cells.end());
  return cells;
}

// The pieces as the puzzle describes them, (x, y, z).
const std::array<std::vector<Vec>, 8> kPieces{{
    {},
    {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {1, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {2, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 1, 1}},
    {{1, 0, 1}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
}};

std::set<std::vector<Vec>> orientations(const std::vector<Vec>& piece, bool withMirrors) {
  std::set<std::vector<Vec>> all;
  for (const Matrix& m : oracleTransforms()) {
    if (!withMirrors && det(m) < 0) continue;
    std::vector<Vec> image;
    for (const Vec& c : piece)
      image.push_back(times(m, c));
    all.insert(normalized(image));
  }
  return all;
}

struct OracleCount {
  std::size_t fillings = 0;
  std::size_t groupOrder = 0;
  std::size_t solutions = 0;
};

// Places piece 1, then 2, ... 7, each at every orientation and translation inside the figure,
// over cells not yet taken and allowed by the fixed pieces; then counts distinct fillings up to
// the figure's symmetries by taking the smallest image of each. Cell sets are bit masks over the
// figure's cells in the order given.
OracleCount oracleCount(const std::vector<FigureCube>& cubes) {
  std::map<Vec, int> number;  // (x, y, z) = (k, j, i) -> index of the cube
  std::vector<Vec> cells;
  for (const FigureCube& c : cubes) {
    number[Vec{c.cell.k, c.cell.j, c.cell.i}] = static_cast<int>(cells.size());
    cells.push_back(Vec{c.cell.k, c.cell.j, c.cell.i});
  }
  auto bit = [](int n) { return std::uint32_t{1} << n; };

  // Every placement of every piece, as a mask.
  std::array<std::vector<std::uint32_t>, 8> placements;
  for (int piece = 1; piece <= 7; ++piece) {
    for (const auto& shape : orientations(kPieces[static_cast<std::size_t>(piece)], false)) {
      for (const Vec& base : cells) {
        std::uint32_t mask = 0;
        bool fits = true;
        for (const Vec& s : shape) {
          const Vec c{base[0] + s[0] - shape[0][0], base[1] + s[1] - shape[0][1],
                      base[2] + s[2] - shape[0][2]};
          const auto at = number.find(c);
          const int fixed =
              at == number.end() ? -1 : cubes[static_cast<std::size_t>(at->second)].piece;
          fits = fits && at != number.end() && (fixed == 0 || fixed == piece);
          if (fits) mask |= bit(at->second);
        }
        if (fits) placements[static_cast<std::size_t>(piece)].push_back(mask);
      }
    }
  }

  using Filling = std::array<std::uint32_t, 8>;  // mask of piece 1..7
  std::vector<Filling> fillings;
  Filling current{};
  auto place = [&](auto&& self, int piece, std::uint32_t taken) -> void {
    if (piece == 8) {
      if (taken == (std::uint64_t{1} << cells.size()) - 1) fillings.push_back(current);
      return;
    }
    for (std::uint32_t mask : placements[static_cast<std::size_t>(piece)]) {
      if ((mask & taken) != 0) continue;
      current[static_cast<std::size_t>(piece)] = mask;
      self(self, piece + 1, taken | mask);
    }
  };
  if (cells.size() == 27) place(place, 1, 0);

  // The symmetries: transforms that, re-translated to the figure's lowest corner, permute the
  // cells and keep fixed pieces (5 and 6 swapped by a mirror).
  Vec low{1000, 1000, 1000};
  for (const Vec& c : cells) {
    for (std::size_t a = 0; a < 3; ++a)
      low[a] = std::min(low[a], c[a]);
  }
  auto swapped = [](int piece, bool mirror) {
    return mirror && piece == 5 ? 6 : mirror && piece == 6 ? 5 : piece;
  };
  struct Symmetry {
    std::vector<int> permutation;
    bool mirror = false;
  };
  std::vector<Symmetry> group;
  for (const Matrix& m : oracleTransforms()) {
    Vec imageLow{1000, 1000, 1000};
    for (const Vec& c : cells) {
      const Vec v = times(m, c);
      for (std::size_t a = 0; a < 3; ++a)
        imageLow[a] = std::min(imageLow[a], v[a]);
    }
    Symmetry symmetry{{}, det(m) < 0};
    bool maps = true;
    for (std::size_t n = 0; n < cells.size(); ++n) {
      const Vec v = times(m, cells[n]);
      const auto at = number.find(Vec{v[0] - imageLow[0] + low[0], v[1] - imageLow[1] + low[1],
                                      v[2] - imageLow[2] + low[2]});
      maps = maps && at != number.end() &&
             cubes[static_cast<std::size_t>(at->second)].piece ==
                 swapped(cubes[n].piece, symmetry.mirror);
      symmetry.permutation.push_back(at == number.end() ? 0 : at->second);
    }
    if (maps) group.push_back(symmetry);
  }
  std::set<Filling> orbits;
  for (const Filling& filling : fillings) {
    Filling smallest = filling;
    for (const Symmetry& g : group) {
      Filling image{};
      for (int piece = 1; piece <= 7; ++piece) {
        std::uint32_t moved = 0;
        for (std::size_t n = 0; n < cells.size(); ++n) {
          if ((filling[static_cast<std::size_t>(piece)] >> n) & 1) moved |= bit(g.permutation[n]);
        }
        image[static_cast<std::size_t>(swapped(piece, g.mirror))] = moved;
      }
      smallest = std::min(smallest, image);
    }
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

TEST(FigureSolver, TheCubeHas11520FillingsGroup48And240Solutions) {
  const FigureCount count = countFigure(figure(kCube));
  EXPECT_EQ(count.fillings, 11520u);
  EXPECT_EQ(count.groupOrder, 48);
  EXPECT_EQ(count.solutions, 240u);
}

// Figures with few fillings, some with symmetries and some with fixed pieces.
struct OracleFigure {
  const char* name;
  const char* rows;
};
const OracleFigure kOracleFigures[] = {
    {"loose stack",
     ".......\n.x.....\n.xxxxxx\n.x.xx..\n\n....x..\n....x..\n.xxxx..\nxxxxx..\n\n"
     ".......\n....x..\n..xxx..\n...xx..\n"},
    {"stepped stack",
     ".xx..\nxx...\nxxxxx\nxxx..\n\n.xx..\nxxx..\nxxx..\n.xx..\n\n.....\n.....\n"
     ".xx..\n.x...\n\n.....\n.....\n..x..\n..x..\n"},
    {"square pyramid",
     ".xxx.\nxxxxx\nxxxxx\nxxxxx\n.xxx.\n\n.....\n..x..\n.xxx.\n..x..\n.....\n\n"
     ".....\n.....\n..x..\n.....\n.....\n"},
    {"mirror tower",
     "xxx.\nxxxx\nxx.x\n.xx.\n\n....\n..x.\n.xxx\n..x.\n\n....\n...x\n...x\n.xxx\n\n"
     "....\n...x\n..xx\n.xx.\n"},
    {"pyramid with a fixed tripod corner",
     ".xxx.\nxxxxx\nxxxxx\nxxxxx\n.xxx.\n\n.....\n..x..\n"
     ".xxx.\n..x..\n.....\n\n.....\n.....\n..7..\n.....\n.....\n"},
    {"pyramid with a fixed screw at a corner",
     ".5xx.\nxxxxx\nxxxxx\nxxxxx\n.xxx.\n\n.....\n..x..\n"
     ".xxx.\n..x..\n.....\n\n.....\n.....\n..x..\n.....\n.....\n"},
    {"pyramid with the tripod fixed at the centre",
     ".xxx.\nxxxxx\nxx7xx\nxxxxx\n.xxx.\n\n.....\n"
     "..x..\n.xxx.\n..x..\n.....\n\n.....\n.....\n"
     "..x..\n.....\n.....\n"},
    {"cube with the tripod at the centre and a screw at a corner",
     "xxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n"},
};

TEST(FigureSolver, AgreesWithTheBruteForceOracle) {
  for (const OracleFigure& f : kOracleFigures) {
    SCOPED_TRACE(f.name);
    const std::vector<FigureCube> cubes = figure(f.rows);
    const OracleCount expected = oracleCount(cubes);
    const FigureCount count = countFigure(cubes);
    EXPECT_EQ(count.fillings, expected.fillings);
    EXPECT_EQ(static_cast<std::size_t>(count.groupOrder), expected.groupOrder);
    EXPECT_EQ(count.solutions, expected.solutions);
  }
}

TEST(FigureSolver, OracleFiguresIncludeSymmetricAndConstrainedOnes) {
  // The square pyramid has the eight symmetries of a square; fixing its apex or centre to the
  // tripod keeps them, a screw at one corner of the base keeps none.
  EXPECT_EQ(countFigure(figure(kOracleFigures[2].rows)).groupOrder, 8);
  EXPECT_EQ(countFigure(figure(kOracleFigures[4].rows)).groupOrder, 8);
  EXPECT_EQ(countFigure(figure(kOracleFigures[5].rows)).groupOrder, 1);
  EXPECT_EQ(countFigure(figure(kOracleFigures[6].rows)).groupOrder, 8);
  // In the cube, the corner screw leaves the three turns about the diagonal through it.
  EXPECT_EQ(countFigure(figure(kOracleFigures[7].rows)).groupOrder, 3);
  for (const OracleFigure& f : kOracleFigures)
    EXPECT_GT(countFigure(figure(f.rows)).fillings, 0u);
  EXPECT_GT(countFigure(figure(kOracleFigures[2].rows)).fillings, 8u);
}

TEST(FigureSolver, SymmetricFiguresFillingsDivideByTheGroupOrder) {
  // No filling is its own image under a symmetry other than the identity: the tripod would have
  // to be kept, which leaves the turns about its diagonal (they keep no V) and its diagonal
  // mirrors (they keep no L, T or Z). So every orbit has the group's order.
  for (const char* rows : {kCube, kOracleFigures[2].rows, kOracleFigures[3].rows,
                           kOracleFigures[6].rows, kOracleFigures[7].rows}) {
    const FigureCount count = countFigure(figure(rows));
    ASSERT_GT(count.groupOrder, 1);
    EXPECT_EQ(count.fillings % static_cast<std::uint64_t>(count.groupOrder), 0u);
    EXPECT_EQ(count.solutions * static_cast<std::uint64_t>(count.groupOrder), count.fillings);
  }
}

TEST(FigureSolver, TheFirstFillingIsAFillingOfTheFigure) {
  const std::vector<FigureCube> cubes = figure(kOracleFigures[1].rows);
  const FigureCount count = countFigure(cubes);
  ASSERT_EQ(count.firstFilling.size(), cubes.size());
  for (std::size_t n = 0; n < cubes.size(); ++n) {
    EXPECT_EQ(count.firstFilling[n].cell, cubes[n].cell);
  }
  for (int piece = 1; piece <= 7; ++piece) {
    std::vector<Cell> cells;
    for (const FigureCube& c : count.firstFilling) {
      if (c.piece == piece) cells.push_back(c.cell);
    }
    EXPECT_TRUE(formsPiece(cells, piece)) << "piece " << piece;
  }
  EXPECT_EQ(countFigure(cubes).firstFilling, count.firstFilling);
}

TEST(FigureSolver, FiguresThatCannotBeFilledHaveNoSolution) {
  EXPECT_EQ(countFigure(figure("xxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxx.\n")).fillings, 0u)
      << "26 cubes";
  EXPECT_EQ(countFigure(figure("xxxxxxxxxxxxxx\nxxxxxxxxxxxxx\n")).solutions, 0u)
      << "one layer cannot hold the screws or the tripod";
  EXPECT_EQ(countFigure(figure(std::string(kCube) + "\n5\n")).fillings, 0u) << "28 cubes";
}

TEST(PieceShapes, ScrewsAreMirrorImagesAndNotRotationsOfEachOther) {
  const auto right = orientations(kPieces[5], false);
  const auto left = orientations(kPieces[6], false);
  EXPECT_EQ(right.size(), 12u);
  for (const auto& shape : right)
    EXPECT_EQ(left.count(shape), 0u);
  EXPECT_EQ(orientations(kPieces[5], true), orientations(kPieces[6], true));
  // The library's own orientation lists agree on the hand.
  for (const auto& cells : pieceOrientations(5))
    EXPECT_FALSE(formsPiece(cells, 6));
  for (const auto& cells : pieceOrientations(6))
    EXPECT_TRUE(formsPiece(cells, 6));
}

TEST(PieceShapes, HandednessIsTheSignOfTheStepDeterminant) {
  // Walk each screw's four cubes as a path and take det(d1, d2, d3).
  auto handedness = [](const std::vector<Vec>& cubes) {
    std::vector<Vec> path;
    for (const Vec& start : cubes) {
      std::vector<Vec> walk{start};
      std::vector<Vec> left(cubes);
      left.erase(std::find(left.begin(), left.end(), start));
      while (!left.empty()) {
        auto next = std::find_if(left.begin(), left.end(), [&](const Vec& c) {
          const Vec& b = walk.back();
          return std::abs(c[0] - b[0]) + std::abs(c[1] - b[1]) + std::abs(c[2] - b[2]) == 1;
        });
        if (next == left.end()) break;
        walk.push_back(*next);
        left.erase(next);
      }
      if (walk.size() == 4) {
        path = walk;
        break;
      }
    }
    Matrix steps{};
    for (std::size_t s = 0; s < 3; ++s) {
      for (std::size_t a = 0; a < 3; ++a)
        steps[s][a] = path[s + 1][a] - path[s][a];
    }
    return det(steps);
  };
  // The hand is judged where it is seen: in the figure's (i, j, k), i up, j toward the lower
  // left of the drawing and k toward the lower right. That frame is right-handed (i x j points
  // along k), so a right-handed screw there looks right-handed on the screen.
  auto inFigureFrame = [](int piece) {
    std::vector<Vec> cubes;
    for (const Cell& c : pieceCells(piece))
      cubes.push_back(Vec{c.i, c.j, c.k});
    return cubes;
  };
  EXPECT_EQ(handedness(inFigureFrame(5)), 1);
  EXPECT_EQ(handedness(inFigureFrame(6)), -1);
  // Every turned right-handed screw keeps its hand.
  for (const auto& cells : pieceOrientations(5)) {
    std::vector<Vec> cubes;
    for (const Cell& c : cells)
      cubes.push_back(Vec{c.i, c.j, c.k});
    EXPECT_EQ(handedness(cubes), 1);
  }
}

TEST(PieceShapes, EveryPieceHasItsNumberOfDistinctTurns) {
  // V 12, L 24, T 12, Z 12, the screws 12 each, the tripod 8.
  const std::array<std::size_t, 8> expected{0, 12, 24, 12, 12, 12, 12, 8};
  for (int piece = 1; piece <= 7; ++piece) {
    EXPECT_EQ(pieceOrientations(piece).size(), expected[static_cast<std::size_t>(piece)]);
    EXPECT_EQ(pieceOrientations(piece).size(),
              orientations(kPieces[static_cast<std::size_t>(piece)], false).size());
  }
}

TEST(CubeTransforms, FortyEightDistinctWithTwentyFourReflections) {
  std::set<std::pair<std::array<int, 3>, std::array<int, 3>>> distinct;
  int reflections = 0;
  for (const CubeTransform& t : cubeTransforms()) {
    distinct.insert({t.axis, t.sign});
    reflections += t.reflection ? 1 : 0;
  }
  EXPECT_EQ(distinct.size(), 48u);
  EXPECT_EQ(reflections, 24);
  EXPECT_FALSE(cubeTransforms()[0].reflection);
  EXPECT_EQ(applyTransform(cubeTransforms()[0], Cell{1, 2, 3}), (Cell{1, 2, 3}));
}

TEST(CubeTransforms, CanonicalFormIdentifiesTurnedAndMirroredFigures) {
  const std::vector<FigureCube> stack = figure(kOracleFigures[1].rows);
  const std::vector<Cell> cells = cellsOf(stack);
  EXPECT_TRUE(isChiral(cells));
  const std::vector<Cell> mirror = cellsOf(mirroredFigure(stack));
  EXPECT_NE(normalizedCells(mirror), normalizedCells(cells));
  EXPECT_EQ(canonicalForm(mirror), canonicalForm(cells));
  for (const CubeTransform& t : cubeTransforms()) {
    EXPECT_EQ(canonicalForm(transformedCells(t, cells)), canonicalForm(cells));
  }
  EXPECT_FALSE(isChiral(cellsOf(figure(kOracleFigures[2].rows))));
  EXPECT_NE(canonicalForm(cells), canonicalForm(cellsOf(figure(kOracleFigures[0].rows))));
}

TEST(CubeTransforms, MirroredFigureSwapsTheScrews) {
  const std::vector<FigureCube> mirror = mirroredFigure(figure("5x\n6x\n"));
  EXPECT_EQ(mirror,
            (std::vector<FigureCube>{
                {Cell{1, 1, 1}, 0}, {Cell{1, 1, 2}, 6}, {Cell{1, 2, 1}, 0}, {Cell{1, 2, 2}, 5}}));
}

}  // namespace
}  // namespace vexolite::catalog
