// The solution listing's promises over many figures: distinct classes, the count, each block a
// filling read back as one solution, the same text on any number of threads; the pinned-piece
// check. SPDX-License-Identifier: MIT
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
    const std::set<std::string> distinct(found.begin(), found.end());
    EXPECT_EQ(found.size(), countFigure(figure.cubes).solutions);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()) && distinct.size() == found.size());
    const Labeled given = labeled(figure.cubes);
    const std::vector<int> group = symmetries(moved(0, given));
    // Each block checked in full, up to a few hundred of a figure.
    for (std::size_t s = 0; s < std::min<std::size_t>(found.size(), 300); ++s) {
      const std::vector<FigureCube> filled = filledCubes(figure.cubes, found[s]);
      const Labeled cells = labeled(filled);
      ASSERT_EQ(digitsOf(cells), found[s]) << "the digits go in text order";
      for (std::size_t c = 0; c < cells.size(); ++c)
        EXPECT_TRUE(given[c].second == 0 || given[c].second == cells[c].second) << found[s];
      // No symmetry of the figure takes it to another listed block, nor to a smaller string.
      for (int t : group) {
        const std::string image = digitsOf(moved(t, moved(0, cells)));
        EXPECT_TRUE(image == found[s] || (image > found[s] && distinct.count(image) == 0))
            << found[s] << " " << t;
      }
      // Read back as a figure of its own, with every cube fixed, a block has one solution: its
      // pieces are the seven, each once and of its shape.
      EXPECT_EQ(countFigure(filled).solutions, 1u) << found[s];
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
  // The messages and the empty listing of such a figure are the tool's tests' concern.
  for (const auto& [rows, piece] : figures)
    EXPECT_EQ(uncoverablePinnedPiece(parseFigText("case 4\n" + rows, "").value()[0].cubes), piece)
        << rows;
}

}  // namespace
}  // namespace vexolite::catalog
