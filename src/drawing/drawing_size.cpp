// The size of the figure's drawing at a zoom, and the offsets that put it at pixel (1, 1).
// SPDX-License-Identifier: MIT
#include "drawing/drawing_size.h"

#include <algorithm>
#include <cmath>

#include "drawing/figure_drawing.h"

namespace vexolite {

DrawingSize measureDrawing(const CellGrid& cells, int cubeSide, double zoom) {
  const double cellHeight = cellStepsFor(zoom).h;
  // Starting values of the scan, kept for a figure without cubes. The first occupied cell sets
  // both minima itself, so a figure turned far into the drawing cube at a large zoom, whose
  // every anchor lies beyond 640, still starts at pixel (1, 1).
  bool firstCell = true;
  double leftmost = 640, topmost = 640, right = 0, bottom = 0;
  for (int i = 1; i <= cubeSide; ++i) {
    for (int j = 1; j <= cubeSide; ++j) {
      for (int k = 1; k <= cubeSide; ++k) {
        if (cells(i, j, k) <= 0) continue;
        const double anchorX = std::trunc(zoom * (16 * k) - zoom * (16 * j));
        const double anchorY = std::trunc(zoom * (8 * j) + zoom * (8 * k) - i * cellHeight);
        const double top = anchorY - 8 * zoom;
        if (firstCell || leftmost > anchorX) leftmost = anchorX;
        if (firstCell || topmost > top) topmost = top;
        firstCell = false;
        right = std::max(right, anchorX + 16 * zoom * 2);
        bottom = std::max(bottom, anchorY + cellHeight + 8 * zoom);
      }
    }
  }
  DrawingSize size;
  size.originX = 1 - leftmost;
  size.originY = 1 - topmost;
  size.width = right + size.originX;
  size.height = bottom - topmost + 1;
  return size;
}

}  // namespace vexolite
