// Finding shapes: every catalogue figure turned and mirrored by the 48 transforms is found as its
// own case, and a figure with one cube moved names the cases a brute-force comparison over all
// transforms and offsets finds.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
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

// The oracle's image of the figure's cells under transform t, put anywhere by the offset.
std::vector<Cell> placed(const std::vector<FigureCube>& cubes, int t, const Vec& offset) {
  std::vector<FigureCube> free = cubes;
  for (FigureCube& cube : free)
    cube.piece = 0;
  std::vector<Cell> cells;
  for (const auto& [v, piece] : moved(t, labeled(free)))
    cells.push_back(Cell{v[0] + offset[0], v[1] + offset[1], v[2] + offset[2]});
  std::shuffle(cells.begin(), cells.end(), std::mt19937(static_cast<unsigned>(t)));
  return cells;
}

bool isChiral(const std::vector<FigureCube>& cubes) {
  const Labeled shape = moved(0, labeled(cubes));
  for (int t = 0; t < 48; ++t)
    if (isReflection(t) && moved(t, shape) == shape) return false;
  return true;
}

TEST(ShapeFinder, FindsEveryCatalogueFigureTurnedAsItsCaseAndMirroredAsItsMirrorCase) {
  const std::vector<CatalogFigure>& figures = shippedFigures();
  const ShapeFinder finder(figures, false);
  std::set<int> cases;
  for (const CatalogFigure& f : figures)
    cases.insert(f.caseValue);
  std::mt19937 random(22);
  for (std::size_t n = 0; n < figures.size(); ++n) {
    const CatalogFigure& figure = figures[n];
    // Case N.1 is the mirror image of the chiral case N; no two other cases are the same shape.
    const int base = figure.caseValue / 10 * 10;
    const int other = figure.caseValue == base ? base + 1 : base;
    const std::vector<int> self{figure.caseValue};
    const std::vector<int> mirror =
        cases.count(other) != 0 ? std::vector<int>{other} : std::vector<int>{};
    const bool chiral = isChiral(figure.cubes);
    // Every transform for some figures, one for the rest.
    const int first = n % 97 == 0 ? 0 : static_cast<int>(n % 48);
    const int last = n % 97 == 0 ? 47 : first;
    for (int t = first; t <= last; ++t) {
      const Vec offset{int(random() % 9) - 4, int(random() % 9) - 4, int(random() % 9) - 4};
      const FoundShape found = finder.find(placed(figure.cubes, t, offset));
      SCOPED_TRACE("case " + caseName(figure.caseValue) + ", transform " + std::to_string(t));
      if (!chiral) {
        EXPECT_TRUE(found.turned == self && found.mirrored == self);
      } else if (isReflection(t)) {
        EXPECT_TRUE(found.turned == mirror && found.mirrored == self);
      } else {
        EXPECT_TRUE(found.turned == self && found.mirrored == mirror);
      }
      EXPECT_TRUE(found.nearest.empty() && found.nearestTotal == 0) << "not asked for";
    }
  }
}

// The cases with a figure that, under one of the 48 transforms and at some offset, shares 26 of
// its 27 cells with the asked one, less those sharing all 27: a plain comparison of each
// transform at every offset that makes the boxes overlap.
std::vector<int> nearestByBruteForce(const std::vector<Cell>& asked,
                                     const std::vector<CatalogFigure>& catalogue) {
  std::vector<FigureCube> askedCubes;
  for (const Cell& c : asked)
    askedCubes.push_back(FigureCube{c, 0});
  const Labeled a = moved(0, labeled(askedCubes));
  Vec low{0, 0, 0}, high{0, 0, 0};
  for (const auto& [v, piece] : a) {
    for (int x = 0; x < 3; ++x) {
      low[x] = std::min(low[x], v[x]);
      high[x] = std::max(high[x], v[x]);
    }
  }
  const Vec size{high[0] - low[0] + 1, high[1] - low[1] + 1, high[2] - low[2] + 1};
  std::vector<char> occupied(static_cast<std::size_t>(size[0] * size[1] * size[2]), 0);
  auto at = [&](const Vec& v) -> char {
    for (int x = 0; x < 3; ++x)
      if (v[x] < low[x] || v[x] > high[x]) return 0;
    return occupied[static_cast<std::size_t>(
        ((v[0] - low[0]) * size[1] + (v[1] - low[1])) * size[2] + (v[2] - low[2]))];
  };
  for (const auto& [v, piece] : a)
    occupied[static_cast<std::size_t>(((v[0] - low[0]) * size[1] + (v[1] - low[1])) * size[2] +
                                      (v[2] - low[2]))] = 1;
  std::vector<int> near;
  for (const CatalogFigure& figure : catalogue) {
    bool exact = false, oneMoved = false;
    for (int t = 0; t < 48 && !exact; ++t) {
      const Labeled c = moved(t, labeled(figure.cubes));
      Vec cLow{0, 0, 0}, cHigh{0, 0, 0};
      for (const auto& [v, piece] : c) {
        for (int x = 0; x < 3; ++x) {
          cLow[x] = std::min(cLow[x], v[x]);
          cHigh[x] = std::max(cHigh[x], v[x]);
        }
      }
      for (int o0 = low[0] - cHigh[0]; o0 <= high[0] - cLow[0]; ++o0) {
        for (int o1 = low[1] - cHigh[1]; o1 <= high[1] - cLow[1]; ++o1) {
          for (int o2 = low[2] - cHigh[2]; o2 <= high[2] - cLow[2]; ++o2) {
            int misses = 0;
            for (std::size_t n = 0; n < c.size() && misses < 2; ++n) {
              const Vec& v = c[n].first;
              misses += at(Vec{v[0] + o0, v[1] + o1, v[2] + o2}) ? 0 : 1;
            }
            exact = exact || misses == 0;
            oneMoved = oneMoved || misses == 1;
          }
        }
      }
    }
    if (oneMoved && !exact) near.push_back(figure.caseValue);
  }
  std::sort(near.begin(), near.end());
  return near;
}

TEST(ShapeFinder, NamesTheCasesOneCubeAwayAsABruteForceComparisonDoes) {
  std::vector<CatalogFigure> catalogue;
  for (std::size_t n = 0; n < shippedFigures().size(); n += 3)
    catalogue.push_back(shippedFigures()[n]);
  const ShapeFinder finder(catalogue, true);
  std::mt19937 random(5);
  for (std::size_t n = 0; n < 2 * catalogue.size(); n += 41) {
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

    const std::vector<int> expected = nearestByBruteForce(asked, catalogue);
    const FoundShape found = finder.find(asked);
    EXPECT_EQ(found.nearestTotal, expected.size());
    EXPECT_EQ(found.nearest,
              std::vector<int>(expected.begin(),
                               expected.begin() + static_cast<std::ptrdiff_t>(
                                                      std::min<std::size_t>(expected.size(), 10))));
    // Unless the move happened to give another catalogue shape, the source is among them.
    if (n % 2 == 1 && found.turned.empty() && found.mirrored.empty()) {
      EXPECT_TRUE(std::binary_search(expected.begin(), expected.end(), source.caseValue));
    }
  }
}

}  // namespace
}  // namespace vexolite::catalog
