// The figure described once, in the shapes a reader would name, for every end that draws it.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>

#include "raster/raster_surface.h"

namespace vexolite {

// A point of the projection, in FigureView's pixels: x to the right, y downwards.
struct Point {
  int x = 0, y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

// The three visible faces of a cube: the left one faces the growing row index, the right one
// the growing column index, the top one the growing layer.
enum class FaceSide { Left, Right, Top };

// A shown cube's face is filled; a hidden cube's face is hatched by every second line, so that
// what lies behind shows through.
enum class FaceFill { Solid, Hatched };

// One visible face of one cube. Its corners go round the face: the left face L F F' L', the
// right face F R R' F', the top face L F R B (see CubeAnchor for the names).
struct CubeFace {
  FaceSide side = FaceSide::Top;
  FaceFill fill = FaceFill::Solid;
  Rgb colour;
  std::array<Point, 4> corners{};
};

// What a square of the plan stands for.
enum class PlanCellKind {
  Cube,        // a shown cube: filled square, dark mark
  HiddenCube,  // a cube the user has hidden: empty square
  EmptyCell,   // no cube in the cell: empty square with a white inside
};

// One square of the plan. The plan's rows stand one above the other and, within a row, the
// layers side by side, lowest first, each followed by a one-column gap; rowCount and rowLength
// give the size of that grid, in squares, for an end that aligns it.
struct PlanSquare {
  int row = 1, column = 1;  // from 1, top row and left column first
  int rowCount = 0, rowLength = 0;
  int cube = 0;   // 1..27, 0 for an empty cell
  int piece = 0;  // the cube's piece 1..7, 0 for an empty cell
  PlanCellKind kind = PlanCellKind::EmptyCell;
  Rgb outline;   // the square's border
  Rgb interior;  // its inside
  Rgb mark;      // the small copy of the plan that exported images carry
};

// The shapes of a drawing, handed over back to front: what comes later covers what came before.
// For each cube its left, right and top faces, then its two edge paths; after all cubes, the
// plan's squares row by row.
class FigureCanvas {
 public:
  virtual ~FigureCanvas() = default;
  virtual void cubeFace(const CubeFace& face) = 0;
  // A connected path of edges, each from one point to the next.
  virtual void cubeEdges(std::span<const Point> path, Rgb colour) = 0;
  virtual void planSquare(const PlanSquare& square) = 0;
};

}  // namespace vexolite
