// The seven pieces of the puzzle, their shapes and all their turned positions.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <vector>

#include "catalog_figure.h"

namespace vexolite::catalog {

inline constexpr int kPieceTotal = 7;
inline constexpr int kFigureCubes = 27;  // 3 + 6 x 4

// Cubes of piece 1..7 (index 0 unused).
inline constexpr std::array<int, 8> kPieceCubes{0, 3, 4, 4, 4, 4, 4, 4};

// The piece's cubes as (x, y, z) offsets, x along a row (k), y across rows (j), z up (i):
//   1 V      (0,0,0) (1,0,0) (0,1,0)
//   2 L      (0,0,0) (1,0,0) (2,0,0) (0,1,0)
//   3 T      (0,0,0) (1,0,0) (2,0,0) (1,1,0)
//   4 Z      (0,0,0) (1,0,0) (1,1,0) (2,1,0)
//   5 screw  (0,0,0) (1,0,0) (0,1,0) (0,1,1)   right-handed
//   6 screw  (1,0,1) (1,0,0) (0,0,0) (0,1,0)   left-handed
//   7 tripod (0,0,0) (1,0,0) (0,1,0) (0,0,1)
// A screw is a path of four cubes whose three unit steps d1, d2, d3 are mutually perpendicular;
// walking the path backwards gives the same sign of det(d1, d2, d3), so the hand is a property
// of the piece. The hand counts where the user sees it: in the figure's (i, j, k), with i up, j
// toward the lower left of the drawing and k toward the lower right, a right-handed frame
// (i x j points along k). A screw is right-handed when det > 0 there. (x, y, z) is (k, j, i),
// a mirror of that frame, so the right-handed piece 5 has det < 0 in (x, y, z): its path
// (1,0,0) (0,0,0) (0,1,0) (0,1,1) has steps (-1,0,0), (0,1,0), (0,0,1).
struct Offset {
  int x = 0, y = 0, z = 0;
};
const std::vector<Offset>& pieceOffsets(int piece);

// The piece's cells in figure coordinates: (i, j, k) = (z, y, x) + 1, sorted.
std::vector<Cell> pieceCells(int piece);

// Every distinct position of the piece under the 24 rotations (no mirroring), each normalized
// (bounding box from 1) and sorted.
const std::vector<std::vector<Cell>>& pieceOrientations(int piece);

// True when the cells are exactly the cubes of the piece, turned in some way.
bool formsPiece(const std::vector<Cell>& cells, int piece);

}  // namespace vexolite::catalog
