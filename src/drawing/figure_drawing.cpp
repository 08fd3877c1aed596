// Drawing a whole case on the picture surfaces: every cube back to front, then the schematic.
// SPDX-License-Identifier: MIT
#include "drawing/figure_drawing.h"

#include <cassert>
#include <cmath>
#include <cstddef>

#include "drawing/perspective_cube.h"
#include "drawing/raster_canvas.h"
#include "drawing/schematic.h"

namespace vexolite {

namespace {

// Fix: truncation toward zero.
int fix(double value) {
  return static_cast<int>(std::trunc(value));
}

}  // namespace

CellSteps cellStepsFor(double zoom) {
  CellSteps steps;
  steps.dx = fix(16 * zoom + 0.5);
  steps.dy = fix(8 * zoom + 0.5);
  steps.h = fix(std::sqrt(static_cast<double>(steps.dx) * steps.dx +
                          static_cast<double>(steps.dy) * steps.dy) +
                0.5);
  return steps;
}

std::optional<ImpossibleCell> describeCubes(FigureCanvas& canvas, const FigureFields& figure,
                                            const Projection& projection, const HelpChoice& help) {
  const CellSteps steps = cellStepsFor(projection.zoom);
  const double z = projection.zoom;
  const int side = figure.cubeSide;
  for (int i = 1; i <= side; ++i) {
    for (int j = 1; j <= side; ++j) {
      for (int k = 1; k <= side; ++k) {
        const int c = figure.cells(i, j, k);
        if (c <= 0) continue;
        assert(c <= kMaxCubes);
        const CubeAnchor anchor{fix(projection.originX - z * (16 * j) + z * (16 * k)),
                                fix(projection.originY - steps.h * i + z * (8 * j) + z * (8 * k))};
        const auto& cubelet = figure.cubes[static_cast<std::size_t>(c)];
        const int piece = cubelet[kPieceColumn];
        switch (cubelet[kStateColumn]) {
          case kCubeShown:
            describeCube(canvas, anchor, steps, piece, help, FaceFill::Solid);
            break;
          case kCubeHidden:
            describeCube(canvas, anchor, steps, piece, help, FaceFill::Hatched);
            break;
          case 0:
            return ImpossibleCell{i, j, k, c};
          default:
            break;
        }
      }
    }
  }
  return std::nullopt;
}

std::optional<ImpossibleCell> drawFigure(RasterSurface& figureView, RasterSurface& planSurface,
                                         FigureFields& figure, const Projection& projection,
                                         const SchematicPlan& plan, const HelpChoice& help) {
  figureView.clear();
  RasterCanvas canvas(figureView, &planSurface);
  if (auto impossible = describeCubes(canvas, figure, projection, help)) return impossible;
  drawPlan(figureView, planSurface, plan, figure.cubes, help);
  return std::nullopt;
}

}  // namespace vexolite
