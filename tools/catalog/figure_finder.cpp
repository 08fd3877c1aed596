// Shape keys under the cube's 48 transforms and translation, for whole figures and for figures
// less one cube, looked up in hash maps.
// SPDX-License-Identifier: MIT
#include "figure_finder.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "cube_transforms.h"

namespace vexolite::catalog {
namespace {

using Shape = std::vector<Cell>;  // normalized: the lowest coordinate on each axis 0, sorted

struct ShapeHash {
  std::size_t operator()(const Shape& shape) const {
    std::uint64_t hash = 14695981039346656037ull;
    for (const Cell& c : shape) {
      for (const int v : {c.i, c.j, c.k})
        hash = (hash ^ static_cast<std::uint32_t>(v)) * 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
  }
};

using ShapeMap = std::unordered_map<Shape, std::vector<int>, ShapeHash>;

// A figure under one transform: its images sorted, where each original cell went, and per axis
// the lowest coordinate, how many cells have it and the next higher one, so that the lowest
// corner of the figure less any one cube is known at once.
struct Image {
  std::vector<Cell> sorted;
  std::vector<std::size_t> positionOf;  // original cell index -> index in sorted
  std::array<int, 3> low{}, lowCount{}, nextLow{};
  bool reflection = false;

  Image(const CubeTransform& transform, const std::vector<Cell>& cells)
      : reflection(transform.reflection) {
    std::vector<std::pair<Cell, std::size_t>> moved;
    for (std::size_t n = 0; n < cells.size(); ++n)
      moved.emplace_back(applyTransform(transform, cells[n]), n);
    std::sort(moved.begin(), moved.end());
    positionOf.resize(cells.size());
    for (std::size_t n = 0; n < moved.size(); ++n) {
      sorted.push_back(moved[n].first);
      positionOf[moved[n].second] = n;
    }
    low.fill(INT_MAX);
    nextLow.fill(INT_MAX);
    for (const Cell& c : sorted) {
      const std::array<int, 3> v{c.i, c.j, c.k};
      for (std::size_t a = 0; a < 3; ++a) {
        if (v[a] < low[a]) {
          nextLow[a] = low[a];
          low[a] = v[a];
          lowCount[a] = 1;
        } else if (v[a] == low[a]) {
          ++lowCount[a];
        } else {
          nextLow[a] = std::min(nextLow[a], v[a]);
        }
      }
    }
  }
};

constexpr std::size_t kNone = SIZE_MAX;

// The image less the cell at sorted index `skip` (kNone: the whole image), moved to the origin,
// read without copying.
class ShapeView {
 public:
  ShapeView(const Image& image, std::size_t skip) : sorted_(&image.sorted), skip_(skip) {
    std::array<int, 3> low = image.low;
    if (skip != kNone) {
      const Cell& gone = image.sorted[skip];
      const std::array<int, 3> v{gone.i, gone.j, gone.k};
      for (std::size_t a = 0; a < 3; ++a) {
        if (v[a] == low[a] && image.lowCount[a] == 1) low[a] = image.nextLow[a];
      }
    }
    low_ = Cell{low[0], low[1], low[2]};
  }
  std::size_t size() const { return sorted_->size() - (skip_ == kNone ? 0 : 1); }
  Cell at(std::size_t n) const {
    const Cell& c = (*sorted_)[skip_ != kNone && n >= skip_ ? n + 1 : n];
    return Cell{c.i - low_.i, c.j - low_.j, c.k - low_.k};
  }
  bool operator<(const ShapeView& other) const {
    for (std::size_t n = 0; n < size(); ++n) {
      const Cell a = at(n), b = other.at(n);
      if (a != b) return a < b;
    }
    return false;
  }
  Shape shape() const {
    Shape cells;
    cells.reserve(size());
    for (std::size_t n = 0; n < size(); ++n)
      cells.push_back(at(n));
    return cells;
  }

 private:
  const std::vector<Cell>* sorted_;
  std::size_t skip_;
  Cell low_;
};

// The figure under all 48 transforms, and the keys taken from them.
class FigureImages {
 public:
  explicit FigureImages(const std::vector<Cell>& cells) : cellCount_(cells.size()) {
    for (const CubeTransform& t : cubeTransforms())
      images_.emplace_back(t, cells);
  }

  // The smallest shape over the rotations (reflections: false) or the reflections (true): two
  // figures are the same turned exactly when their rotation keys are equal, and one is the
  // other's mirror image turned when its reflection key equals the other's rotation key.
  Shape wholeKey(bool reflections) const {
    std::optional<ShapeView> best;
    for (const Image& image : images_) {
      if (image.reflection != reflections) continue;
      const ShapeView view(image, kNone);
      if (!best || view < *best) best = view;
    }
    return best->shape();
  }

  // The smallest shape of the figure less its cell n over all 48 transforms.
  Shape keyWithout(std::size_t n) const {
    std::optional<ShapeView> best;
    for (const Image& image : images_) {
      const ShapeView view(image, image.positionOf[n]);
      if (!best || view < *best) best = view;
    }
    return best->shape();
  }

  std::size_t cellCount() const { return cellCount_; }

 private:
  std::size_t cellCount_;
  std::vector<Image> images_;
};

void addCase(ShapeMap& map, Shape key, int caseValue) {
  std::vector<int>& cases = map[std::move(key)];
  if (std::find(cases.begin(), cases.end(), caseValue) == cases.end()) cases.push_back(caseValue);
}

std::vector<int> casesOf(const ShapeMap& map, const Shape& key) {
  const auto at = map.find(key);
  if (at == map.end()) return {};
  std::vector<int> cases = at->second;
  std::sort(cases.begin(), cases.end());
  return cases;
}

}  // namespace

struct ShapeFinder::Index {
  ShapeMap turned;       // rotation key -> cases
  ShapeMap lessOneCube;  // key of a figure less one cube -> cases
  bool withNearest = false;
};

ShapeFinder::ShapeFinder(const std::vector<CatalogFigure>& figures, bool withNearest)
    : index_(std::make_unique<Index>()) {
  index_->withNearest = withNearest;
  for (const CatalogFigure& figure : figures) {
    if (figure.cubes.empty()) continue;
    const FigureImages images(cellsOf(figure.cubes));
    addCase(index_->turned, images.wholeKey(false), figure.caseValue);
    if (!withNearest || images.cellCount() < 2) continue;
    for (std::size_t n = 0; n < images.cellCount(); ++n)
      addCase(index_->lessOneCube, images.keyWithout(n), figure.caseValue);
  }
}

ShapeFinder::~ShapeFinder() = default;

FoundShape ShapeFinder::find(const std::vector<Cell>& cells) const {
  FoundShape found;
  if (cells.empty()) return found;
  const FigureImages images(cells);
  found.turned = casesOf(index_->turned, images.wholeKey(false));
  found.mirrored = casesOf(index_->turned, images.wholeKey(true));
  if (!index_->withNearest || cells.size() < 2) return found;
  std::vector<int> near;
  for (std::size_t n = 0; n < cells.size(); ++n) {
    for (const int caseValue : casesOf(index_->lessOneCube, images.keyWithout(n))) {
      // The same figure again (its moved cube put back in place) is no variant of it.
      const auto isExact = [&](const std::vector<int>& exact) {
        return std::binary_search(exact.begin(), exact.end(), caseValue);
      };
      if (!isExact(found.turned) && !isExact(found.mirrored)) near.push_back(caseValue);
    }
  }
  std::sort(near.begin(), near.end());
  near.erase(std::unique(near.begin(), near.end()), near.end());
  found.nearestTotal = near.size();
  near.resize(std::min(near.size(), kNearestNamed));
  found.nearest = std::move(near);
  return found;
}

}  // namespace vexolite::catalog
