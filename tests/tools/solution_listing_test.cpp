// The solution listing's promises over many figures: fillings, distinct classes, the count, the
// blocks read back one by one, the same text on any number of threads; the pinned-piece check.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "brute_force_oracle.h"
#include "fig_text.h"
#include "figure_solver.h"
#include "piece_shapes.h"
#include "pinned_pieces.h"
#include "solution_listing.h"

namespace vexolite::catalog {
namespace {

using namespace oracle;

// True when the cells are the piece's cubes turned: compared with the piece under the oracle's
// own rotations.
bool isPiece(const Labeled& cells, int piece) {
  static const std::array<std::set<Labeled>, 8> turned = [] {
    std::array<std::set<Labeled>, 8> shapes;
    for (int p = 1; p <= kPieceTotal; ++p) {
      Labeled shape;
      for (const Cell& c : pieceCells(p))
        shape.emplace_back(Vec{c.i, c.j, c.k}, p);
      for (int t = 0; t < 48; ++t)
        if (!isReflection(t)) shapes[static_cast<std::size_t>(p)].insert(moved(t, shape));
    }
    return shapes;
  }();
  return turned[static_cast<std::size_t>(piece)].count(moved(0, cells)) != 0;
}

// Some of the shipped catalogue's figures: hand-made ones, ones made by the generator (cases 41
// to 704) and their mirror images, case 705 with its pieces fixed; and a few fixing pieces.
const std::vector<CatalogFigure>& manyFigures() {
  static const std::vector<CatalogFigure> figures = [] {
    const std::vector<CatalogFigure> shipped =
        readFigFile(VEXOLITE_DATA_FOLDER "/figures.fig").value();
    std::vector<CatalogFigure> many;
    for (std::size_t n = 0; n < shipped.size(); n += 41)
      many.push_back(shipped[n]);
    many.push_back(shipped.back());
    const auto pinned = parseFigText(
        "case 1\nxxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n"
        "case 2\n1xx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxx6\n",
        "pinned.fig");
    many.insert(many.end(), pinned.value().begin(), pinned.value().end());
    return many;
  }();
  return figures;
}

TEST(SolutionListing, GivesEachClassOnceAsAFillingOfItsFigure) {
  for (const CatalogFigure& figure : manyFigures()) {
    SCOPED_TRACE("case " + caseName(figure.caseValue));
    const std::vector<std::string> found = listSolutions(figure.cubes).representatives;
    EXPECT_EQ(found.size(), countFigure(figure.cubes).solutions);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    const std::set<std::string> distinct(found.begin(), found.end());
    EXPECT_EQ(distinct.size(), found.size());
    const Labeled shape = moved(0, labeled(figure.cubes));
    std::vector<int> group;
    for (int t = 0; t < 48; ++t)
      if (moved(t, shape) == shape) group.push_back(t);
    // Each block checked in full, up to a few hundred of a figure.
    for (std::size_t s = 0; s < std::min<std::size_t>(found.size(), 300); ++s) {
      const std::vector<FigureCube> filled = filledCubes(figure.cubes, found[s]);
      const Labeled cells = labeled(filled);
      ASSERT_EQ(digitsOf(cells), found[s]) << "the digits go in text order";
      // Every piece once, where the figure fixes it.
      for (int piece = 1; piece <= kPieceTotal; ++piece) {
        Labeled of;
        for (const auto& cell : cells)
          if (cell.second == piece) of.push_back(cell);
        EXPECT_TRUE(isPiece(of, piece)) << found[s] << ", piece " << piece;
      }
      for (const FigureCube& cube : figure.cubes) {
        const auto at = std::find_if(filled.begin(), filled.end(),
                                     [&](const FigureCube& f) { return f.cell == cube.cell; });
        EXPECT_TRUE(cube.piece == 0 || at->piece == cube.piece) << found[s];
      }
      // No symmetry of the figure takes it to another listed block, nor to a smaller string.
      for (int t : group) {
        const std::string image = digitsOf(moved(t, moved(0, cells)));
        EXPECT_GE(image, found[s]);
        EXPECT_TRUE(image == found[s] || distinct.count(image) == 0) << found[s] << " " << t;
      }
      // A block read back as a figure of its own has exactly one solution.
      if (s < 20) {
        EXPECT_EQ(countFigure(filled).solutions, 1u) << found[s];
      }
    }
  }
}

TEST(SolutionListing, IsTheSameTextOnAnyNumberOfThreads) {
  const std::vector<CatalogFigure>& figures = manyFigures();
  const SolutionListing one = listFigureSolutions(figures, "many.fig", 3, 1);
  EXPECT_EQ(listFigureSolutions(figures, "many.fig", 3, 2).figText, one.figText);
  EXPECT_EQ(listFigureSolutions(figures, "many.fig", 3, 5).figText, one.figText);
  // The text is figure text: it reads back as blocks of the figures, three (or all) of each.
  const auto blocks = parseFigText(one.figText, "listing");
  ASSERT_TRUE(blocks.ok()) << blocks.error().message;
  std::size_t expected = 0;
  for (const CatalogFigure& figure : figures)
    expected += std::min<std::uint64_t>(3, countFigure(figure.cubes).solutions);
  EXPECT_EQ(blocks.value().size(), expected);
}

TEST(SolutionListing, NamesFixedCubesNoPlacementCovers) {
  const struct {
    std::string rows;
    int piece;
  } figures[] = {
      {"111\nxx1\nxx1\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n", 1},   // five cubes marked 1
      {"7xx\nxxx\nxx7\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n", 7},   // the 7s on no one tripod
      {"77x\n7xx\nxxx\n\n7xx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n", 0},   // a tripod
      {"x7x\n777\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n", 7},   // a T, not a tripod
      {"11x\n1xx\nxxx\n\n2xx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n", 0},   // a V with a 2 beside it
      {"12x\n1xx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n", 0},   // covered apart from the 2
      {"1.x\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxx1\nxxx\nxxxx\n", 1},  // two 1s too far apart
      {"xxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n", 0},
  };
  for (const auto& [rows, piece] : figures) {
    const CatalogFigure figure = parseFigText("case 4\n#\n" + rows, "p.fig").value().front();
    EXPECT_EQ(uncoverablePinnedPiece(figure.cubes), piece) << rows;
    const SolutionListing listing = listFigureSolutions({figure}, "p.fig");
    if (piece == 0) {
      EXPECT_TRUE(listing.problems.empty()) << rows;
      continue;
    }
    const std::string digit = std::to_string(piece);
    EXPECT_EQ(listing.problems,
              std::vector<std::string>{"p.fig:1: case 4: no placement of piece " + digit +
                                       " covers all the cubes marked " + digit});
    EXPECT_EQ(listing.figText, "");
  }
}

}  // namespace
}  // namespace vexolite::catalog
