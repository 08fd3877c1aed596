// The figure of a case as the viewer holds it: the cell grid and the table of its cubes.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace vexolite {

// Indices of the cell grid run 0..16 on each axis; 1..cubeSide are used.
inline constexpr int kGridBound = 16;
inline constexpr int kMaxCubes = 27;
inline constexpr int kPieceCount = 7;

// Cell (i, j, k) of a figure: i the layer (1 lowest), j the row, k the column. A cell holds 0
// when empty, or n = 1..27 for the cube numbered n.
class CellGrid {
 public:
  static constexpr int kSide = kGridBound + 1;

  std::int16_t& operator()(int i, int j, int k) { return cells_[index(i, j, k)]; }
  std::int16_t operator()(int i, int j, int k) const { return cells_[index(i, j, k)]; }
  void clear() { cells_.fill(0); }
  bool operator==(const CellGrid&) const = default;

 private:
  static std::size_t index(int i, int j, int k) {
    assert(i >= 0 && i < kSide && j >= 0 && j < kSide && k >= 0 && k < kSide);
    return static_cast<std::size_t>((i * kSide + j) * kSide + k);
  }
  std::array<std::int16_t, kSide * kSide * kSide> cells_{};
};

// Columns of the cubelet table that carry data; the others hold nothing.
inline constexpr int kSquareXColumn = 4;  // x of the cube's square in the schematic, pixels
inline constexpr int kSquareYColumn = 5;  // y of the cube's square in the schematic, pixels
inline constexpr int kPieceColumn = 8;    // piece number 1..7
inline constexpr int kStateColumn = 9;    // cube state, below

inline constexpr std::int16_t kCubeShown = 1;
inline constexpr std::int16_t kCubeHidden = 2;

// Rows 0..27 by cube number; row 0 stands for the empty cell.
using CubeletRows = std::array<std::array<std::int16_t, 10>, kMaxCubes + 1>;

// The figure as the viewer holds it. Loading a case replaces it; quarter turns permute the
// cells and clicks on the plan switch cube states, until the next load.
struct FigureFields {
  CellGrid cells;
  CubeletRows cubes{};
  std::int16_t cubeSide = 0;  // 4, 8 or 16 once a case is loaded
};

}  // namespace vexolite
