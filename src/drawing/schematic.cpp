// The schematic: one square per cell of the figure, layer beside layer, bottom right of FigureView.
// SPDX-License-Identifier: MIT
#include "drawing/schematic.h"

#include <cassert>
#include <cstddef>
#include <cstdint>

#include "drawing/schematic_glyphs.h"

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

}  // namespace

void drawPlan(RasterSurface& figureView, RasterSurface& planSurface, const SchematicPlan& plan,
              CubeletRows& cubelets, const HelpChoice& help) {
  assert(plan.rowCount >= 0 && static_cast<std::size_t>(plan.rowCount) < plan.rows.size());
  const int length = static_cast<int>(plan.rows[1].size());
  const int left = kRightEdge - kPitch * length;
  const int top = kBottomEdge - kPitch * plan.rowCount;
  const int smallLeft = kSmallRightEdge - kSmallPitch * length;
  const int smallTop = kSmallBottomEdge - kSmallPitch * plan.rowCount;

  const int rowCount = plan.rowCount;
  for (int r = 1; r <= rowCount; ++r) {
    const std::string& row = plan.rows[static_cast<std::size_t>(r)];
    for (int j = 1; j <= static_cast<int>(row.size()); ++j) {
      const GlyphCorner at{(j - 1) * kPitch + left, (r - 1) * kPitch + top,
                           (j - 1) * kSmallPitch + smallLeft, (r - 1) * kSmallPitch + smallTop};
      const int c = static_cast<unsigned char>(row[static_cast<std::size_t>(j - 1)]);
      if (c >= kFirstGapCode) continue;
      auto& cubelet = cubelets[static_cast<std::size_t>(c)];
      cubelet[kSquareXColumn] = static_cast<std::int16_t>(at.x);
      cubelet[kSquareYColumn] = static_cast<std::int16_t>(at.y);
      const int state = cubelet[kStateColumn];
      const int piece = cubelet[kPieceColumn];
      if (state == kCubeShown) {
        drawCubeSquare(figureView, planSurface, at, piece, help);
      } else if (state == 0 || state == kCubeHidden) {
        drawEmptySquare(figureView, planSurface, at, state, piece, help);
      }
    }
  }
}

}  // namespace vexolite
