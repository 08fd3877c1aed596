// Where everything of the book lies on its pages: the paper, the boxes of the figures, in points.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "book_options.h"
#include "case_library/figure.h"

namespace vexolite::book {

// Sizes in PostScript points, 72 to the inch.
struct PaperSize {
  double width = 0, height = 0;
};
PaperSize paperSize(Paper paper);

// The margins and the text lines around every page's area of figures.
inline constexpr double kMargin = 36;            // left and right
inline constexpr double kHeaderBaseline = 26;    // from the top
inline constexpr double kFooterBaseline = 22;    // from the bottom
inline constexpr double kAreaTop = 42;           // the figures' area, from the top
inline constexpr double kAreaBottomMargin = 38;  // and from the bottom
inline constexpr int kColumns = 5;               // a box takes one to five of them

// A figure drawn in the viewer's projection at zoom 1, where one unit is one pixel of the
// viewer: a cube's edges are 17.9 (top) and 18 (upright) units long. At the book's scale an
// edge is 3.8 mm; a figure is drawn smaller only where the page's area cannot hold it otherwise
// (no figure of the shipped catalogue, whose every edge stays above 2 mm).
inline constexpr double kBookScale = 0.6;  // points per unit

// The plan's squares, in points: a square a cube, each layer's block followed by one square of
// gap, the blocks wrapped to the box's width.
inline constexpr double kPlanSquare = 6.5;

// What one figure needs of a page.
struct FigureMeasure {
  double drawingWidth = 0, drawingHeight = 0;  // units; 0 for a figure without cubes
  double originX = 0, originY = 0;             // the projection's origin that puts it at (1, 1)
  int layers = 0, rows = 0, columns = 0;       // the plan's grid: the occupied box
};
FigureMeasure measureFigure(const FigureFields& figure);

// One figure's box on its page.
struct FigureBox {
  std::size_t figure = 0;             // index into the measures
  double x = 0, y = 0;                // top-left corner, points from the page's top-left
  double width = 0, height = 0;       // points
  double scale = kBookScale;          // points per unit of the drawing
  double drawingX = 0, drawingY = 0;  // top-left of the drawing's area
  double captionY = 0;                // baseline of the first caption line
  double planX = 0, planY = 0;        // top-left of the plan
  double planSquare = kPlanSquare;    // the side of its squares
  int layersPerLine = 1;              // plan blocks side by side before the next line
};

// The figures, in the given order, boxed onto pages: boxes side by side in rows of the page's
// width, a new row where the next box is too wide for the rest of the row, a new page where the
// row would reach below the area. Every page holds at least one box; every box lies inside the
// area, with its drawing and plan inside the box.
std::vector<std::vector<FigureBox>> layOutFigures(std::span<const FigureMeasure> figures,
                                                  Paper paper);

// Layout constants that the drawing of a box needs too.
inline constexpr double kBoxPadding = 4;
inline constexpr double kCaptionSize = 7.5;     // points, both caption lines
inline constexpr double kCaptionLeading = 9.5;  // from one caption baseline to the next
inline constexpr double kCaptionHeight = 2 * kCaptionLeading + 2;
inline constexpr double kPlanGap = 5;  // between the drawing and the plan

}  // namespace vexolite::book
