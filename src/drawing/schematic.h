// The schematic: one square per cell of the figure, layer beside layer, bottom right of FigureView.
// SPDX-License-Identifier: MIT
#pragma once

#include "case_library/figure.h"
#include "drawing/figure_drawing.h"
#include "drawing/piece_palette.h"
#include "raster/raster_surface.h"

namespace vexolite {

// Squares at a pitch of 7 pixels on figureView and marks at a pitch of 3 on planSurface, aligned on
// the right and the bottom of each surface, the x origin taken from the length of row 1. A cell
// whose character code is 28 or more is a gap (179 after each layer): nothing drawn or
// recorded. Otherwise its square's corner goes into CubeletTable row c (the code; row 0 for an
// empty cell), columns 4 and 5, and a shown cube gets the filled glyph, an empty cell or a
// hidden cube the empty one. Clears nothing.
void drawPlan(RasterSurface& figureView, RasterSurface& planSurface, const SchematicPlan& plan,
              CubeletRows& cubelets, const HelpChoice& help);

}  // namespace vexolite
