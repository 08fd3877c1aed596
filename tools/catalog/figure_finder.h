// Finding a figure's shape in a catalogue: the same figure turned or mirrored, and the figures
// one cube away from it.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "catalog_figure.h"

namespace vexolite::catalog {

// How many nearest cases a search names; the rest are only counted.
inline constexpr std::size_t kNearestNamed = 10;

struct FoundShape {
  std::vector<int> turned;    // case values whose figure is the asked one turned, ascending
  std::vector<int> mirrored;  // case values whose figure is its mirror image turned, ascending
  // Case values whose figure, turned or mirrored, is the asked one with one cube moved to another
  // place, other than those above; the first kNearestNamed, ascending.
  std::vector<int> nearest;
  std::size_t nearestTotal = 0;  // all of them
};

// The shapes of a catalogue, indexed once for any number of searches. Only the cells count: the
// pieces and the figure's place in its box are ignored.
class ShapeFinder {
 public:
  // figures: the catalogue's figures, any order. withNearest: also index every figure's shapes
  // less one cube, which nearest searches need.
  ShapeFinder(const std::vector<CatalogFigure>& figures, bool withNearest);
  ~ShapeFinder();
  ShapeFinder(const ShapeFinder&) = delete;
  ShapeFinder& operator=(const ShapeFinder&) = delete;

  // The cases holding the figure of these cells turned or mirrored; the nearest too when
  // withNearest was given (else left empty).
  FoundShape find(const std::vector<Cell>& cells) const;

 private:
  struct Index;
  std::unique_ptr<Index> index_;
};

}  // namespace vexolite::catalog
