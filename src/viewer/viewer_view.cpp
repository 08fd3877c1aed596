// The load-and-show pipeline: symmetry, the zoom and its fit, the schematic rows, the drawing.
// SPDX-License-Identifier: MIT
#include <iostream>

#include "drawing/schematic_rows.h"
#include "geometry/symmetry.h"
#include "viewer/viewer.h"

namespace vexolite {

void Viewer::redraw() {
  updateSymmetry();
  planSurface_.clear();
  DrawingSize size = measureAtCurrentZoom();
  // No lower bound is needed: every figure of side up to 16 fits at zoom 0.5.
  while (!fitsPicture(size)) {
    setZoom(state_.view.zoom - kZoomStep);
    size = measureAtCurrentZoom();
  }
  state_.view.originX = size.originX;
  state_.view.originY = size.originY;
  state_.view.plan = buildSchematicRows(state_.figure.cells, state_.figure.cubeSide);
  paintFigure();
  controls_.setFocus(Control::CaseNumberBox);
}

// The zoom box shows the zoom in use.
void Viewer::setZoom(double zoom) {
  state_.view.zoom = zoom;
  controls_.setText(Control::ZoomBox, decimalText(zoom));
}

DrawingSize Viewer::measureAtCurrentZoom() const {
  return measureDrawing(state_.figure.cells, state_.figure.cubeSide, state_.view.zoom);
}

void Viewer::zoomOut() {
  if (state_.view.zoom - kZoomStep >= kSmallestZoom) {
    setZoom(state_.view.zoom - kZoomStep);
  } else {
    controls_.beep();
  }
  redraw();
}

void Viewer::zoomIn() {
  const double previousZoom = state_.view.zoom;
  setZoom(previousZoom + kZoomStep);
  if (!fitsPicture(measureAtCurrentZoom())) {
    setZoom(previousZoom);
    controls_.beep();
  }
  redraw();
}

static_assert(kMirrorIndicators.size() == SymmetryReport{}.mirrors.size());

void Viewer::updateSymmetry() {
  const SymmetryReport report = findSymmetries(state_.figure.cells, state_.figure.cubeSide);
  controls_.setText(Control::SizeX, sizeCaption('X', report.extentX));
  controls_.setText(Control::SizeY, sizeCaption('Y', report.extentY));
  controls_.setText(Control::SizeZ, sizeCaption('Z', report.extentZ));
  for (std::size_t n = 0; n < kMirrorIndicators.size(); ++n) {
    controls_.setChecked(kMirrorIndicators[n], report.mirrors[n]);
  }
}

HelpChoice Viewer::helpChoice() const {
  HelpChoice help;
  help.helpWithPiece = controls_.isChecked(Control::OnePieceHelpOption);
  for (int piece = 1; piece <= kPieceCount && help.chosenPiece == 0; ++piece) {
    if (controls_.isChecked(kPieceOptions[static_cast<std::size_t>(piece - 1)]))
      help.chosenPiece = piece;
  }
  help.solutionCount = state_.shownCase.solutionCount;
  help.caseNumber = state_.shownCase.caseNumber;
  return help;
}

void Viewer::paintFigure() {
  if (ending_) return;
  // The cell steps follow from the zoom inside drawFigure; the origin is that of the last fit.
  const Projection projection{state_.view.zoom, state_.view.originX, state_.view.originY};
  const std::optional<ImpossibleCell> impossible = drawFigure(
      figureView_, planSurface_, state_.figure, projection, state_.view.plan, helpChoice());
  if (impossible) {
    // The cell grid and the cube table disagree: nothing sound can be drawn any more.
    std::cerr << "vexolite: the cell (" << impossible->i << ", " << impossible->j << ", "
              << impossible->k << ") holds cube " << impossible->cube
              << ", which has no state; the program ends.\n";
    ending_ = true;
    controls_.endProgram();
    return;
  }
  controls_.showPicture(Control::FigureView, figureView_);
  controls_.showPicture(Control::PlanSurface, planSurface_);
  controls_.setFocus(Control::CaseNumberBox);
}

}  // namespace vexolite
