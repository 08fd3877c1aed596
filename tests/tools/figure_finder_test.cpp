// Finding shapes: every catalogue figure turned and mirrored by the 48 transforms is found as its
// own case, and a figure with one cube moved names the cases a brute-force comparison over all
// transforms and offsets finds.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <random>
#include <set>

#include "brute_force_oracle.h"
#include "fig_text.h"
#include "figure_finder.h"

namespace vexolite::catalog {
namespace {

using namespace oracle;

const std::vector<CatalogFigure>& shippedFigures() {
  static const std::vector<CatalogFigure> figures =
      readFigFile(VEXOLITE_DATA_FOLDER "/figures.fig").value();
  return figures;
}

// The figure's cells alone, as the oracle moves them by transform t.
Labeled shapeOf(const std::vector<FigureCube>& cubes, int t) {
  Labeled cells = labeled(cubes);
  for (auto& cell : cells)
    cell.second = 0;
  return moved(t, cells);
}

// The shape under transform t, put anywhere by the offset, its cells in no particular order.
std::vector<Cell> placed(const std::vector<FigureCube>& cubes, int t, const Vec& offset) {
  std::vector<Cell> cells;
  for (const auto& [v, piece] : shapeOf(cubes, t))
    cells.push_back(Cell{v[0] + offset[0], v[1] + offset[1], v[2] + offset[2]});
  std::shuffle(cells.begin(), cells.end(), std::mt19937(static_cast<unsigned>(t)));
  return cells;
}

TEST(ShapeFinder, FindsEveryCatalogueFigureTurnedAsItsCaseAndMirroredAsItsMirrorCase) {
  const std::vector<CatalogFigure>& figures = shippedFigures();
  const ShapeFinder finder(figures, false);
  std::set<int> cases;
  for (const CatalogFigure& f : figures)
    cases.insert(f.caseValue);
  std::mt19937 random(22);
  for (std::size_t n = 0; n < figures.size(); ++n) {
    // Case N.1 is the mirror image of the chiral case N; no two other cases are the same shape.
    const int value = figures[n].caseValue, other = value % 10 == 0 ? value + 1 : value / 10 * 10;
    const std::vector<int> self{value}, mirror(cases.count(other), other);
    const std::vector<int> group = symmetries(shapeOf(figures[n].cubes, 0));
    const bool chiral = std::none_of(group.begin(), group.end(), isReflection);
    // Every transform for some figures, one for the rest.
    const int first = n % 97 == 0 ? 0 : static_cast<int>(n % 48), last = n % 97 == 0 ? 47 : first;
    for (int t = first; t <= last; ++t) {
      const Vec offset{int(random() % 9) - 4, int(random() % 9) - 4, int(random() % 9) - 4};
      const FoundShape found = finder.find(placed(figures[n].cubes, t, offset));
      SCOPED_TRACE("case " + caseName(value) + ", transform " + std::to_string(t));
      const bool flipped = chiral && isReflection(t);
      EXPECT_EQ(found.turned, flipped ? mirror : self);
      EXPECT_EQ(found.mirrored, chiral && !flipped ? mirror : self);
      EXPECT_TRUE(found.nearest.empty() && found.nearestTotal == 0) << "not asked for";
    }
  }
}

// Every catalogue figure under each of the 48 transforms, as the oracle moves it.
using Images = std::vector<std::array<Labeled, 48>>;

Images imagesOf(const std::vector<CatalogFigure>& catalogue) {
  Images images(catalogue.size());
  for (std::size_t n = 0; n < catalogue.size(); ++n)
    for (int t = 0; t < 48; ++t)
      images[n][static_cast<std::size_t>(t)] = shapeOf(catalogue[n].cubes, t);
  return images;
}

// The cases with a figure that, under one of the 48 transforms and some offset, shares 26 of its
// 27 cells with the asked one, less those sharing all 27: a plain comparison of each transform
// at every offset that can share 26 cells. Such an offset puts the image's first or second cell
// on a cell of the asked figure, as at most one of its cells misses.
std::vector<int> nearestByBruteForce(const std::vector<Cell>& asked,
                                     const std::vector<CatalogFigure>& catalogue,
                                     const Images& images) {
  // The asked cells as flags in a box with a border wider than any catalogue figure, so that
  // every cell of an image put there lies inside: a cell's place in the box is then the sum of
  // its coordinates' and the offset's.
  constexpr int kBorder = 28;
  int low[3] = {INT_MAX, INT_MAX, INT_MAX}, high[3] = {INT_MIN, INT_MIN, INT_MIN};
  for (const Cell& c : asked) {
    const int v[3] = {c.i, c.j, c.k};
    for (int a = 0; a < 3; ++a) {
      low[a] = std::min(low[a], v[a] - kBorder);
      high[a] = std::max(high[a], v[a] + kBorder);
    }
  }
  const int rowLength = high[2] - low[2] + 1, layerSize = (high[1] - low[1] + 1) * rowLength;
  auto place = [&](int i, int j, int k) { return i * layerSize + j * rowLength + k; };
  const int origin = place(low[0], low[1], low[2]);
  std::vector<char> flags(static_cast<std::size_t>((high[0] - low[0] + 1) * layerSize), 0);
  std::vector<int> targets;
  for (const Cell& c : asked) {
    targets.push_back(place(c.i, c.j, c.k) - origin);
    flags[static_cast<std::size_t>(targets.back())] = 1;
  }
  std::vector<int> near, image;
  for (std::size_t f = 0; f < catalogue.size(); ++f) {
    bool exact = false, oneMoved = false;
    for (const Labeled& cells : images[f]) {
      image.clear();
      for (const auto& [v, piece] : cells)
        image.push_back(place(v[0], v[1], v[2]));
      for (const int target : targets) {
        for (std::size_t first = 0; first < 2; ++first) {
          const int offset = target - image[first];
          int misses = 0;
          for (std::size_t n = 0; n < image.size() && misses < 2; ++n)
            misses += flags[static_cast<std::size_t>(offset + image[n])] ? 0 : 1;
          exact = exact || misses == 0;
          oneMoved = oneMoved || misses == 1;
        }
      }
    }
    if (oneMoved && !exact) near.push_back(catalogue[f].caseValue);
  }
  std::sort(near.begin(), near.end());
  return near;
}

TEST(ShapeFinder, NamesTheCasesOneCubeAwayAsABruteForceComparisonDoes) {
  std::vector<CatalogFigure> catalogue;
  for (std::size_t n = 0; n < shippedFigures().size(); n += 5)
    catalogue.push_back(shippedFigures()[n]);
  const ShapeFinder finder(catalogue, true);
  const Images images = imagesOf(catalogue);
  std::mt19937 random(5);
  for (std::size_t n = 0; n < 2 * catalogue.size(); n += 23) {
    // Even steps ask a catalogue figure as it is, odd ones with one cube moved to a free cell
    // beside the figure or inside its box.
    const CatalogFigure& source = catalogue[n / 2];
    SCOPED_TRACE("case " + caseName(source.caseValue) + (n % 2 == 0 ? "" : ", one cube moved"));
    std::vector<Cell> cells = cellsOf(source.cubes);
    if (n % 2 == 1) {
      const std::size_t gone = random() % cells.size();
      Cell to;
      do {
        const Cell& from = cells[random() % cells.size()];
        to = Cell{from.i + int(random() % 3) - 1, from.j + int(random() % 3) - 1,
                  from.k + int(random() % 3) - 1};
      } while (std::find(cells.begin(), cells.end(), to) != cells.end());
      cells[gone] = to;
    }
    std::vector<FigureCube> cubes;
    for (const Cell& c : cells)
      cubes.push_back(FigureCube{c, 0});
    const std::vector<Cell> asked = placed(cubes, static_cast<int>(random() % 48), {3, -2, 1});

    std::vector<int> expected = nearestByBruteForce(asked, catalogue, images);
    const FoundShape found = finder.find(asked);
    // Unless the move happened to give another catalogue shape, the source is among them.
    if (n % 2 == 1 && found.turned.empty() && found.mirrored.empty()) {
      EXPECT_TRUE(std::binary_search(expected.begin(), expected.end(), source.caseValue));
    }
    EXPECT_EQ(found.nearestTotal, expected.size());
    expected.resize(std::min<std::size_t>(expected.size(), 10));  // the first ten are named
    EXPECT_EQ(found.nearest, expected);
  }
}

}  // namespace
}  // namespace vexolite::catalog
