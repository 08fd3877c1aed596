// The 48 signed permutation matrices and the figure operations built on them.
// SPDX-License-Identifier: MIT
#include "cube_transforms.h"

#include <algorithm>
#include <climits>

namespace vexolite::catalog {
namespace {

int permutationSign(const std::array<int, 3>& axis) {
  int inversions = 0;
  for (int a = 0; a < 3; ++a) {
    for (int b = a + 1; b < 3; ++b) {
      if (axis[static_cast<std::size_t>(a)] > axis[static_cast<std::size_t>(b)]) ++inversions;
    }
  }
  return inversions % 2 == 0 ? 1 : -1;
}

std::array<CubeTransform, kCubeTransformCount> makeTransforms() {
  std::vector<CubeTransform> rotations, reflections;
  std::array<int, 3> axis{0, 1, 2};
  do {
    for (int signs = 0; signs < 8; ++signs) {
      CubeTransform t;
      t.axis = axis;
      int determinant = permutationSign(axis);
      for (std::size_t n = 0; n < 3; ++n) {
        t.sign[n] = (signs >> n) & 1 ? -1 : 1;
        determinant *= t.sign[n];
      }
      t.reflection = determinant < 0;
      (t.reflection ? reflections : rotations).push_back(t);
    }
  } while (std::next_permutation(axis.begin(), axis.end()));
  // next_permutation starts from the identity permutation and signs 0 are all +1, so the
  // identity comes first.
  std::array<CubeTransform, kCubeTransformCount> all{};
  std::copy(rotations.begin(), rotations.end(), all.begin());
  std::copy(reflections.begin(), reflections.end(), all.begin() + 24);
  return all;
}

}  // namespace

const std::array<CubeTransform, kCubeTransformCount>& cubeTransforms() {
  static const std::array<CubeTransform, kCubeTransformCount> transforms = makeTransforms();
  return transforms;
}

Cell applyTransform(const CubeTransform& transform, const Cell& cell) {
  const std::array<int, 3> v{cell.i, cell.j, cell.k};
  std::array<int, 3> image{};
  for (std::size_t n = 0; n < 3; ++n) {
    image[n] = transform.sign[n] * v[static_cast<std::size_t>(transform.axis[n])];
  }
  return Cell{image[0], image[1], image[2]};
}

std::vector<Cell> normalizedCells(std::vector<Cell> cells) {
  int low[3] = {INT_MAX, INT_MAX, INT_MAX};
  for (const Cell& c : cells) {
    low[0] = std::min(low[0], c.i);
    low[1] = std::min(low[1], c.j);
    low[2] = std::min(low[2], c.k);
  }
  for (Cell& c : cells)
    c = Cell{c.i - low[0] + 1, c.j - low[1] + 1, c.k - low[2] + 1};
  std::sort(cells.begin(), cells.end());
  return cells;
}

std::vector<Cell> transformedCells(const CubeTransform& transform, const std::vector<Cell>& cells) {
  std::vector<Cell> image;
  image.reserve(cells.size());
  for (const Cell& c : cells)
    image.push_back(applyTransform(transform, c));
  return normalizedCells(std::move(image));
}

std::vector<Cell> canonicalForm(const std::vector<Cell>& cells) {
  std::vector<Cell> best;
  for (const CubeTransform& t : cubeTransforms()) {
    std::vector<Cell> image = transformedCells(t, cells);
    if (best.empty() || image < best) best = std::move(image);
  }
  return best;
}

bool isChiral(const std::vector<Cell>& cells) {
  const std::vector<Cell> original = normalizedCells(cells);
  for (const CubeTransform& t : cubeTransforms()) {
    if (t.reflection && transformedCells(t, cells) == original) return false;
  }
  return true;
}

int mirroredPiece(int piece) {
  if (piece == 5) return 6;
  if (piece == 6) return 5;
  return piece;
}

std::vector<FigureCube> mirroredFigure(const std::vector<FigureCube>& cubes) {
  int columns = 0;
  for (const FigureCube& cube : cubes)
    columns = std::max(columns, cube.cell.k);
  std::vector<FigureCube> mirror;
  mirror.reserve(cubes.size());
  for (const FigureCube& cube : cubes) {
    mirror.push_back(FigureCube{Cell{cube.cell.i, cube.cell.j, columns + 1 - cube.cell.k},
                                mirroredPiece(cube.piece)});
  }
  std::sort(mirror.begin(), mirror.end());
  return mirror;
}

}  // namespace vexolite::catalog
