// Drawing a whole case on the picture surfaces: every cube back to front, then the schematic.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "case_library/figure.h"
#include "drawing/figure_canvas.h"
#include "drawing/piece_palette.h"
#include "raster/raster_surface.h"

namespace vexolite {

// The screen steps of one cell at a zoom, in whole pixels: dx, dy along a row or column step,
// h the height of one layer. Fix(16 z + 0.5), Fix(8 z + 0.5), Fix(sqrt(dx^2 + dy^2) + 0.5).
struct CellSteps {
  int dx = 0, dy = 0, h = 0;
};
CellSteps cellStepsFor(double zoom);

// Where the figure is laid out: the zoom and the offsets that put the drawing at pixel (1, 1).
struct Projection {
  double zoom = 0.5;
  double originX = 0, originY = 0;
};

// The schematic rows as the load-and-show pipeline builds them: rows 1..rowCount, each
// character one cell (its unsigned code the cube number, 0 empty, 179 the gap after a layer).
struct SchematicPlan {
  std::array<std::string, 17> rows{};
  std::int16_t rowCount = 0;
};

// A cell whose cube has state 0: the cell grid and the cube table disagree.
struct ImpossibleCell {
  int i = 0, j = 0, k = 0;
  int cube = 0;
};

// Hands every occupied cell of the figure to the canvas in the order layer, row, column, so
// that each cube covers the ones it hides: a shown cube solid, a hidden one hatched (see
// describeCube), anchored at (Fix(originX - 16 z j + 16 z k), Fix(originY - h i + 8 z j + 8 z k)).
// Stops at once at a cube whose state is 0, handing nothing further, and returns that cell.
std::optional<ImpossibleCell> describeCubes(FigureCanvas& canvas, const FigureFields& figure,
                                            const Projection& projection, const HelpChoice& help);

// Clears figureView, draws every occupied cell of the figure in the order layer, row, column
// (shown cubes shaded, hidden cubes faint), then the schematic on figureView and planSurface,
// recording each cube's square in CubeletTable columns 4 and 5. planSurface is not cleared here.
// Stops at once, drawing nothing further, at a cube whose state is 0, and returns that cell.
std::optional<ImpossibleCell> drawFigure(RasterSurface& figureView, RasterSurface& planSurface,
                                         FigureFields& figure, const Projection& projection,
                                         const SchematicPlan& plan, const HelpChoice& help);

}  // namespace vexolite
