// The schematic: one square per cell of the figure, layer beside layer, bottom right of FigureView.
// SPDX-License-Identifier: MIT
#pragma once

#include "case_library/figure.h"
#include "drawing/figure_canvas.h"
#include "drawing/figure_drawing.h"
#include "drawing/piece_palette.h"
#include "raster/raster_surface.h"

namespace vexolite {

// Top-left corners of a cell's 6 x 6 square on FigureView (GlyphX, GlyphY) and of its 2 x 2 mark
// on PlanSurface (SmallGlyphX, SmallGlyphY), in pixels.
struct GlyphCorner {
  int x = 0, y = 0;
  int smallX = 0, smallY = 0;
};

// Where the square of row r, column j (from 1) of a plan of rowCount rows, row 1 being
// rowLength long, lies: squares at a pitch of 7 pixels on FigureView and marks at a pitch of 3
// on PlanSurface, aligned on the right and the bottom of each surface.
GlyphCorner planSquareCorner(int row, int column, int rowCount, int rowLength);

// Every cell of the plan row by row from the top, each row left to right, as a square: a shown
// cube filled (grey, or the piece's full colour when highlighted), a hidden cube or an empty
// cell empty (light grey or the piece's tint inside, white for an empty cell). A cell whose
// character code is 28 or more is a gap (179 after each layer) and gives nothing.
void describePlan(FigureCanvas& canvas, const SchematicPlan& plan, const CubeletRows& cubelets,
                  const HelpChoice& help);

// Records each cell's square in CubeletTable row c (the code; row 0 for an empty cell), columns
// 4 and 5, for the clicks on the plan. Gaps are not recorded.
void recordPlanSquares(const SchematicPlan& plan, CubeletRows& cubelets);

// The plan on the raster surfaces: its squares recorded, then drawn on figureView with their
// marks on planSurface. Clears nothing.
void drawPlan(RasterSurface& figureView, RasterSurface& planSurface, const SchematicPlan& plan,
              CubeletRows& cubelets, const HelpChoice& help);

}  // namespace vexolite
