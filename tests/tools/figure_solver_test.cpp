// The solver and its listing against a brute-force oracle and hand counts; the generator against
// its promises. SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>

#include "brute_force_oracle.h"
#include "cube_transforms.h"
#include "fig_text.h"
#include "figure_generator.h"
#include "figure_record.h"
#include "figure_solver.h"
#include "piece_shapes.h"

namespace vexolite::catalog {
namespace {

using namespace oracle;

// What the brute force finds: {fillings, group order, solutions}, and each solution's smallest
// digit string over the transforms keeping the figure, sorted.
struct OracleSolutions {
  std::array<std::size_t, 3> count{};
  std::vector<std::string> representatives;
};

OracleSolutions oracleSolutions(const std::vector<FigureCube>& cubes) {
  const Fillings fillings = allFillings(cubes);
  std::set<std::string> orbits;
  for (const Labeled& filling : fillings.all) {
    std::string smallest = digitsOf(filling);
    for (int t : fillings.symmetries)
      smallest = std::min(smallest, digitsOf(moved(t, filling)));
    orbits.insert(smallest);
  }
  return {{fillings.all.size(), fillings.symmetries.size(), orbits.size()},
          {orbits.begin(), orbits.end()}};
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
    const OracleSolutions oracle = oracleSolutions(cubes);
    EXPECT_EQ(oracle.count, (std::array<std::size_t, 3>{
                                count.fillings, std::size_t(count.groupOrder), count.solutions}));
    EXPECT_TRUE(count.fillings > 0 && (groupOrder == 0 || count.groupOrder == groupOrder)) << rows;
    // The listing gives each class by its smallest digit string, in their order.
    EXPECT_EQ(listSolutions(cubes).representatives, oracle.representatives) << rows;
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
