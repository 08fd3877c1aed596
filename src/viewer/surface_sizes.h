// The sizes in pixels of the five surfaces the viewer draws on and hands to the window.
// SPDX-License-Identifier: MIT
#pragma once

#include "viewer/controls.h"

namespace vexolite {

struct SurfaceSize {
  int width = 0;
  int height = 0;
};

// The window places its picture boxes at exactly these sizes (the Qt layer's layout table checks
// its own figures against them when it compiles).
inline constexpr SurfaceSize kFigureViewSize{640, 480};
inline constexpr SurfaceSize kTextSurfaceSize{640, 480};
inline constexpr SurfaceSize kCaseImageSize{143, 115};
inline constexpr SurfaceSize kPlanSurfaceSize{143, 115};
inline constexpr SurfaceSize kPageSurfaceSize{1287, 690};

// The size of a picture control; {0, 0} for a control that is not one of the five surfaces.
constexpr SurfaceSize surfaceSizeOf(Control control) {
  switch (control) {
    case Control::FigureView:
      return kFigureViewSize;
    case Control::TextSurface:
      return kTextSurfaceSize;
    case Control::CaseImage:
      return kCaseImageSize;
    case Control::PlanSurface:
      return kPlanSurfaceSize;
    case Control::PageSurface:
      return kPageSurfaceSize;
    default:
      return {};
  }
}

}  // namespace vexolite
