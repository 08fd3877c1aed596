// The seven piece shapes and their orientations under the rotations of the cube.
// SPDX-License-Identifier: MIT
#include "piece_shapes.h"

#include <algorithm>
#include <cassert>

#include "cube_transforms.h"

namespace vexolite::catalog {
namespace {

const std::array<std::vector<Offset>, 8> kOffsets{{
    {},
    {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {1, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {2, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 1, 1}},
    {{1, 0, 1}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}},
    {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
}};

std::array<std::vector<std::vector<Cell>>, 8> makeOrientations() {
  std::array<std::vector<std::vector<Cell>>, 8> all;
  for (int piece = 1; piece <= kPieceTotal; ++piece) {
    auto& list = all[static_cast<std::size_t>(piece)];
    for (const CubeTransform& t : cubeTransforms()) {
      if (t.reflection) continue;
      std::vector<Cell> cells = transformedCells(t, pieceCells(piece));
      if (std::find(list.begin(), list.end(), cells) == list.end()) list.push_back(cells);
    }
  }
  return all;
}

}  // namespace

const std::vector<Offset>& pieceOffsets(int piece) {
  assert(piece >= 1 && piece <= kPieceTotal);
  return kOffsets[static_cast<std::size_t>(piece)];
}

std::vector<Cell> pieceCells(int piece) {
  std::vector<Cell> cells;
  for (const Offset& o : pieceOffsets(piece))
    cells.push_back(Cell{o.z + 1, o.y + 1, o.x + 1});
  std::sort(cells.begin(), cells.end());
  return cells;
}

const std::vector<std::vector<Cell>>& pieceOrientations(int piece) {
  static const std::array<std::vector<std::vector<Cell>>, 8> orientations = makeOrientations();
  assert(piece >= 1 && piece <= kPieceTotal);
  return orientations[static_cast<std::size_t>(piece)];
}

bool formsPiece(const std::vector<Cell>& cells, int piece) {
  if (piece < 1 || piece > kPieceTotal) return false;
  if (cells.size() != static_cast<std::size_t>(kPieceCubes[static_cast<std::size_t>(piece)])) {
    return false;
  }
  const std::vector<Cell> normalized = normalizedCells(cells);
  const auto& list = pieceOrientations(piece);
  return std::find(list.begin(), list.end(), normalized) != list.end();
}

}  // namespace vexolite::catalog
