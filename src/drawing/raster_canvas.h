// The raster end of the figure's description: faces filled by one-pixel lines, as on screen.
// SPDX-License-Identifier: MIT
#pragma once

#include "drawing/figure_canvas.h"
#include "raster/raster_surface.h"

namespace vexolite {

// Draws the shapes on FigureView, and the plan's small marks on PlanSurface when there is one.
// A face is filled by parallel lines: a side face by lines along its top edge, one a pixel row
// (every second one when hatched); the top face by vertical lines, half a pixel longer each way
// per column, whatever dy is. The lines leave column X and the seams to the edges, which the
// edges drawn after them cover. A plan square is a 6 x 6 outline around a 4 x 4 inside at a
// pitch of 7, with a 2 x 2 mark at a pitch of 3, both grids ending at the surfaces' bottom right.
class RasterCanvas : public FigureCanvas {
 public:
  explicit RasterCanvas(RasterSurface& figureView, RasterSurface* planSurface = nullptr)
      : figureView_(figureView), planSurface_(planSurface) {}

  void cubeFace(const CubeFace& face) override;
  void cubeEdges(std::span<const Point> path, Rgb colour) override;
  void planSquare(const PlanSquare& square) override;

 private:
  RasterSurface& figureView_;
  RasterSurface* planSurface_;
};

}  // namespace vexolite
