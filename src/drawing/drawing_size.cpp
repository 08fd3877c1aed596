// The size of the figure's drawing at a zoom, and the offsets that put it at pixel (1, 1).
#include "drawing/drawing_size.h"

#include <cmath>

#include "drawing/figure_drawing.h"

namespace vexolite {

DrawingSize measureDrawing(const CellGrid& cells, int cubeSide, double zoom) {
  DrawingSize s;
  const CellSteps steps = cellStepsFor(zoom);
  s.RawStepX = steps.dx;
  s.RawStepY = steps.dy;
  s.RawCellHeight = steps.h;
  // Starting values of the scan, kept for a figure without cubes. The first occupied cell sets
  // both minima itself, so a figure turned far into the drawing cube at a large zoom, whose
  // every anchor lies beyond 640, still starts at pixel (1, 1).
  bool firstCell = true;
  s.MinAnchorX = 640;
  s.DrawingWidth = 0;
  s.MinTopY = 640;
  s.DrawingHeight = 0;
  for (int i = 1; i <= cubeSide; ++i) {
    for (int j = 1; j <= cubeSide; ++j) {
      for (int k = 1; k <= cubeSide; ++k) {
        if (cells(i, j, k) <= 0) continue;
        s.AnchorX = std::trunc(zoom * (16 * k) - zoom * (16 * j));
        s.AnchorY = std::trunc(zoom * (8 * j) + zoom * (8 * k) - i * s.RawCellHeight);
        s.LeftEdgeX = s.AnchorX;
        s.TopEdgeY = s.AnchorY - 8 * zoom;
        if (firstCell) {
          s.MinAnchorX = s.LeftEdgeX;
          s.MinTopY = s.TopEdgeY;
          firstCell = false;
        }
        if (s.MinAnchorX > s.LeftEdgeX) s.MinAnchorX = s.LeftEdgeX;
        s.RightEdgeX = s.AnchorX + 16 * zoom * 2;
        if (s.DrawingWidth < s.RightEdgeX) s.DrawingWidth = s.RightEdgeX;
        if (s.MinTopY > s.TopEdgeY) s.MinTopY = s.TopEdgeY;
        s.BottomEdgeY = s.AnchorY + s.RawCellHeight + 8 * zoom;
        if (s.DrawingHeight < s.BottomEdgeY) s.DrawingHeight = s.BottomEdgeY;
      }
    }
  }
  s.OriginX = 1 - s.MinAnchorX;
  s.OriginY = 1 - s.MinTopY;
  s.DrawingWidth = s.DrawingWidth + s.OriginX;
  s.DrawingHeight = s.DrawingHeight - s.MinTopY + 1;
  return s;
}

}  // namespace vexolite
