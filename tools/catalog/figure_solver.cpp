// The filling search and the Burnside count. Cells are numbered 0..26 in a sweep order and a
// set of cells is a 32-bit mask; the search always covers the lowest-numbered empty cell, trying
// the placements whose lowest cell it is, which are precomputed per (cell, piece).
// SPDX-License-Identifier: MIT
#include "figure_solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <climits>
#include <functional>
#include <string>
#include <utility>

#include "cube_transforms.h"
#include "piece_shapes.h"

namespace vexolite::catalog {
namespace {

constexpr int kChunkBits = 9;  // a 27-bit mask is mapped as three 9-bit chunks
constexpr int kChunkValues = 1 << kChunkBits;
// Completion counts are remembered for partial fillings with this many pieces left, in a
// direct-mapped table of 2^kMemoBits entries (a clash replaces the older entry).
constexpr int kRememberFewest = 2;
constexpr int kRememberMost = 5;
constexpr int kMemoBits = 14;

// Compact numbers of the cells of a figure, looked up by coordinates. The cells may lie anywhere:
// a figure the solver counts need not fit a record.
class CellIndex {
 public:
  explicit CellIndex(const std::vector<Cell>& sortedCells) {
    for (std::size_t n = 0; n < sortedCells.size(); ++n)
      byCell_.emplace_back(sortedCells[n], static_cast<int>(n));
    std::sort(byCell_.begin(), byCell_.end());
  }
  // -1 for a cell outside the figure.
  int find(const Cell& c) const {
    const auto at = std::lower_bound(byCell_.begin(), byCell_.end(), std::pair{c, -1});
    return at != byCell_.end() && at->first == c ? at->second : -1;
  }

 private:
  std::vector<std::pair<Cell, int>> byCell_;  // sorted by cell
};

// The same numbers in a box around the figure, for the many lookups of placing the pieces: a
// piece's cells lie within two steps of the cell it covers, so the box reaches two cells beyond
// the figure on every side and needs no bounds check. A figure spread too wide for a small box
// has none (holds() false).
class CellGrid {
 public:
  explicit CellGrid(const std::vector<FigureCube>& cubes) {
    int high[3] = {INT_MIN, INT_MIN, INT_MIN};
    low_ = {INT_MAX, INT_MAX, INT_MAX};
    for (const FigureCube& cube : cubes) {
      const int v[3] = {cube.cell.i, cube.cell.j, cube.cell.k};
      for (std::size_t a = 0; a < 3; ++a) {
        low_[a] = std::min(low_[a], v[a] - kMargin);
        high[a] = std::max(high[a], v[a] + kMargin);
      }
    }
    std::int64_t volume = 1;
    for (std::size_t a = 0; a < 3 && !cubes.empty(); ++a) {
      size_[a] = high[a] - low_[a] + 1;
      volume *= std::min<std::int64_t>(size_[a], kLargestVolume + 1);
    }
    if (cubes.empty() || volume > kLargestVolume) return;
    numbers_.assign(static_cast<std::size_t>(volume), -1);
    for (std::size_t n = 0; n < cubes.size(); ++n)
      numbers_[offset(cubes[n].cell)] = static_cast<std::int8_t>(n);
  }
  bool holds() const { return !numbers_.empty(); }
  // Precondition: holds(), and the cell is within two steps of a cell of the figure.
  int find(const Cell& c) const { return numbers_[offset(c)]; }

 private:
  static constexpr int kMargin = 2;
  static constexpr std::int64_t kLargestVolume = 1 << 16;
  std::size_t offset(const Cell& c) const {
    return static_cast<std::size_t>(((c.i - low_[0]) * size_[1] + (c.j - low_[1])) * size_[2] +
                                    (c.k - low_[2]));
  }
  std::array<int, 3> low_{}, size_{};
  std::vector<std::int8_t> numbers_;  // compact number, or -1 outside the figure
};

struct Symmetry {
  int transform = 0;
  bool reflection = false;
  std::vector<int> permutation;  // compact cell -> compact image cell
};

// The symmetries of the sorted cubes (piece constraints included), identity first.
std::vector<Symmetry> findSymmetries(const std::vector<FigureCube>& sorted,
                                     const CellIndex& index) {
  std::vector<Symmetry> group;
  if (sorted.empty()) return group;
  const auto& transforms = cubeTransforms();
  for (int t = 0; t < kCubeTransformCount; ++t) {
    const CubeTransform& transform = transforms[static_cast<std::size_t>(t)];
    std::vector<Cell> images;
    images.reserve(sorted.size());
    int low[3] = {INT_MAX, INT_MAX, INT_MAX}, imageLow[3] = {INT_MAX, INT_MAX, INT_MAX};
    for (const FigureCube& cube : sorted) {
      const Cell image = applyTransform(transform, cube.cell);
      images.push_back(image);
      low[0] = std::min(low[0], cube.cell.i);
      low[1] = std::min(low[1], cube.cell.j);
      low[2] = std::min(low[2], cube.cell.k);
      imageLow[0] = std::min(imageLow[0], image.i);
      imageLow[1] = std::min(imageLow[1], image.j);
      imageLow[2] = std::min(imageLow[2], image.k);
    }
    Symmetry symmetry{t, transform.reflection, {}};
    bool maps = true;
    for (std::size_t n = 0; n < sorted.size() && maps; ++n) {
      const Cell moved{images[n].i - imageLow[0] + low[0], images[n].j - imageLow[1] + low[1],
                       images[n].k - imageLow[2] + low[2]};
      const int target = index.find(moved);
      const int wanted = transform.reflection ? mirroredPiece(sorted[n].piece) : sorted[n].piece;
      maps = target >= 0 && sorted[static_cast<std::size_t>(target)].piece == wanted;
      symmetry.permutation.push_back(target);
    }
    if (maps) group.push_back(std::move(symmetry));
  }
  assert(!group.empty() && group.front().transform == 0);
  return group;
}

// A symmetry as table lookups: the image of a cell mask is the union of three chunk images.
struct MaskImage {
  std::array<std::array<std::uint32_t, kChunkValues>, 3> chunks{};
  bool reflection = false;

  explicit MaskImage(const Symmetry& symmetry) : reflection(symmetry.reflection) {
    for (std::size_t chunk = 0; chunk < 3; ++chunk) {
      auto& table = chunks[chunk];
      table[0] = 0;
      for (unsigned v = 1; v < kChunkValues; ++v) {
        const int bit = std::countr_zero(v);
        const std::size_t cell = chunk * kChunkBits + static_cast<std::size_t>(bit);
        const std::uint32_t image =
            cell < symmetry.permutation.size() ? std::uint32_t{1} << symmetry.permutation[cell] : 0;
        table[v] = table[v & (v - 1)] | image;
      }
    }
  }
  std::uint32_t operator()(std::uint32_t mask) const {
    return chunks[0][mask & (kChunkValues - 1)] |
           chunks[1][(mask >> kChunkBits) & (kChunkValues - 1)] |
           chunks[2][mask >> (2 * kChunkBits)];
  }
};

// The order the search numbers the cells in: the longest axis of the bounding box slowest, the
// shortest fastest, so the search sweeps the figure across its smallest cross-sections and
// closes off dead ends early. Ties keep the order layer, row, cell.
struct SweepOrder {
  std::array<int, 3> axes{0, 1, 2};  // 0 i, 1 j, 2 k; slowest first
  std::array<int, 3> key(const Cell& c) const {
    const int v[3] = {c.i, c.j, c.k};
    return {v[axes[0]], v[axes[1]], v[axes[2]]};
  }
};

SweepOrder sweepOrderOf(const std::vector<FigureCube>& cubes) {
  int low[3] = {INT_MAX, INT_MAX, INT_MAX}, high[3] = {INT_MIN, INT_MIN, INT_MIN};
  for (const FigureCube& cube : cubes) {
    const int v[3] = {cube.cell.i, cube.cell.j, cube.cell.k};
    for (int a = 0; a < 3; ++a) {
      low[a] = std::min(low[a], v[a]);
      high[a] = std::max(high[a], v[a]);
    }
  }
  SweepOrder order;
  std::stable_sort(order.axes.begin(), order.axes.end(),
                   [&](int a, int b) { return high[a] - low[a] > high[b] - low[b]; });
  return order;
}

// Whether completion counts are remembered with these pieces free (bit p: piece p + 1).
constexpr std::array<bool, 1u << kPieceTotal> kRemembered = [] {
  std::array<bool, 1u << kPieceTotal> remembered{};
  for (unsigned free = 0; free < remembered.size(); ++free) {
    const int left = std::popcount(free);
    remembered[free] = left >= kRememberFewest && left <= kRememberMost;
  }
  return remembered;
}();

struct MemoEntry {
  std::uint64_t key = 0;  // filled cells | free pieces << 32 | stamp; 0 for none
  std::uint64_t count = 0;
};

// The remembered completion counts, one table per thread kept from figure to figure: each
// figure's keys carry its own stamp, so a new figure needs no clearing of the table.
struct MemoTable {
  static constexpr int kStampShift = 32 + kPieceTotal;
  std::vector<MemoEntry> entries = std::vector<MemoEntry>(std::size_t{1} << kMemoBits);
  std::uint64_t stamp = 0;

  static MemoTable& forThisFigure() {
    thread_local MemoTable table;
    table.stamp += std::uint64_t{1} << kStampShift;
    if (table.stamp == 0) {  // wrapped round after 2^25 figures: forget them all
      std::fill(table.entries.begin(), table.entries.end(), MemoEntry{});
      table.stamp = std::uint64_t{1} << kStampShift;
    }
    return table;
  }
};

class FillingSearch {
 public:
  FillingSearch(const std::vector<FigureCube>& sorted, const CellIndex& index,
                const std::vector<Symmetry>& group)
      : cellCount_(static_cast<int>(sorted.size())), order_(sweepOrderOf(sorted)) {
    for (std::size_t g = 1; g < group.size(); ++g)
      images_.emplace_back(group[g]);
    full_ = cellCount_ == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << cellCount_) - 1;
    placePieces(sorted, index);
  }

  // A figure without symmetries is searched from the empty figure; every filling is fixed by the
  // identity alone. Otherwise: every symmetry keeps the tripod a tripod, so the tripod's
  // placements fall into orbits of the group, and the fillings with the tripod at one placement
  // of an orbit map one to one onto those with it at any other. The search then places the
  // tripod first, once per orbit, and weighs what it finds by the orbit's size. For Burnside, a
  // filling's stabilizer lies in its tripod placement's stabilizer, and the sum of stabilizer
  // sizes is the same over an orbit.
  void run() {
    constexpr std::size_t kTripod = kPieceTotal - 1;
    if (images_.empty() && visit_) {
      descend(0, (1u << kPieceTotal) - 1);
      return;
    }
    if (images_.empty()) {
      const std::uint64_t completions = countCompletions(0, (1u << kPieceTotal) - 1);
      fillings_ = fixedSum_ = completions;
      return;
    }
    std::vector<std::uint32_t> seen;
    for (std::size_t c = 0; c < static_cast<std::size_t>(cellCount_); ++c) {
      for (std::uint32_t n = start_[c][kTripod]; n < start_[c][kTripod + 1]; ++n) {
        const Placement& tripod = placements_[n];
        if (std::find(seen.begin(), seen.end(), tripod.mask) != seen.end()) continue;
        std::vector<std::uint32_t> orbit{tripod.mask};
        stabilizer_.clear();
        for (const MaskImage& image : images_) {
          const std::uint32_t moved = image(tripod.mask);
          if (moved == tripod.mask) stabilizer_.push_back(&image);
          if (std::find(orbit.begin(), orbit.end(), moved) == orbit.end()) orbit.push_back(moved);
        }
        seen.insert(seen.end(), orbit.begin(), orbit.end());
        weight_ = orbit.size();
        if (leavesPocket(tripod.border, tripod.mask)) continue;
        chosen_[kTripod] = tripod.mask;
        if (stabilizer_.empty() && !visit_) {
          // No symmetry keeps this tripod, so none fixes a filling: each counts once, the
          // identity's, and completions can be counted without looking at them.
          const std::uint64_t completions = countCompletions(tripod.mask, (1u << kTripod) - 1);
          fillings_ += weight_ * completions;
          fixedSum_ += weight_ * completions;
        } else {
          descend(tripod.mask, (1u << kTripod) - 1);
        }
      }
    }
  }

  // Makes run() call visit with the piece masks (piece 1..7 at index 0..6) of every filling it
  // reaches: every filling when the figure has no symmetry, else those with the tripod on one
  // placement of each of its orbits, which meet every orbit of fillings at least once.
  void visitFillings(std::function<void(const std::array<std::uint32_t, kPieceTotal>&)> visit) {
    visit_ = std::move(visit);
  }

  std::uint64_t fillings() const { return fillings_; }
  // The sum over all fillings of the number of symmetries that fix each, the identity included.
  std::uint64_t fixedSum() const { return fixedSum_; }
  // Piece masks of the first filling found, by piece 1..7 at index 0..6.
  const std::array<std::uint32_t, kPieceTotal>& first() const { return first_; }

 private:
  // The cells next to a set of cells and not in it.
  std::uint32_t borderOf(std::uint32_t mask) const {
    std::uint32_t border = 0;
    for (std::uint32_t rest = mask; rest != 0; rest &= rest - 1) {
      border |= neighbours_[static_cast<std::size_t>(std::countr_zero(rest))];
    }
    return border & ~mask;
  }

  void findNeighbours(const std::vector<FigureCube>& sorted, const CellIndex& index) {
    for (int c = 0; c < cellCount_; ++c) {
      const Cell& x = sorted[static_cast<std::size_t>(c)].cell;
      const Cell around[] = {{x.i - 1, x.j, x.k}, {x.i + 1, x.j, x.k}, {x.i, x.j - 1, x.k},
                             {x.i, x.j + 1, x.k}, {x.i, x.j, x.k - 1}, {x.i, x.j, x.k + 1}};
      for (const Cell& n : around) {
        if (const int found = index.find(n); found >= 0) {
          neighbours_[static_cast<std::size_t>(c)] |= std::uint32_t{1} << found;
        }
      }
    }
  }

  // True when placing a piece has closed off a pocket of one or two empty cells beside it: no
  // piece is that small, so no filling follows.
  bool leavesPocket(std::uint32_t border, std::uint32_t filled) const {
    const std::uint32_t empty = ~filled & full_;
    for (std::uint32_t rest = border & empty; rest != 0; rest &= rest - 1) {
      const auto cell = static_cast<std::size_t>(std::countr_zero(rest));
      const std::uint32_t open = neighbours_[cell] & empty;
      if (open == 0) return true;
      if ((open & (open - 1)) == 0 &&
          (neighbours_[static_cast<std::size_t>(std::countr_zero(open))] & empty) ==
              (std::uint32_t{1} << cell)) {
        return true;
      }
    }
    return false;
  }

  void placePieces(const std::vector<FigureCube>& sorted, const CellIndex& index) {
    findNeighbours(sorted, index);
    // Each turned piece as steps from its lowest cell in the sweep order, which goes on the
    // cell being covered.
    std::array<std::vector<std::array<Cell, 4>>, kPieceTotal> steps;
    for (int piece = 1; piece <= kPieceTotal; ++piece) {
      for (const std::vector<Cell>& shape : pieceOrientations(piece)) {
        const Cell anchor = *std::min_element(
            shape.begin(), shape.end(),
            [this](const Cell& a, const Cell& b) { return order_.key(a) < order_.key(b); });
        std::array<Cell, 4> relative{};
        for (std::size_t n = 0; n < shape.size(); ++n)
          relative[n] = Cell{shape[n].i - anchor.i, shape[n].j - anchor.j, shape[n].k - anchor.k};
        steps[static_cast<std::size_t>(piece - 1)].push_back(relative);
      }
    }
    const CellGrid grid(sorted);
    for (int c = 0; c < cellCount_; ++c) {
      const Cell& base = sorted[static_cast<std::size_t>(c)].cell;
      for (int piece = 1; piece <= kPieceTotal; ++piece) {
        start_[static_cast<std::size_t>(c)][static_cast<std::size_t>(piece - 1)] =
            static_cast<std::uint32_t>(placements_.size());
        const auto size = static_cast<std::size_t>(kPieceCubes[static_cast<std::size_t>(piece)]);
        for (const std::array<Cell, 4>& shape : steps[static_cast<std::size_t>(piece - 1)]) {
          std::uint32_t mask = 0;
          bool fits = true;
          for (std::size_t m = 0; m < size && fits; ++m) {
            const Cell& s = shape[m];
            const Cell at{base.i + s.i, base.j + s.j, base.k + s.k};
            const int n = grid.holds() ? grid.find(at) : index.find(at);
            const int fixed = n < 0 ? -1 : sorted[static_cast<std::size_t>(n)].piece;
            fits = fixed == 0 || fixed == piece;
            if (fits) mask |= std::uint32_t{1} << n;
          }
          if (fits) placements_.push_back(Placement{mask, borderOf(mask)});
        }
      }
      start_[static_cast<std::size_t>(c)][kPieceTotal] =
          static_cast<std::uint32_t>(placements_.size());
    }
  }

  // Calls next(cells filled then, pieces left then) for every free piece placed over the lowest
  // empty cell without closing off a pocket; chosen_ holds that piece's cells during the call.
  template <class Next>
  void extend(std::uint32_t filled, unsigned freePieces, Next&& next) {
    const auto cell = static_cast<std::size_t>(std::countr_one(filled));
    const auto& starts = start_[cell];
    for (unsigned rest = freePieces; rest != 0; rest &= rest - 1) {
      const auto p = static_cast<std::size_t>(std::countr_zero(rest));
      const Placement* m = placements_.data() + starts[p];
      const Placement* end = placements_.data() + starts[p + 1];
      for (; m != end; ++m) {
        if ((m->mask & filled) != 0) continue;
        const std::uint32_t now = filled | m->mask;
        if (leavesPocket(m->border, now)) continue;
        chosen_[p] = m->mask;
        next(now, freePieces & ~(1u << p));
      }
    }
  }

  void descend(std::uint32_t filled, unsigned freePieces) {
    if (filled == full_) {
      leaf();
      return;
    }
    extend(filled, freePieces, [this](std::uint32_t now, unsigned left) { descend(now, left); });
  }

  // The number of ways to finish a partial filling. It depends only on the cells filled and the
  // pieces left, so the counts of the middle levels are remembered: different orders of the
  // same pieces often leave the same cells.
  std::uint64_t countCompletions(std::uint32_t filled, unsigned freePieces) {
    if (filled == full_) {
      if (!haveFirst_) {
        first_ = chosen_;
        haveFirst_ = true;
      }
      return 1;
    }
    if (!kRemembered[freePieces]) {
      std::uint64_t total = 0;
      extend(filled, freePieces,
             [&](std::uint32_t now, unsigned rest) { total += countCompletions(now, rest); });
      return total;
    }
    const std::uint64_t key = std::uint64_t{filled} | std::uint64_t{freePieces} << 32 | memo_.stamp;
    MemoEntry& entry =
        memo_.entries[static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - kMemoBits))];
    if (entry.key == key) return entry.count;
    std::uint64_t total = 0;
    extend(filled, freePieces,
           [&](std::uint32_t now, unsigned rest) { total += countCompletions(now, rest); });
    entry = MemoEntry{key, total};
    return total;
  }

  void leaf() {
    if (visit_) visit_(chosen_);
    if (!haveFirst_) {
      first_ = chosen_;
      haveFirst_ = true;
    }
    fillings_ += weight_;
    std::uint64_t fixing = 1;  // the identity
    for (const MaskImage* image : stabilizer_) {
      bool fixed = true;
      for (std::size_t p = 0; p < kPieceTotal && fixed; ++p) {
        // Pieces 5 and 6 sit at indices 4 and 5.
        const std::size_t q = image->reflection && (p == 4 || p == 5) ? 9 - p : p;
        fixed = (*image)(chosen_[p]) == chosen_[q];
      }
      if (fixed) ++fixing;
    }
    fixedSum_ += weight_ * fixing;
  }

  int cellCount_ = 0;
  SweepOrder order_;
  std::uint32_t full_ = 0;
  struct Placement {
    std::uint32_t mask = 0;    // the piece's cells
    std::uint32_t border = 0;  // cells beside them
  };
  std::vector<Placement> placements_;
  std::array<std::uint32_t, 32> neighbours_{};
  std::array<std::array<std::uint32_t, kPieceTotal + 1>, 32> start_{};
  std::vector<MaskImage> images_;
  std::array<std::uint32_t, kPieceTotal> chosen_{};
  std::array<std::uint32_t, kPieceTotal> first_{};
  std::uint64_t fillings_ = 0;
  std::uint64_t fixedSum_ = 0;
  bool haveFirst_ = false;
  MemoTable& memo_ = MemoTable::forThisFigure();
  std::uint64_t weight_ = 1;                  // size of the current tripod orbit
  std::vector<const MaskImage*> stabilizer_;  // symmetries other than the identity keeping it
  std::function<void(const std::array<std::uint32_t, kPieceTotal>&)> visit_;
};

std::vector<FigureCube> sortedCubes(const std::vector<FigureCube>& cubes) {
  std::vector<FigureCube> sorted = cubes;
  const SweepOrder order = sweepOrderOf(cubes);
  std::sort(sorted.begin(), sorted.end(), [&order](const FigureCube& a, const FigureCube& b) {
    return order.key(a.cell) < order.key(b.cell);
  });
  return sorted;
}

// A figure's cubes in the sweep order, their numbers and the figure's symmetries.
struct SweptFigure {
  std::vector<FigureCube> sorted;
  CellIndex index;
  std::vector<Symmetry> group;

  explicit SweptFigure(const std::vector<FigureCube>& cubes)
      : sorted(sortedCubes(cubes)), index(cellsOf(sorted)), group(findSymmetries(sorted, index)) {}
};

// The figure's fillings read as digit strings in text order under each of its symmetries: a
// filling moved by a symmetry has at text position t the piece that sat on source[t], the
// screws exchanged by a reflection.
struct SymmetryReading {
  std::array<std::uint8_t, kFigureCubes> source{};  // compact cells
  bool reflection = false;
};

}  // namespace

std::vector<int> symmetryGroup(const std::vector<FigureCube>& cubes) {
  std::vector<int> group;
  for (const Symmetry& s : SweptFigure(cubes).group)
    group.push_back(s.transform);
  return group;
}

FigureCount countFigure(const std::vector<FigureCube>& cubes) {
  const SweptFigure figure(cubes);
  const auto& [sorted, index, group] = figure;
  FigureCount count;
  count.groupOrder = static_cast<int>(group.size());
  if (cubes.size() != static_cast<std::size_t>(kFigureCubes)) return count;

  FillingSearch search(sorted, index, group);
  search.run();
  count.fillings = search.fillings();
  if (count.fillings == 0) return count;

  // Burnside: the number of orbits is the mean number of fillings a symmetry fixes; the
  // identity fixes them all. A remainder would mean a broken group or a broken image.
  const std::uint64_t fixedSum = search.fixedSum();
  assert(fixedSum % group.size() == 0);
  count.solutions = fixedSum / group.size();

  count.firstFilling = cubes;
  for (FigureCube& cube : count.firstFilling) {
    const int n = index.find(cube.cell);
    for (std::size_t p = 0; p < kPieceTotal; ++p) {
      if ((search.first()[p] >> n) & 1) cube.piece = static_cast<int>(p) + 1;
    }
  }
  return count;
}

FigureSolutions listSolutions(const std::vector<FigureCube>& cubes) {
  const SweptFigure figure(cubes);
  const auto& [sorted, index, group] = figure;
  FigureSolutions result;
  result.groupOrder = static_cast<int>(group.size());
  if (cubes.size() != static_cast<std::size_t>(kFigureCubes)) return result;

  std::vector<Cell> textCells = cellsOf(cubes);
  std::sort(textCells.begin(), textCells.end());
  std::vector<SymmetryReading> readings;
  for (const Symmetry& symmetry : group) {
    std::array<std::uint8_t, kFigureCubes> before{};  // compact cell -> the cell it came from
    for (std::size_t c = 0; c < symmetry.permutation.size(); ++c)
      before[static_cast<std::size_t>(symmetry.permutation[c])] = static_cast<std::uint8_t>(c);
    SymmetryReading reading{{}, symmetry.reflection};
    for (std::size_t t = 0; t < textCells.size(); ++t)
      reading.source[t] = before[static_cast<std::size_t>(index.find(textCells[t]))];
    readings.push_back(reading);
  }

  // Each filling the search reaches gives the smallest reading of its orbit; the orbits met more
  // than once are merged by sorting.
  FillingSearch search(sorted, index, group);
  std::vector<std::string> found;
  search.visitFillings([&](const std::array<std::uint32_t, kPieceTotal>& masks) {
    std::array<char, kFigureCubes> pieceOf{};
    for (std::size_t p = 0; p < kPieceTotal; ++p) {
      for (std::uint32_t rest = masks[p]; rest != 0; rest &= rest - 1)
        pieceOf[static_cast<std::size_t>(std::countr_zero(rest))] = static_cast<char>('1' + p);
    }
    std::string best(kFigureCubes, '9');
    for (const SymmetryReading& reading : readings) {
      auto digit = [&](std::size_t t) {
        const char d = pieceOf[reading.source[t]];
        return reading.reflection && (d == '5' || d == '6') ? static_cast<char>('5' + '6' - d) : d;
      };
      std::size_t t = 0;
      while (t < best.size() && digit(t) == best[t])
        ++t;
      if (t == best.size() || digit(t) > best[t]) continue;
      for (; t < best.size(); ++t)
        best[t] = digit(t);
    }
    found.push_back(std::move(best));
  });
  search.run();
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  result.representatives = std::move(found);
  return result;
}

std::vector<FigureCube> filledCubes(const std::vector<FigureCube>& cubes,
                                    const std::string& digits) {
  std::vector<FigureCube> filled = cubes;
  std::sort(filled.begin(), filled.end());
  assert(digits.size() == filled.size());
  for (std::size_t t = 0; t < filled.size(); ++t)
    filled[t].piece = digits[t] - '0';
  return filled;
}

}  // namespace vexolite::catalog
