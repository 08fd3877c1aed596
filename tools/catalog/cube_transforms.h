// The 48 rotations and reflections of the cube, acting on figure cells, and what they give:
// canonical forms, chirality, mirror images.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <vector>

#include "catalog_figure.h"

namespace vexolite::catalog {

// A signed permutation matrix: coordinate n of the image is sign[n] times coordinate axis[n] of
// the cell, coordinates taken as (i, j, k). Its determinant is -1 for a reflection.
struct CubeTransform {
  std::array<int, 3> axis{};
  std::array<int, 3> sign{};
  bool reflection = false;
};

inline constexpr int kCubeTransformCount = 48;

// All 48, the identity first, then the other rotations, then the 24 reflections.
const std::array<CubeTransform, kCubeTransformCount>& cubeTransforms();

// The image of one cell, before any re-translation.
Cell applyTransform(const CubeTransform& transform, const Cell& cell);

// The cells moved so that their bounding box starts at (1, 1, 1), sorted.
std::vector<Cell> normalizedCells(std::vector<Cell> cells);

// The images of the cells under the transform, re-translated so the bounding box starts at 1,
// sorted.
std::vector<Cell> transformedCells(const CubeTransform& transform, const std::vector<Cell>& cells);

// The lexicographically smallest normalized cell list over the 48 transforms: two figures are
// the same figure turned or mirrored exactly when their canonical forms are equal.
std::vector<Cell> canonicalForm(const std::vector<Cell>& cells);

// True when the figure's mirror image is not one of its rotations.
bool isChiral(const std::vector<Cell>& cells);

// The pieces exchange under a reflection: 5 and 6 swap, the rest stay.
int mirroredPiece(int piece);

// The mirror image of a figure across the middle of its rows (cell k -> columns + 1 - k), pieces
// 5 and 6 exchanged; its bounding box still starts at 1.
std::vector<FigureCube> mirroredFigure(const std::vector<FigureCube>& cubes);

}  // namespace vexolite::catalog
