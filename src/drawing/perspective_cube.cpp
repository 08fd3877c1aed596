// One cube of the figure in the parallel projection: shaded when shown, hatched when hidden.
// SPDX-License-Identifier: MIT
#include "drawing/perspective_cube.h"

#include "drawing/raster_canvas.h"

namespace vexolite {

namespace {

// The colour of one face: its neutral shade, replaced by the piece's shade when the piece is
// highlighted.
Rgb faceColour(Rgb neutral, Rgb PieceShades::*shade, int piece, const HelpChoice& help) {
  return isHighlighted(help, piece) ? pieceShades(piece).*shade : neutral;
}

}  // namespace

void describeCube(FigureCanvas& canvas, CubeAnchor anchor, const CellSteps& steps, int piece,
                  const HelpChoice& help, FaceFill fill) {
  const int x = anchor.x;
  const int y = anchor.y;
  const Point l{x, y}, f{x + steps.dx, y + steps.dy}, r{x + 2 * steps.dx, y};
  const Point b{x + steps.dx, y - steps.dy};
  const Point lDown{l.x, l.y + steps.h}, fDown{f.x, f.y + steps.h}, rDown{r.x, r.y + steps.h};

  const bool solid = fill == FaceFill::Solid;
  // A ghost is one colour throughout: its piece's full colour or black.
  const Rgb ghost = faceColour(kBlack, &PieceShades::full, piece, help);
  const Rgb left = solid ? faceColour(kMidGrey, &PieceShades::left, piece, help) : ghost;
  const Rgb right = solid ? faceColour(kLightGrey, &PieceShades::right, piece, help) : ghost;
  const Rgb top = solid ? faceColour(kWhite, &PieceShades::full, piece, help) : ghost;
  canvas.cubeFace({FaceSide::Left, fill, left, {l, f, fDown, lDown}});
  canvas.cubeFace({FaceSide::Right, fill, right, {f, r, rDown, fDown}});
  canvas.cubeFace({FaceSide::Top, fill, top, {l, f, r, b}});

  const Rgb edges = solid ? kBlack : ghost;
  const std::array<Point, 8> around{l, lDown, fDown, f, l, b, r, f};
  const std::array<Point, 3> front{fDown, rDown, r};
  canvas.cubeEdges(around, edges);
  canvas.cubeEdges(front, edges);
}

void drawShadedCube(RasterSurface& figureView, CubeAnchor anchor, const CellSteps& steps, int piece,
                    const HelpChoice& help) {
  RasterCanvas canvas(figureView);
  describeCube(canvas, anchor, steps, piece, help, FaceFill::Solid);
}

void drawFaintCube(RasterSurface& figureView, CubeAnchor anchor, const CellSteps& steps, int piece,
                   const HelpChoice& help) {
  RasterCanvas canvas(figureView);
  describeCube(canvas, anchor, steps, piece, help, FaceFill::Hatched);
}

}  // namespace vexolite
