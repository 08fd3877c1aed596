// Where everything of the book lies on its pages: the paper, the boxes of the figures, in points.
// SPDX-License-Identifier: MIT
#include "book_layout.h"

#include <algorithm>
#include <cmath>

#include "drawing/drawing_size.h"
#include "geometry/occupied_box.h"

namespace vexolite::book {

namespace {

// The plan's lines of blocks and their size for a box of inner width, in points.
struct PlanShape {
  int layersPerLine = 1;
  double width = 0, height = 0;
};

PlanShape planShape(const FigureMeasure& m, double innerWidth, double square) {
  PlanShape shape;
  if (m.layers == 0) return shape;
  const double block = (m.columns + 1) * square;
  shape.layersPerLine = std::clamp(static_cast<int>((innerWidth + square) / block), 1, m.layers);
  const int lines = (m.layers + shape.layersPerLine - 1) / shape.layersPerLine;
  shape.width = shape.layersPerLine * block - square;
  shape.height = lines * m.rows * square + (lines - 1) * square;
  return shape;
}

// One figure's box at the book's scale, less where the page is too small for it: the drawing
// decides the width, the plan's layers wrap below it. Where the box would be taller than the
// area, it is widened, so that more layers of the plan stand side by side; at the area's full
// width the drawing, and then the plan's squares, are made smaller.
FigureBox sizeBox(const FigureMeasure& m, std::size_t index, double areaWidth, double areaHeight) {
  const double column = areaWidth / kColumns;
  const double need =
      std::max(m.drawingWidth * kBookScale, m.columns * kPlanSquare) + 2 * kBoxPadding;
  const int fewest = std::clamp(static_cast<int>(std::ceil(need / column - 1e-9)), 1, kColumns);

  FigureBox box;
  box.figure = index;
  for (int columns = fewest; columns <= kColumns; ++columns) {
    box.width = columns * column;
    const double inner = box.width - 2 * kBoxPadding;
    box.planSquare = kPlanSquare;
    PlanShape plan = planShape(m, inner, box.planSquare);
    const auto fixedHeight = [&] {
      return 2 * kBoxPadding + kCaptionHeight + kPlanGap + plan.height;
    };
    box.scale = kBookScale;
    if (m.drawingWidth > 0) box.scale = std::min(box.scale, inner / m.drawingWidth);
    const bool last = columns == kColumns;
    if (fixedHeight() + m.drawingHeight * box.scale > areaHeight) {
      if (!last) continue;
      // Half the area for the drawing at the least, the rest for the plan.
      while (plan.height > (areaHeight - 2 * kBoxPadding - kCaptionHeight - kPlanGap) / 2) {
        box.planSquare *= 0.9;
        plan = planShape(m, inner, box.planSquare);
      }
      if (m.drawingHeight > 0) {
        box.scale = std::min(box.scale, (areaHeight - fixedHeight()) / m.drawingHeight);
      }
    }
    box.layersPerLine = plan.layersPerLine;
    box.height = fixedHeight() + m.drawingHeight * box.scale;
    break;
  }
  return box;
}

// The parts of a box placed at (x, y).
void placeBox(FigureBox& box, const FigureMeasure& m, double x, double y) {
  box.x = x;
  box.y = y;
  box.captionY = y + kBoxPadding + kCaptionSize;
  box.drawingX = x + (box.width - m.drawingWidth * box.scale) / 2;
  box.drawingY = y + kBoxPadding + kCaptionHeight;
  const PlanShape plan = planShape(m, box.width - 2 * kBoxPadding, box.planSquare);
  box.planX = x + (box.width - plan.width) / 2;
  box.planY = box.drawingY + m.drawingHeight * box.scale + kPlanGap;
}

}  // namespace

PaperSize paperSize(Paper paper) {
  // A4 is 210 x 297 mm; Letter 8.5 x 11 inches.
  if (paper == Paper::Letter) return {612, 792};
  return {210 / 25.4 * 72, 297 / 25.4 * 72};
}

FigureMeasure measureFigure(const FigureFields& figure) {
  FigureMeasure m;
  const auto box = occupiedBox(figure.cells, figure.cubeSide);
  if (!box) return m;
  const DrawingSize size = measureDrawing(figure.cells, figure.cubeSide, 1);
  m.drawingWidth = size.width;
  m.drawingHeight = size.height;
  m.originX = size.originX;
  m.originY = size.originY;
  m.layers = box->maxI - box->minI + 1;
  m.rows = box->maxJ - box->minJ + 1;
  m.columns = box->maxK - box->minK + 1;
  return m;
}

std::vector<std::vector<FigureBox>> layOutFigures(std::span<const FigureMeasure> figures,
                                                  Paper paper) {
  const PaperSize size = paperSize(paper);
  const double areaWidth = size.width - 2 * kMargin;
  const double areaBottom = size.height - kAreaBottomMargin;
  const double column = areaWidth / kColumns;
  std::vector<std::vector<FigureBox>> pages;
  double rowTop = kAreaTop, rowHeight = 0;
  int rowColumns = 0;
  for (std::size_t n = 0; n < figures.size(); ++n) {
    FigureBox box = sizeBox(figures[n], n, areaWidth, areaBottom - kAreaTop);
    const int columns = static_cast<int>(std::lround(box.width / column));
    if (rowColumns + columns > kColumns) {  // a new row
      rowTop += rowHeight;
      rowHeight = 0;
      rowColumns = 0;
    }
    if (pages.empty() || rowTop + std::max(rowHeight, box.height) > areaBottom + 1e-6) {
      pages.emplace_back();  // a new page
      rowTop = kAreaTop;
      rowHeight = 0;
      rowColumns = 0;
    }
    placeBox(box, figures[n], kMargin + rowColumns * column, rowTop);
    rowColumns += columns;
    rowHeight = std::max(rowHeight, box.height);
    pages.back().push_back(box);
  }
  return pages;
}

}  // namespace vexolite::book
