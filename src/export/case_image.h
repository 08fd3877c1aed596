// The case image: the corner of the view, the case and solution texts, the small plan, a border.
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "raster/raster_surface.h"

namespace vexolite {

inline constexpr int kCaseImageWidth = 143;   // pixels, as CaseImage
inline constexpr int kCaseImageHeight = 115;  // pixels

// The captions the image carries, as the labels hold them after a load.
struct CaseCaptions {
  std::string caseLabel;      // CaseLabel, ' CASO:   123.1 '
  std::string solutionLabel;  // SolutionsLabel, ' SOLU:    12 '
  std::string caseText;       // CaseNumberLabel, '123.1 '
  std::string solutionText;   // SolutionCountLabel, '   12'
};

// Puts one caption into the rich-text box and renders the box's text onto the text surface,
// which the caller has just cleared.
using CaptionRenderer = std::function<void(const std::string& caption, RasterSurface& textSurface)>;

// A text stamp: clears textSurface, renders the caption on it, and combines the whole of it by
// AND onto target with its top-left corner at (x, y). Only the caption's black reaches target.
void stampCaption(const CaptionRenderer& render, const std::string& caption,
                  RasterSurface& textSurface, RasterSurface& target, int x, int y);

struct CaseImageSurfaces {
  RasterSurface& view;        // FigureView, the drawn case; keeps the two label stamps
  RasterSurface& text;        // TextSurface, the text work surface, 640 x 480
  RasterSurface& image;       // CaseImage, 143 x 115, the image composed
  const RasterSurface& plan;  // PlanSurface, the small plan of the cubes
};

// Composes the case image on surfaces.image: the label stamps on the view at (540, 1) and
// (540, 15); the view's pixels from (1, 1), 142 x 125, to the same place; the case text at
// (102, -3) and the solution text at (102, 11); the plan one pixel right of and below its own
// place; a black bottom row (y 114) and right column (x 142). Every copy combines by AND, so a
// black pixel of the view stays black under the texts and the plan.
void composeCaseImage(const CaseCaptions& captions, const CaptionRenderer& render,
                      const CaseImageSurfaces& surfaces);

// The two names of a case's image file: "caso" + case code + ".BMP", which the pages collect,
// and "S" + solution digits + "-" + case code + ".bmp", which lists in solution order.
struct CaseImageNames {
  std::string byCase;       // 'caso123 .BMP'
  std::string bySolutions;  // 'S00240-123 .bmp'
};
CaseImageNames caseImageNames(const std::string& caseCodeCopy, const std::string& imageBaseName);

}  // namespace vexolite
