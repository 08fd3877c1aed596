// One cube of the figure in the parallel projection: shaded when shown, hatched when hidden.
// SPDX-License-Identifier: MIT
#include "drawing/perspective_cube.h"

#include <cmath>

namespace vexolite {

namespace {

// Truncation toward zero of an exact quotient. The fills' extents are halves and quarters of
// whole pixel counts, which a double holds exactly.
int fix(double value) {
  return static_cast<int>(std::trunc(value));
}

// The pen colour of one face: its neutral shade, replaced by the piece's shade when the piece
// is highlighted.
Rgb faceColour(Rgb neutral, Rgb PieceShades::*shade, int piece, const HelpChoice& help) {
  return isHighlighted(help, piece) ? pieceShades(piece).*shade : neutral;
}

// The nine visible edges in the current colour: L L' F' F L B R F, then F' R' R.
void cubeEdges(RasterSurface& surface, int x, int y, const CellSteps& s) {
  surface.line(x, y, x, y + s.h);
  surface.lineTo(x + s.dx, y + s.dy + s.h);
  surface.lineTo(x + s.dx, y + s.dy);
  surface.lineTo(x, y);
  surface.lineTo(x + s.dx, y - s.dy);
  surface.lineTo(x + 2 * s.dx, y);
  surface.lineTo(x + s.dx, y + s.dy);
  surface.line(x + s.dx, y + s.dy + s.h, x + 2 * s.dx, y + s.h);
  surface.lineTo(x + 2 * s.dx, y);
}

// Line n of the left face, from just right of L down to F, n pixels lower.
void leftFaceLine(RasterSurface& surface, int x, int y, const CellSteps& s, int n) {
  surface.line(x + 1, y + n, x + s.dx, y + s.dy + n);
}

// Line n of the right face, from just right of F up to R, n pixels lower.
void rightFaceLine(RasterSurface& surface, int x, int y, const CellSteps& s, int n) {
  surface.line(x + s.dx + 1, y + s.dy + n, x + 2 * s.dx, y + n);
}

}  // namespace

void drawShadedCube(RasterSurface& figureView, CubeAnchor anchor, const CellSteps& steps, int piece,
                    const HelpChoice& help) {
  const int x = anchor.x;
  const int y = anchor.y;
  const int dx = steps.dx;

  figureView.setColour(faceColour(kMidGrey, &PieceShades::left, piece, help));
  for (int n = 0; n <= steps.h - 1; ++n)
    leftFaceLine(figureView, x, y, steps, n);

  figureView.setColour(faceColour(kLightGrey, &PieceShades::right, piece, help));
  for (int n = 0; n <= steps.h - 1; ++n)
    rightFaceLine(figureView, x, y, steps, n);

  // The top face column by column, half a pixel wider per column whatever dy is.
  figureView.setColour(faceColour(kWhite, &PieceShades::full, piece, help));
  for (int n = 1; n <= dx + 1; ++n) {
    figureView.line(x + n, y - fix(n / 2.0), x + n, y + fix(n / 2.0));
  }
  for (int n = 1; n <= dx - 1; ++n) {
    figureView.line(x + dx + 1 + n, y - fix((dx - n) / 2.0 - 0.75), x + dx + 1 + n,
                    y + fix((dx - n) / 2.0));
  }

  figureView.setColour(kBlack);
  cubeEdges(figureView, x, y, steps);
}

void drawFaintCube(RasterSurface& figureView, CubeAnchor anchor, const CellSteps& steps, int piece,
                   const HelpChoice& help) {
  const int x = anchor.x;
  const int y = anchor.y;
  const int dx = steps.dx;

  figureView.setColour(faceColour(kBlack, &PieceShades::full, piece, help));
  for (int n = 0; n <= steps.h - 1; n += 2)
    leftFaceLine(figureView, x, y, steps, n);
  for (int n = 0; n <= steps.h - 1; n += 2)
    rightFaceLine(figureView, x, y, steps, n);

  // Every second column of the top face; the column X + dx + 2 belongs to both halves.
  for (int n = 1; n <= dx + 1; n += 2) {
    figureView.line(x + n + 1, y - fix(n / 2.0), x + n + 1, y + fix(n / 2.0 + 0.5));
  }
  for (int n = 1; n <= dx - 1; n += 2) {
    figureView.line(x + dx + 1 + n, y - fix((dx - n) / 2.0 - 0.75), x + dx + 1 + n,
                    y + fix((dx - n) / 2.0 + 0.75));
  }

  cubeEdges(figureView, x, y, steps);
}

}  // namespace vexolite
