// The solver against a brute-force oracle and hand counts; the generator against its promises.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <map>
#include <set>

#include "cube_transforms.h"
#include "fig_text.h"
#include "figure_generator.h"
#include "figure_record.h"
#include "figure_solver.h"
#include "piece_shapes.h"

namespace vexolite::catalog {
namespace {

using Vec = std::array<int, 3>;                    // (i, j, k)
using Labeled = std::vector<std::pair<Vec, int>>;  // cells with a piece (0: free), sorted

// Signed permutation t of 48: image coordinate a is coordinate kAxes[t / 8][a], negated if bit a
// of t is set; reflections swap the screws 5 and 6. The image is sorted and moved to start at 0.
Labeled moved(int t, Labeled cells) {
  constexpr int kAxes[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  const bool mirror = ((0b100110 >> (t / 8)) + std::popcount(unsigned(t % 8))) % 2 == 1;
  for (auto& [v, piece] : cells) {
    auto image = [&](int a) { return ((t >> a) & 1 ? -1 : 1) * v[kAxes[t / 8][a]]; };
    v = Vec{image(0), image(1), image(2)};
    piece = mirror && (piece == 5 || piece == 6) ? 11 - piece : piece;
  }
  std::sort(cells.begin(), cells.end());
  const Vec o = cells.empty() ? Vec{} : cells[0].first;
  for (auto& cell : cells)
    cell.first = Vec{cell.first[0] - o[0], cell.first[1] - o[1], cell.first[2] - o[2]};
  return cells;
}

// {fillings, group order, solutions} by brute force: the pieces 1 to 7 placed in turn wherever
// they fit; a solution is the smallest image of a filling under the transforms keeping the figure.
std::array<std::size_t, 3> oracleCount(const std::vector<FigureCube>& cubes) {
  Labeled figure;
  for (const FigureCube& c : cubes)
    figure.emplace_back(Vec{c.cell.i, c.cell.j, c.cell.k}, c.piece);
  figure = moved(0, figure);
  std::map<Vec, std::size_t> number;
  for (std::size_t n = 0; n < figure.size(); ++n)
    number[figure[n].first] = n;
  std::array<std::set<std::uint32_t>, 8> placements;  // cell masks of each piece's placements
  for (int piece = 1; piece <= 7; ++piece) {
    Labeled cells;
    for (const Cell& c : pieceCells(piece))
      cells.emplace_back(Vec{c.i, c.j, c.k}, piece);
    for (int t = 0; t < 48; ++t) {
      const Labeled shape = moved(t, cells);
      for (const auto& [base, unused] : figure) {
        std::uint32_t mask = shape[0].second == piece ? 0 : ~0u;  // not the other screw
        for (const auto& [s, same] : shape) {
          const auto at = number.find(Vec{base[0] + s[0], base[1] + s[1], base[2] + s[2]});
          const int fixed = at == number.end() ? -1 : figure[at->second].second;
          mask = (fixed == 0 || fixed == piece) && mask != ~0u ? mask | 1u << at->second : ~0u;
        }
        if (mask != ~0u) placements[static_cast<std::size_t>(piece)].insert(mask);
      }
    }
  }
  std::vector<Labeled> fillings;
  Labeled current = figure;
  auto place = [&](auto&& self, std::size_t piece, std::uint32_t taken) -> void {
    if (piece == 8) return fillings.push_back(current);  // seven disjoint pieces cover 27 cells
    for (std::uint32_t mask : placements[piece]) {
      if ((mask & taken) != 0) continue;
      for (std::size_t n = 0; n < figure.size(); ++n)
        current[n].second = (mask >> n) & 1 ? static_cast<int>(piece) : current[n].second;
      self(self, piece + 1, taken | mask);
    }
  };
  if (figure.size() == 27) place(place, 1, 0);
  std::vector<int> group;
  for (int t = 0; t < 48; ++t)
    if (moved(t, figure) == figure) group.push_back(t);
  std::set<Labeled> orbits;
  for (const Labeled& filling : fillings) {
    Labeled smallest = filling;
    for (int t : group)
      smallest = std::min(smallest, moved(t, filling));
    orbits.insert(smallest);
  }
  return {fillings.size(), group.size(), orbits.size()};
}

const std::string kCube = "xxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n";

std::vector<FigureCube> figure(const std::string& rows) {
  return parseFigText("case 1\n" + rows, "").value().front().cubes;
}

TEST(FigureSolver, AgreesWithTheBruteForceOracleAndHandCounts) {
  const std::string pyramid = "xx.\nxxxxx\nxxxxx\nxxxxx\n.xxx\n\n.\n..x\n.xxx\n..x\n\n.\n.\n..x\n";
  // Group orders by hand: the pyramid has the square's 8, a screw at a base corner leaves 1; a
  // tripod at the cube's centre and a screw at a corner leave the 3 turns about the diagonal.
  const std::pair<std::string, int> figures[] = {
      {".xx\nxx\nxxxxx\nxxx\n\n.xx\nxxx\nxxx\n.xx\n\n.\n.\n.xx\n.x\n\n.\n.\n..x\n..x\n", 0},
      {".x" + pyramid, 8},
      {".5" + pyramid, 1},
      {"xxx\nxxxx\nxx.x\n.xx\n\n.\n..x\n.xxx\n..x\n\n.\n...x\n...x\n.xxx\n\n.\n...x\n..xx\n.xx\n",
       0},
      {"xxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n", 3},
  };
  for (const auto& [rows, groupOrder] : figures) {
    const std::vector<FigureCube> cubes = figure(rows);
    const FigureCount count = countFigure(cubes);
    EXPECT_EQ(oracleCount(cubes),
              (std::array<std::size_t, 3>{count.fillings, std::size_t(count.groupOrder),
                                          count.solutions}));
    EXPECT_TRUE(count.fillings > 0 && (groupOrder == 0 || count.groupOrder == groupOrder)) << rows;
  }
  const FigureCount whole = countFigure(figure(kCube));
  EXPECT_TRUE(whole.fillings == 11520u && whole.groupOrder == 48 && whole.solutions == 240u);
  // The figure text refuses other than 27 cubes: those are made from the cube's.
  std::vector<FigureCube> fewer = figure(kCube), more = fewer;
  fewer.erase(fewer.begin());
  more.push_back(FigureCube{Cell{4, 1, 1}, 5});
  for (const std::vector<FigureCube>& cubes :
       {fewer, more, figure(std::string(14, 'x') + "\n" + std::string(13, 'x'))})
    EXPECT_EQ(countFigure(cubes).fillings, 0u) << "26 or 28 cubes, or one layer";
}

TEST(FigureGenerator, KeepsItsPromisesOverSeveralBatches) {
  const GeneratorSettings settings{15, 12, 980, 2};
  const std::vector<GeneratedFigure> made = generateFigures(settings, {{10, 0, figure(kCube)}});
  std::set<std::vector<Cell>> forms{canonicalForm(cellsOf(figure(kCube)))};
  int caseNumber = settings.firstCase, chiral = 0;
  std::set<std::string> kinds;
  for (std::size_t n = 0; n < made.size(); ++n) {
    const GeneratedFigure& g = made[n];
    const std::vector<Cell> cells = cellsOf(g.figure.cubes);
    SCOPED_TRACE(caseName(g.figure.caseValue) + ", " + g.kind);
    const FigureCount count = countFigure(g.figure.cubes);
    EXPECT_TRUE(g.solutions == count.solutions && g.groupOrder == count.groupOrder);
    EXPECT_TRUE(g.solutions >= 1 && g.solutions <= 32767 && isFaceConnected(cells));
    EXPECT_TRUE(normalizedCells(cells) == cells && figureRecordDigits(count.firstFilling).ok());
    if (g.figure.caseValue % 10 != 0) {  // a mirror, after its figure
      const GeneratedFigure& original = made.at(n - 1);
      EXPECT_EQ(g.figure.caseValue, original.figure.caseValue + 1);
      EXPECT_EQ(cells, cellsOf(mirroredFigure(original.figure.cubes)));
      EXPECT_EQ(canonicalForm(cells), canonicalForm(cellsOf(original.figure.cubes)));
      continue;
    }
    EXPECT_EQ(g.figure.caseValue, 10 * caseNumber++);
    EXPECT_TRUE(forms.insert(canonicalForm(cells)).second) << "the same as one before";
    // Every second chiral figure is followed by its mirror.
    const bool mirrored = n + 1 < made.size() && made[n + 1].figure.caseValue % 10 == 1;
    EXPECT_EQ(mirrored, isChiral(cells) && ++chiral % settings.mirrorEvery == 0);
    kinds.insert(g.kind.substr(0, 3));
    const Extent e = extentOf(g.figure.cubes);
    std::array<int, 3> box{}, size{e.layers, e.rows, e.columns};
    std::ranges::sort(size);
    if (std::sscanf(g.kind.c_str(), "box %dx%dx%d", &box[0], &box[1], &box[2]) == 3) {
      EXPECT_TRUE(size[0] <= box[0] && size[1] <= box[1] && size[2] <= box[2]) << "outside";
    }
    EXPECT_TRUE(g.kind != "grown symmetric" || count.groupOrder > 1) << "not symmetric";
  }
  EXPECT_EQ(caseNumber, settings.firstCase + settings.count);
  EXPECT_EQ(kinds, (std::set<std::string>{"box", "gro", "sta"}));
}

}  // namespace
}  // namespace vexolite::catalog
