// The two glyphs of a schematic cell: its square on FigureView and its small mark on PlanSurface.
// SPDX-License-Identifier: MIT
#pragma once

#include "drawing/piece_palette.h"
#include "raster/raster_surface.h"

namespace vexolite {

// Top-left corners of a cell's 6 x 6 square on FigureView (GlyphX, GlyphY) and of its 2 x 2 mark
// on PlanSurface (SmallGlyphX, SmallGlyphY), in pixels.
struct GlyphCorner {
  int x = 0, y = 0;
  int smallX = 0, smallY = 0;
};

// The filled glyph of a shown cube: a grey 6 x 6 outline around a 4 x 4 interior, grey or the
// piece's full colour when the piece is highlighted; a black mark on planSurface.
void drawCubeSquare(RasterSurface& figureView, RasterSurface& planSurface, const GlyphCorner& at,
                    int piece, const HelpChoice& help);

// The empty glyph of an empty cell (cubeState 0, white interior) or of a hidden cube
// (cubeState 2, light grey interior, or the piece's tint when the piece is highlighted); the
// outline and the mark on planSurface are light grey. An empty cell has piece 0.
void drawEmptySquare(RasterSurface& figureView, RasterSurface& planSurface, const GlyphCorner& at,
                     int cubeState, int piece, const HelpChoice& help);

}  // namespace vexolite
