// The size of the figure's drawing at a zoom, and the offsets that put it at pixel (1, 1).
#pragma once

#include "case_library/figure.h"

namespace vexolite {

inline constexpr double kZoomStep = 0.5;
inline constexpr double kSmallestZoom = 0.5;
// The largest drawing that fits FigureView with its 1-pixel margin, in pixels.
inline constexpr double kFitWidth = 639;
inline constexpr double kFitHeight = 479;

// Everything fitDrawing leaves behind, in pixels (whole numbers held as doubles). The anchor and
// edges are those of the last occupied cell, as the scan leaves them.
struct DrawingSize {
  double RawStepX = 0, RawStepY = 0, RawCellHeight = 0;
  double AnchorX = 0, AnchorY = 0;
  double LeftEdgeX = 0, RightEdgeX = 0, TopEdgeY = 0, BottomEdgeY = 0;
  double MinAnchorX = 0, MinTopY = 0;
  double DrawingWidth = 0, DrawingHeight = 0;
  double OriginX = 0, OriginY = 0;
};

// Measures the drawing of cells 1..cubeSide at zoom: a cell (i, j, k) has its anchor at
// (Fix(z 16k - z 16j), Fix(z 8j + z 8k - i h)) and covers 32z across and h + 16z down from 8z
// above it. Precondition: cubeSide 0..16, zoom > 0.
DrawingSize measureDrawing(const CellGrid& cells, int cubeSide, double zoom);

// The drawing fits FigureView (639 and 479, not 640 and 480).
inline bool fitsPicture(const DrawingSize& size) {
  return size.DrawingWidth <= kFitWidth && size.DrawingHeight <= kFitHeight;
}

}  // namespace vexolite
