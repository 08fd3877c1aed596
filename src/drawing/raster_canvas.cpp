// The raster end of the figure's description: faces filled by one-pixel lines, as on screen.
// SPDX-License-Identifier: MIT
#include "drawing/raster_canvas.h"

#include <cmath>

#include "drawing/schematic.h"

namespace vexolite {

namespace {

// Truncation toward zero of an exact quotient. The fills' extents are halves and quarters of
// whole pixel counts, which a double holds exactly.
int fix(double value) {
  return static_cast<int>(std::trunc(value));
}

// A side face, from its top edge (corners 0 and 1) down to its bottom edge (corner 3 below
// corner 0): line n runs from just right of corner 0 to corner 1, both n pixels lower.
void fillSideFace(RasterSurface& surface, const CubeFace& face, int step) {
  const Point from = face.corners[0];
  const Point to = face.corners[1];
  const int height = face.corners[3].y - from.y;
  for (int n = 0; n <= height - 1; n += step)
    surface.line(from.x + 1, from.y + n, to.x, to.y + n);
}

// The top face L F R B, column by column from L. Solid: every column, the left half spanning
// Fix(n / 2) each way, the right half narrowing from F. Hatched: every second column, the left
// half shifted one column right and half a pixel longer below; the column X + dx + 2 belongs to
// both halves.
void fillTopFace(RasterSurface& surface, const CubeFace& face) {
  const int x = face.corners[0].x;
  const int y = face.corners[0].y;
  const int dx = face.corners[1].x - x;
  if (face.fill == FaceFill::Solid) {
    for (int n = 1; n <= dx + 1; ++n)
      surface.line(x + n, y - fix(n / 2.0), x + n, y + fix(n / 2.0));
    for (int n = 1; n <= dx - 1; ++n) {
      surface.line(x + dx + 1 + n, y - fix((dx - n) / 2.0 - 0.75), x + dx + 1 + n,
                   y + fix((dx - n) / 2.0));
    }
    return;
  }
  for (int n = 1; n <= dx + 1; n += 2)
    surface.line(x + n + 1, y - fix(n / 2.0), x + n + 1, y + fix(n / 2.0 + 0.5));
  for (int n = 1; n <= dx - 1; n += 2) {
    surface.line(x + dx + 1 + n, y - fix((dx - n) / 2.0 - 0.75), x + dx + 1 + n,
                 y + fix((dx - n) / 2.0 + 0.75));
  }
}

// The border of the 6 x 6 square: pixels x..x+5 by y..y+5, each side up to the next corner.
void squareOutline(RasterSurface& surface, int x, int y) {
  surface.line(x, y, x + 5, y);
  surface.lineTo(x + 5, y + 5);
  surface.lineTo(x, y + 5);
  surface.lineTo(x, y);
}

// The four pixels of the 2 x 2 mark, one per side.
void smallMark(RasterSurface& surface, int x, int y) {
  surface.line(x, y, x + 1, y);
  surface.lineTo(x + 1, y + 1);
  surface.lineTo(x, y + 1);
  surface.lineTo(x, y);
}

// The 4 x 4 interior, pixels x+1..x+4, one row at a time in the current colour.
void squareInterior(RasterSurface& surface, int x, int y) {
  for (int row = y + 1; row <= y + 4; ++row)
    surface.line(x + 1, row, x + 5, row);
}

}  // namespace

void RasterCanvas::cubeFace(const CubeFace& face) {
  figureView_.setColour(face.colour);
  const int step = face.fill == FaceFill::Solid ? 1 : 2;
  if (face.side == FaceSide::Top) {
    fillTopFace(figureView_, face);
  } else {
    fillSideFace(figureView_, face, step);
  }
}

void RasterCanvas::cubeEdges(std::span<const Point> path, Rgb colour) {
  if (path.size() < 2) return;
  figureView_.setColour(colour);
  figureView_.line(path[0].x, path[0].y, path[1].x, path[1].y);
  for (std::size_t n = 2; n < path.size(); ++n)
    figureView_.lineTo(path[n].x, path[n].y);
}

void RasterCanvas::planSquare(const PlanSquare& square) {
  const GlyphCorner at =
      planSquareCorner(square.row, square.column, square.rowCount, square.rowLength);
  figureView_.setColour(square.outline);
  squareOutline(figureView_, at.x, at.y);
  if (planSurface_ != nullptr) {
    planSurface_->setColour(square.mark);
    smallMark(*planSurface_, at.smallX, at.smallY);
  }
  figureView_.setColour(square.interior);
  squareInterior(figureView_, at.x, at.y);
}

}  // namespace vexolite
