// Random figures for the geometry tests: scattered cubes, dense grids and shapes in small boxes.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <set>

#include "case_library/figure.h"

namespace vexolite::testing {

inline constexpr std::array<int, 3> kCubeSides = {4, 8, 16};

inline int pick(std::mt19937& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

inline bool insideCube(int i, int j, int k, int cubeSide) {
  return i >= 1 && i <= cubeSide && j >= 1 && j <= cubeSide && k >= 1 && k <= cubeSide;
}

// Every cell with an index of 0 or above cubeSide gets a distinct marker above 27, so a test
// can see whether anything outside the drawing cube moved.
inline void markOutside(CellGrid& grid, int cubeSide) {
  for (int i = 0; i <= kGridBound; ++i) {
    for (int j = 0; j <= kGridBound; ++j) {
      for (int k = 0; k <= kGridBound; ++k) {
        if (!insideCube(i, j, k, cubeSide)) {
          grid(i, j, k) = static_cast<std::int16_t>(100 + (i * 17 + j) * 17 + k);
        }
      }
    }
  }
}

// 27 cubes numbered 1..27 in distinct random cells of the drawing cube, markers outside it.
inline CellGrid scatteredCubes(std::mt19937& rng, int cubeSide) {
  CellGrid grid;
  markOutside(grid, cubeSide);
  for (int cube = 1; cube <= kMaxCubes;) {
    const int i = pick(rng, 1, cubeSide), j = pick(rng, 1, cubeSide), k = pick(rng, 1, cubeSide);
    if (grid(i, j, k) != 0) continue;
    grid(i, j, k) = static_cast<std::int16_t>(cube++);
  }
  return grid;
}

// Every cell of the drawing cube holds a different value, so any misplaced cell shows.
inline CellGrid distinctCells(int cubeSide) {
  CellGrid grid;
  markOutside(grid, cubeSide);
  for (int i = 1; i <= cubeSide; ++i) {
    for (int j = 1; j <= cubeSide; ++j) {
      for (int k = 1; k <= cubeSide; ++k) {
        grid(i, j, k) = static_cast<std::int16_t>(-((i * 17 + j) * 17 + k));
      }
    }
  }
  return grid;
}

// A box cell (z, y, x), counted from 1 at the box's lowest corner.
using BoxCoords = std::array<int, 3>;
using Extents = std::array<int, 3>;  // Z, Y, X

// The nine mirrors in indicator order X, Y, Z, XY/, XY\, XZ/, XZ\, YZ/, YZ\, as maps of a box
// with extents e. The diagonal ones are only meaningful when the two axes they mix have equal
// extents; mirrorAxes gives those two axes.
inline BoxCoords mirrorCell(int mirror, const BoxCoords& p, const Extents& e) {
  const auto [z, y, x] = p;
  switch (mirror) {
    case 0:
      return {z, y, e[2] + 1 - x};
    case 1:
      return {z, e[1] + 1 - y, x};
    case 2:
      return {e[0] + 1 - z, y, x};
    case 3:
      return {z, e[1] + 1 - x, e[2] + 1 - y};
    case 4:
      return {z, x, y};
    case 5:
      return {x, y, z};
    case 6:
      return {e[0] + 1 - x, y, e[2] + 1 - z};
    case 7:
      return {y, z, x};
    default:
      return {e[0] + 1 - y, e[1] + 1 - z, x};
  }
}

inline bool mirrorFitsBox(int mirror, const Extents& e) {
  switch (mirror) {
    case 3:
    case 4:
      return e[1] == e[2];
    case 5:
    case 6:
      return e[0] == e[2];
    case 7:
    case 8:
      return e[0] == e[1];
    default:
      return true;
  }
}

// A random shape in a box of at most 5 cells a side (some boxes with two or three equal sides),
// half of the time made symmetric under a random choice of mirrors, placed at a random offset
// in the drawing cube and filled with random cube numbers. Cells outside the drawing cube hold
// cube numbers too, which a symmetry search must not see.
inline CellGrid randomShape(std::mt19937& rng, int cubeSide) {
  const int largest = std::min(5, cubeSide);
  Extents box = {pick(rng, 1, largest), pick(rng, 1, largest), pick(rng, 1, largest)};
  switch (pick(rng, 0, 3)) {
    case 1:
      box[1] = box[2];
      break;
    case 2:
      box[0] = box[2];
      break;
    case 3:
      box[0] = box[1] = box[2];
      break;
    default:
      break;
  }

  std::set<BoxCoords> shape;
  const double density = std::uniform_real_distribution<double>(0.1, 0.9)(rng);
  std::bernoulli_distribution occupied(density);
  for (int z = 1; z <= box[0]; ++z) {
    for (int y = 1; y <= box[1]; ++y) {
      for (int x = 1; x <= box[2]; ++x) {
        if (occupied(rng)) shape.insert({z, y, x});
      }
    }
  }

  if (pick(rng, 0, 1) == 1) {
    std::array<bool, 9> chosen{};
    for (int mirror = 0; mirror < 9; ++mirror) {
      chosen[mirror] = mirrorFitsBox(mirror, box) && pick(rng, 0, 1) == 1;
    }
    for (std::size_t before = 0; before != shape.size();) {
      before = shape.size();
      const std::set<BoxCoords> current = shape;
      for (int mirror = 0; mirror < 9; ++mirror) {
        if (!chosen[mirror]) continue;
        for (const BoxCoords& p : current)
          shape.insert(mirrorCell(mirror, p, box));
      }
    }
  }

  CellGrid grid;
  for (int i = 0; i <= kGridBound; ++i) {
    for (int j = 0; j <= kGridBound; ++j) {
      for (int k = 0; k <= kGridBound; ++k) {
        if (!insideCube(i, j, k, cubeSide) && pick(rng, 0, 3) == 0) {
          grid(i, j, k) = static_cast<std::int16_t>(pick(rng, 1, kMaxCubes));
        }
      }
    }
  }
  const int di = pick(rng, 0, cubeSide - box[0]);
  const int dj = pick(rng, 0, cubeSide - box[1]);
  const int dk = pick(rng, 0, cubeSide - box[2]);
  for (const auto& [z, y, x] : shape) {
    grid(z + di, y + dj, x + dk) = static_cast<std::int16_t>(pick(rng, 1, kMaxCubes));
  }
  return grid;
}

}  // namespace vexolite::testing
