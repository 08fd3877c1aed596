// The size of the figure's drawing at a zoom, and the offsets that put it at pixel (1, 1).
// SPDX-License-Identifier: MIT
#pragma once

#include "case_library/figure.h"

namespace vexolite {

inline constexpr double kZoomStep = 0.5;
inline constexpr double kSmallestZoom = 0.5;
// The largest drawing that fits FigureView with its 1-pixel margin, in pixels.
inline constexpr double kFitWidth = 639;
inline constexpr double kFitHeight = 479;

// The figure's drawing at a zoom, in whole pixels: its size once placed, and the offsets that
// place it with its leftmost and topmost pixels at (1, 1).
struct DrawingSize {
  double width = 0, height = 0;
  double originX = 0, originY = 0;
};

// Measures the drawing of cells 1..cubeSide at zoom: a cell (i, j, k) has its anchor at
// (Fix(z 16k - z 16j), Fix(z 8j + z 8k - i h)) and covers 32z across and h + 16z down from 8z
// above it. Precondition: cubeSide 0..16, zoom > 0.
DrawingSize measureDrawing(const CellGrid& cells, int cubeSide, double zoom);

// The drawing fits FigureView (639 and 479, not 640 and 480).
inline bool fitsPicture(const DrawingSize& size) {
  return size.width <= kFitWidth && size.height <= kFitHeight;
}

}  // namespace vexolite
