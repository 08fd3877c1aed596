// Drawing a whole case on the picture surfaces: every cube back to front, then the schematic.
// SPDX-License-Identifier: MIT
#include "drawing/figure_drawing.h"

#include <cassert>
#include <cmath>
#include <cstddef>

#include "drawing/perspective_cube.h"
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

std::optional<ImpossibleCell> drawFigure(RasterSurface& figureView, RasterSurface& planSurface,
                                         FigureFields& figure, const Projection& projection,
                                         const SchematicPlan& plan, const HelpChoice& help) {
  const CellSteps steps = cellStepsFor(projection.zoom);
  const double z = projection.zoom;
  figureView.clear();

  // Back to front: layer by layer upwards, and within a layer the cells nearer the viewer
  // later, so that each cube paints over the ones it hides.
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
            drawShadedCube(figureView, anchor, steps, piece, help);
            break;
          case kCubeHidden:
            drawFaintCube(figureView, anchor, steps, piece, help);
            break;
          case 0:
            return ImpossibleCell{i, j, k, c};
          default:
            break;
        }
      }
    }
  }

  drawPlan(figureView, planSurface, plan, figure.cubes, help);
  return std::nullopt;
}

}  // namespace vexolite
