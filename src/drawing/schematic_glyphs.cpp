// The two glyphs of a schematic cell: its square on FigureView and its small mark on PlanSurface.
// SPDX-License-Identifier: MIT
#include "drawing/schematic_glyphs.h"

#include "case_library/figure.h"

namespace vexolite {

namespace {

// The state the cubelet table's row 0 holds: the empty cell.
constexpr int kEmptyCellState = 0;

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

void drawCubeSquare(RasterSurface& figureView, RasterSurface& planSurface, const GlyphCorner& at,
                    int piece, const HelpChoice& help) {
  figureView.setColour(kMidGrey);
  planSurface.setColour(kBlack);
  squareOutline(figureView, at.x, at.y);
  smallMark(planSurface, at.smallX, at.smallY);
  figureView.setColour(kMidGrey);
  if (isHighlighted(help, piece)) figureView.setColour(pieceShades(piece).full);
  squareInterior(figureView, at.x, at.y);
}

void drawEmptySquare(RasterSurface& figureView, RasterSurface& planSurface, const GlyphCorner& at,
                     int cubeState, int piece, const HelpChoice& help) {
  figureView.setColour(kLightGrey);
  planSurface.setColour(kLightGrey);
  squareOutline(figureView, at.x, at.y);
  smallMark(planSurface, at.smallX, at.smallY);
  if (cubeState == kEmptyCellState) figureView.setColour(kWhite);
  if (cubeState == kCubeHidden) figureView.setColour(kLightGrey);
  if (isHighlighted(help, piece)) figureView.setColour(pieceShades(piece).tint);
  squareInterior(figureView, at.x, at.y);
}

}  // namespace vexolite
