// Three kinds of seeded assembly, filtered by a count and by canonical form. "stack" and "box"
// place the seven pieces one by one against the figure so far (always fillable); "mirror" grows
// a cell set that is symmetric by construction and keeps it only if the pieces fill it.
// SPDX-License-Identifier: MIT
#include "figure_generator.h"

#include <algorithm>
#include <array>
#include <climits>
#include <set>

#include "cube_transforms.h"
#include "fig_text.h"
#include "figure_record.h"
#include "piece_shapes.h"
#include "seeded_random.h"

namespace vexolite::catalog {
namespace {

// Solution-count bands on a rough logarithmic scale, and the share of the figures each gets.
constexpr std::array<std::uint64_t, 9> kBandTop{1, 3, 9, 31, 99, 315, 999, 3161, 32767};
constexpr std::array<int, 9> kBandShare{8, 11, 13, 14, 14, 13, 11, 9, 7};  // per cent
constexpr int kBatch = 64;  // candidates counted together on every core

std::size_t bandOf(std::uint64_t solutions) {
  std::size_t band = 0;
  while (band + 1 < kBandTop.size() && solutions > kBandTop[band])
    ++band;
  return band;
}

// A working space for assembling: cells are kept within 0..kSpace-1 on each axis.
constexpr int kSpace = 48;
constexpr int kMiddle = kSpace / 2;

class Occupancy {
 public:
  Occupancy() : cells_(kSpace * kSpace * kSpace, 0) {}
  bool has(const Cell& c) const {
    if (c.i < 0 || c.j < 0 || c.k < 0 || c.i >= kSpace || c.j >= kSpace || c.k >= kSpace) {
      return false;
    }
    return cells_[slot(c)] != 0;
  }
  static bool inside(const Cell& c) {
    return c.i >= 1 && c.j >= 1 && c.k >= 1 && c.i < kSpace - 1 && c.j < kSpace - 1 &&
           c.k < kSpace - 1;
  }
  void add(const Cell& c) {
    cells_[slot(c)] = 1;
    list_.push_back(c);
  }
  const std::vector<Cell>& list() const { return list_; }

 private:
  static std::size_t slot(const Cell& c) {
    return static_cast<std::size_t>((c.i * kSpace + c.j) * kSpace + c.k);
  }
  std::vector<std::uint8_t> cells_;
  std::vector<Cell> list_;
};

std::array<Cell, 6> neighbours(const Cell& c) {
  return {Cell{c.i - 1, c.j, c.k}, Cell{c.i + 1, c.j, c.k}, Cell{c.i, c.j - 1, c.k},
          Cell{c.i, c.j + 1, c.k}, Cell{c.i, c.j, c.k - 1}, Cell{c.i, c.j, c.k + 1}};
}

struct BoxSize {
  int a = 0, b = 0, c = 0;  // sorted, smallest first
};

BoxSize boxOf(const std::vector<Cell>& cells) {
  int low[3] = {INT_MAX, INT_MAX, INT_MAX}, high[3] = {INT_MIN, INT_MIN, INT_MIN};
  for (const Cell& c : cells) {
    const int v[3] = {c.i, c.j, c.k};
    for (int n = 0; n < 3; ++n) {
      low[n] = std::min(low[n], v[n]);
      high[n] = std::max(high[n], v[n]);
    }
  }
  std::array<int, 3> size{high[0] - low[0] + 1, high[1] - low[1] + 1, high[2] - low[2] + 1};
  std::sort(size.begin(), size.end());
  return BoxSize{size[0], size[1], size[2]};
}

struct Candidate {
  int contacts = 0;
  int volume = 0;
  std::vector<Cell> cells;  // sorted
};

// Places the seven pieces in a shuffled order, each touching the figure so far. Each step ranks
// the free placements by faces shared (more first), then bounding-box volume (less first), and
// takes one of the best `width`. A non-zero `box` keeps the figure within that box size.
std::vector<Cell> assemble(SeededRandom& random, std::uint32_t width, const BoxSize* box) {
  std::vector<int> order{1, 2, 3, 4, 5, 6, 7};
  random.shuffle(order);
  Occupancy occupied;
  for (int piece : order) {
    const auto& shapes = pieceOrientations(piece);
    std::vector<Candidate> candidates;
    if (occupied.list().empty()) {
      const auto& shape = shapes[random.below(static_cast<std::uint32_t>(shapes.size()))];
      for (const Cell& s : shape)
        occupied.add(Cell{s.i + kMiddle, s.j + kMiddle, s.k + kMiddle});
      continue;
    }
    std::set<std::vector<Cell>> seen;
    for (const Cell& at : occupied.list()) {
      for (const Cell& free : neighbours(at)) {
        if (occupied.has(free)) continue;
        for (const auto& shape : shapes) {
          for (const Cell& s : shape) {
            Candidate candidate;
            bool fits = true;
            for (const Cell& t : shape) {
              const Cell c{free.i + t.i - s.i, free.j + t.j - s.j, free.k + t.k - s.k};
              if (occupied.has(c) || !Occupancy::inside(c)) {
                fits = false;
                break;
              }
              candidate.cells.push_back(c);
            }
            if (!fits) continue;
            std::sort(candidate.cells.begin(), candidate.cells.end());
            if (!seen.insert(candidate.cells).second) continue;
            for (const Cell& c : candidate.cells) {
              for (const Cell& n : neighbours(c))
                candidate.contacts += occupied.has(n) ? 1 : 0;
            }
            std::vector<Cell> all = occupied.list();
            all.insert(all.end(), candidate.cells.begin(), candidate.cells.end());
            const BoxSize size = boxOf(all);
            if (box != nullptr && (size.a > box->a || size.b > box->b || size.c > box->c)) {
              continue;
            }
            candidate.volume = size.a * size.b * size.c;
            candidates.push_back(std::move(candidate));
          }
        }
      }
    }
    if (candidates.empty()) return {};
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& x, const Candidate& y) {
      if (x.contacts != y.contacts) return x.contacts > y.contacts;
      if (x.volume != y.volume) return x.volume < y.volume;
      return x.cells < y.cells;
    });
    const auto pool = std::min<std::size_t>(width, candidates.size());
    const Candidate& chosen = candidates[random.below(static_cast<std::uint32_t>(pool))];
    for (const Cell& c : chosen.cells)
      occupied.add(c);
  }
  return occupied.list();
}

// Grows a face-connected set of exactly 27 cells within a side x side x side box that is its own
// image under the given symmetries of the box (each a transform index), adding whole orbits.
std::vector<Cell> growSymmetric(SeededRandom& random, int side, const std::vector<int>& group) {
  const auto& transforms = cubeTransforms();
  auto orbit = [&](const Cell& c) {
    std::set<Cell> cells;
    for (int t : group) {
      const Cell m = applyTransform(transforms[static_cast<std::size_t>(t)], c);
      // The box 1..side is mapped onto itself: a negated coordinate comes back as side + 1 - v.
      auto back = [side](int v) { return v < 0 ? side + 1 + v : v; };
      cells.insert(Cell{back(m.i), back(m.j), back(m.k)});
    }
    return cells;
  };
  std::set<Cell> figure;
  const int middle = (side + 1) / 2;
  for (const Cell& c : orbit(Cell{1 + static_cast<int>(random.below(2)), middle, middle})) {
    figure.insert(c);
  }
  for (int attempt = 0; attempt < 400 && figure.size() < 27; ++attempt) {
    std::vector<Cell> frontier;
    for (const Cell& c : figure) {
      for (const Cell& n : neighbours(c)) {
        if (n.i < 1 || n.j < 1 || n.k < 1 || n.i > side || n.j > side || n.k > side) continue;
        if (figure.count(n) == 0) frontier.push_back(n);
      }
    }
    std::sort(frontier.begin(), frontier.end());
    frontier.erase(std::unique(frontier.begin(), frontier.end()), frontier.end());
    if (frontier.empty()) break;
    const std::set<Cell> add =
        orbit(frontier[random.below(static_cast<std::uint32_t>(frontier.size()))]);
    if (figure.size() + add.size() <= 27) figure.insert(add.begin(), add.end());
  }
  if (figure.size() != 27) return {};
  std::vector<Cell> cells(figure.begin(), figure.end());
  return isFaceConnected(cells) ? cells : std::vector<Cell>{};
}

// The transform index of a signed permutation given as (axis, sign) triples.
int transformIndex(std::array<int, 3> axis, std::array<int, 3> sign) {
  const auto& transforms = cubeTransforms();
  for (int t = 0; t < kCubeTransformCount; ++t) {
    const CubeTransform& x = transforms[static_cast<std::size_t>(t)];
    if (x.axis == axis && x.sign == sign) return t;
  }
  return 0;
}

// Symmetry groups for the grown figures: mirrors across rows and cells, both, a half turn and a
// quarter turn about the vertical, and a centre of inversion.
std::vector<std::vector<int>> symmetricGroups() {
  const int id = transformIndex({0, 1, 2}, {1, 1, 1});
  const int mirrorK = transformIndex({0, 1, 2}, {1, 1, -1});
  const int mirrorJ = transformIndex({0, 1, 2}, {1, -1, 1});
  const int halfTurn = transformIndex({0, 1, 2}, {1, -1, -1});
  const int quarter = transformIndex({0, 2, 1}, {1, 1, -1});
  const int quarterBack = transformIndex({0, 2, 1}, {1, -1, 1});
  const int diagonal = transformIndex({0, 2, 1}, {1, 1, 1});
  const int inversion = transformIndex({0, 1, 2}, {-1, -1, -1});
  return {{id, mirrorK},  {id, mirrorJ, mirrorK, halfTurn},
          {id, halfTurn}, {id, quarter, halfTurn, quarterBack},
          {id, diagonal}, {id, inversion},
          {id, mirrorK}};
}

struct Proposal {
  std::vector<Cell> cells;
  std::string kind;
};

Proposal propose(SeededRandom& random, std::uint64_t serial) {
  static const std::vector<std::vector<int>> groups = symmetricGroups();
  switch (serial % 5) {
    case 0:
    case 1: {
      const std::uint32_t widths[] = {1, 2, 4, 8, 16, 48};
      const std::uint32_t width = widths[random.below(6)];
      return {assemble(random, width, nullptr), "stack " + std::to_string(width)};
    }
    case 2:
    case 3: {
      const BoxSize boxes[] = {{3, 3, 4}, {2, 4, 4}, {3, 3, 5}, {2, 3, 6},
                               {3, 4, 4}, {2, 4, 5}, {2, 3, 5}, {3, 3, 3}};
      const BoxSize& box = boxes[random.below(8)];
      const std::uint32_t width = 1 + random.below(12);
      return {assemble(random, width, &box), "box " + std::to_string(box.a) + "x" +
                                                 std::to_string(box.b) + "x" +
                                                 std::to_string(box.c)};
    }
    default: {
      const int side = 3 + static_cast<int>(random.below(3));
      const auto& group = groups[random.below(static_cast<std::uint32_t>(groups.size()))];
      return {growSymmetric(random, side, group), "grown symmetric"};
    }
  }
}

std::vector<FigureCube> freeCubes(const std::vector<Cell>& cells) {
  std::vector<FigureCube> cubes;
  for (const Cell& c : normalizedCells(cells))
    cubes.push_back(FigureCube{c, 0});
  return cubes;
}

bool fitsRecord(const std::vector<FigureCube>& cubes) {
  const Extent e = extentOf(cubes);
  if (e.layers > kLargestExtent || e.rows > kLargestExtent || e.columns > kLargestExtent) {
    return false;
  }
  std::vector<FigureCube> filled = cubes;
  for (FigureCube& c : filled)
    c.piece = 1;
  return figureRecordDigits(filled).ok();
}

}  // namespace

std::vector<GeneratedFigure> generateFigures(const GeneratorSettings& settings,
                                             const std::vector<CatalogFigure>& avoided,
                                             const CountProgress& progress) {
  SeededRandom random(settings.seed);
  std::set<std::vector<Cell>> taken;
  for (const CatalogFigure& f : avoided)
    taken.insert(canonicalForm(cellsOf(f.cubes)));

  std::array<int, kBandTop.size()> quota{};
  for (std::size_t b = 0; b < quota.size(); ++b) {
    quota[b] = (settings.count * kBandShare[b] + 99) / 100;
  }
  std::vector<GeneratedFigure> made;
  int madeMain = 0, chiralSeen = 0;
  std::uint64_t serial = 0;
  // After this many proposals, any band takes a figure, so the run always ends.
  const std::uint64_t patience = 400ull * static_cast<std::uint64_t>(settings.count) + 1000;
  while (madeMain < settings.count) {
    std::vector<Proposal> batch;
    std::vector<std::vector<FigureCube>> shapes;
    while (batch.size() < static_cast<std::size_t>(kBatch)) {
      Proposal p = propose(random, serial++);
      if (p.cells.size() != 27) continue;
      const std::vector<FigureCube> cubes = freeCubes(p.cells);
      if (!fitsRecord(cubes)) continue;
      shapes.push_back(cubes);
      batch.push_back(std::move(p));
    }
    const std::vector<FigureCount> counts = countFigures(shapes);
    for (std::size_t n = 0; n < batch.size() && madeMain < settings.count; ++n) {
      const std::uint64_t solutions = counts[n].solutions;
      if (solutions == 0 || solutions > 32767) continue;
      const std::size_t band = bandOf(solutions);
      if (quota[band] <= 0 && serial < patience) continue;
      std::vector<Cell> canonical = canonicalForm(cellsOf(shapes[n]));
      if (!taken.insert(std::move(canonical)).second) continue;
      --quota[band];
      const int caseNumber = settings.firstCase + madeMain++;
      made.push_back(GeneratedFigure{CatalogFigure{caseNumber * 10, 0, shapes[n]}, solutions,
                                     counts[n].groupOrder, batch[n].kind});
      if (progress)
        progress(static_cast<std::size_t>(madeMain), static_cast<std::size_t>(settings.count));
      if (settings.mirrorEvery > 0 && isChiral(cellsOf(shapes[n])) &&
          ++chiralSeen % settings.mirrorEvery == 0) {
        made.push_back(GeneratedFigure{
            CatalogFigure{caseNumber * 10 + 1, 0, mirroredFigure(shapes[n])}, solutions,
            counts[n].groupOrder, "mirror of case " + std::to_string(caseNumber)});
      }
    }
  }
  return made;
}

std::string generatedFigText(const GeneratorSettings& settings,
                             const std::vector<CatalogFigure>& avoided,
                             const CountProgress& progress) {
  std::string text;
  for (const GeneratedFigure& g : generateFigures(settings, avoided, progress)) {
    text += figText(g.figure, {g.kind + ", " + std::to_string(g.solutions) +
                               (g.solutions == 1 ? " solution" : " solutions") +
                               ", symmetry group of order " + std::to_string(g.groupOrder)});
    text += "\n";
  }
  return text;
}

}  // namespace vexolite::catalog
