// The schematic: one square per cell of the figure, layer beside layer, bottom right of FigureView.
// SPDX-License-Identifier: MIT
#include "drawing/schematic.h"

#include <cassert>
#include <cstddef>
#include <cstdint>

#include "drawing/raster_canvas.h"

namespace vexolite {

namespace {

// Pixel positions of the schematic's grid on each surface: the last column and row end one
// pixel short of these edges.
constexpr int kRightEdge = 639;
constexpr int kBottomEdge = 479;
constexpr int kPitch = 7;
constexpr int kSmallRightEdge = 144;
constexpr int kSmallBottomEdge = 113;
constexpr int kSmallPitch = 3;

// Character codes from this one up are gaps between layers, not cube numbers.
constexpr int kFirstGapCode = 28;

// The state the cubelet table's row 0 holds: the empty cell.
constexpr int kEmptyCellState = 0;

// Calls visit(row, column, code) for every cell of the plan that is not a gap.
template <class Visit>
void forEachPlanCell(const SchematicPlan& plan, Visit visit) {
  assert(plan.rowCount >= 0 && static_cast<std::size_t>(plan.rowCount) < plan.rows.size());
  const int rowCount = plan.rowCount;
  for (int r = 1; r <= rowCount; ++r) {
    const std::string& row = plan.rows[static_cast<std::size_t>(r)];
    for (int j = 1; j <= static_cast<int>(row.size()); ++j) {
      const int c = static_cast<unsigned char>(row[static_cast<std::size_t>(j - 1)]);
      if (c < kFirstGapCode) visit(r, j, c);
    }
  }
}

}  // namespace

GlyphCorner planSquareCorner(int row, int column, int rowCount, int rowLength) {
  const int left = kRightEdge - kPitch * rowLength;
  const int top = kBottomEdge - kPitch * rowCount;
  const int smallLeft = kSmallRightEdge - kSmallPitch * rowLength;
  const int smallTop = kSmallBottomEdge - kSmallPitch * rowCount;
  return {(column - 1) * kPitch + left, (row - 1) * kPitch + top,
          (column - 1) * kSmallPitch + smallLeft, (row - 1) * kSmallPitch + smallTop};
}

void describePlan(FigureCanvas& canvas, const SchematicPlan& plan, const CubeletRows& cubelets,
                  const HelpChoice& help) {
  const int length = static_cast<int>(plan.rows[1].size());
  forEachPlanCell(plan, [&](int r, int j, int c) {
    const auto& cubelet = cubelets[static_cast<std::size_t>(c)];
    const int state = cubelet[kStateColumn];
    const int piece = cubelet[kPieceColumn];
    const bool highlighted = isHighlighted(help, piece);
    PlanSquare square;
    square.row = r;
    square.column = j;
    square.rowCount = plan.rowCount;
    square.rowLength = length;
    square.cube = c;
    square.piece = piece;
    if (state == kCubeShown) {
      square.kind = PlanCellKind::Cube;
      square.outline = kMidGrey;
      square.mark = kBlack;
      square.interior = highlighted ? pieceShades(piece).full : kMidGrey;
    } else if (state == kEmptyCellState || state == kCubeHidden) {
      square.kind = state == kCubeHidden ? PlanCellKind::HiddenCube : PlanCellKind::EmptyCell;
      square.outline = kLightGrey;
      square.mark = kLightGrey;
      square.interior = state == kCubeHidden ? kLightGrey : kWhite;
      if (highlighted) square.interior = pieceShades(piece).tint;
    } else {
      return;  // no other state is drawn
    }
    canvas.planSquare(square);
  });
}

void recordPlanSquares(const SchematicPlan& plan, CubeletRows& cubelets) {
  const int length = static_cast<int>(plan.rows[1].size());
  forEachPlanCell(plan, [&](int r, int j, int c) {
    const GlyphCorner at = planSquareCorner(r, j, plan.rowCount, length);
    auto& cubelet = cubelets[static_cast<std::size_t>(c)];
    cubelet[kSquareXColumn] = static_cast<std::int16_t>(at.x);
    cubelet[kSquareYColumn] = static_cast<std::int16_t>(at.y);
  });
}

void drawPlan(RasterSurface& figureView, RasterSurface& planSurface, const SchematicPlan& plan,
              CubeletRows& cubelets, const HelpChoice& help) {
  recordPlanSquares(plan, cubelets);
  RasterCanvas canvas(figureView, &planSurface);
  describePlan(canvas, plan, cubelets, help);
}

}  // namespace vexolite
