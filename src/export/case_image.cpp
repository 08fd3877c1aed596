// The case image: the corner of the view, the case and solution texts, the small plan, a border.
// SPDX-License-Identifier: MIT
#include "export/case_image.h"

namespace vexolite {

namespace {

// Where each caption is stamped: the labels beside the view's top-right corner, the texts in
// the image's top-right corner (the top three rows of the case text fall above the image).
constexpr int kLabelX = 540;
constexpr int kCaseLabelY = 1;
constexpr int kSolutionLabelY = 15;
constexpr int kTextX = 102;
constexpr int kCaseTextY = -3;
constexpr int kSolutionTextY = 11;

// The corner of the view that reaches the image; rows from 115 on fall off its bottom.
constexpr int kViewCornerX = 1;
constexpr int kViewCornerY = 1;
constexpr int kViewCornerWidth = 142;
constexpr int kViewCornerHeight = 125;

// The plan lands one pixel right of and below its place on PlanSurface.
constexpr int kPlanX = 1;
constexpr int kPlanY = 1;

}  // namespace

void stampCaption(const CaptionRenderer& render, const std::string& caption,
                  RasterSurface& textSurface, RasterSurface& target, int x, int y) {
  textSurface.clear();
  render(caption, textSurface);
  target.andCopy(textSurface, x, y);
}

void composeCaseImage(const CaseCaptions& captions, const CaptionRenderer& render,
                      const CaseImageSurfaces& surfaces) {
  stampCaption(render, captions.caseLabel, surfaces.text, surfaces.view, kLabelX, kCaseLabelY);
  stampCaption(render, captions.solutionLabel, surfaces.text, surfaces.view, kLabelX,
               kSolutionLabelY);

  RasterSurface& image = surfaces.image;
  image.clear();
  image.andCopy(surfaces.view, kViewCornerX, kViewCornerY, kViewCornerWidth, kViewCornerHeight,
                kViewCornerX, kViewCornerY);
  stampCaption(render, captions.caseText, surfaces.text, image, kTextX, kCaseTextY);
  stampCaption(render, captions.solutionText, surfaces.text, image, kTextX, kSolutionTextY);
  image.andCopy(surfaces.plan, kPlanX, kPlanY);

  // The bottom row, then the right column upwards. A line leaves its end pixel, so the top
  // pixel of the column is set on its own: the whole column is black.
  const int right = kCaseImageWidth - 1;
  const int bottom = kCaseImageHeight - 1;
  image.setColour(kBlack);
  image.line(0, bottom, right, bottom);
  image.lineTo(right, 0);
  image.plot(right, 0);
}

CaseImageNames caseImageNames(const std::string& caseCodeCopy, const std::string& imageBaseName) {
  return {"caso" + caseCodeCopy + ".BMP", "S" + imageBaseName + ".bmp"};
}

}  // namespace vexolite
