// One cube of the figure in the parallel projection: shaded when shown, hatched when hidden.
// SPDX-License-Identifier: MIT
#pragma once

#include "drawing/figure_canvas.h"
#include "drawing/figure_drawing.h"
#include "drawing/piece_palette.h"
#include "raster/raster_surface.h"

namespace vexolite {

// The anchor of a cube: the left corner (X, Y) of its top face, in pixels on FigureView. From it
// the top face has corners L (X, Y), F (X + dx, Y + dy), R (X + 2 dx, Y), B (X + dx, Y - dy),
// and the side faces hang h pixels below L, F and R.
struct CubeAnchor {
  int x = 0, y = 0;
};

// One cube as shapes: its left, right and top faces, then its nine visible edges as the paths
// L L' F' F L B R F and F' R' R. A shown cube (Solid) has its faces in the piece's shades, or
// grey, light grey and white, and black edges; a hidden one (Hatched) is all in black or, when
// the piece is highlighted, its full colour.
void describeCube(FigureCanvas& canvas, CubeAnchor anchor, const CellSteps& steps, int piece,
                  const HelpChoice& help, FaceFill fill);

// The shaded cube on a raster surface: faces filled by parallel lines, then the edges. Covers
// columns X..X + 2 dx and rows Y - dy..Y + dy + h. Leaves the pen black.
void drawShadedCube(RasterSurface& figureView, CubeAnchor anchor, const CellSteps& steps, int piece,
                    const HelpChoice& help);

// The ghost of a hidden cube on a raster surface: the same outline, its faces hatched by every
// second line. What lies behind shows through.
void drawFaintCube(RasterSurface& figureView, CubeAnchor anchor, const CellSteps& steps, int piece,
                   const HelpChoice& help);

}  // namespace vexolite
