// The load-and-show pipeline: symmetry, the zoom and its fit, the schematic rows, the drawing.
#include <iostream>

#include "drawing/schematic_rows.h"
#include "geometry/symmetry.h"
#include "viewer/viewer.h"

namespace vexolite {

void Viewer::redraw() {
  updateSymmetry();
  pictures_[3].clear();
  fitDrawing();
  // No lower bound is needed: every figure of side up to 16 fits at zoom 0.5.
  while (!fitsPicture(state_)) {
    state_.ZoomFactor -= kZoomStep;
    controls_.setText(Control::ZoomBox, decimalText(state_.ZoomFactor));
    fitDrawing();
  }
  SchematicLayout layout = buildSchematicRows(state_.CellMatrix, state_.CubeSide);
  state_.Schematic = std::move(layout.plan);
  state_.FirstColumn = layout.FirstColumn;
  state_.CutLineLength = layout.CutLineLength;
  state_.BoxColumns = layout.BoxColumns;
  paintFigure();
  controls_.setFocus(Control::CaseNumberBox);
}

void Viewer::fitDrawing() {
  static_cast<DrawingSize&>(state_) =
      measureDrawing(state_.CellMatrix, state_.CubeSide, state_.ZoomFactor);
}

void Viewer::zoomOut() {
  if (state_.ZoomFactor - kZoomStep >= kSmallestZoom) {
    state_.ZoomFactor -= kZoomStep;
    controls_.setText(Control::ZoomBox, decimalText(state_.ZoomFactor));
  } else {
    controls_.beep();
  }
  redraw();
}

void Viewer::zoomIn() {
  state_.PreviousZoom = state_.ZoomFactor;
  state_.ZoomFactor += kZoomStep;
  controls_.setText(Control::ZoomBox, decimalText(state_.ZoomFactor));
  fitDrawing();
  if (!fitsPicture(state_)) {
    state_.ZoomFactor = state_.PreviousZoom;
    controls_.beep();
    controls_.setText(Control::ZoomBox, decimalText(state_.ZoomFactor));
  }
  redraw();
}

void Viewer::updateSymmetry() {
  const SymmetryReport report = findSymmetries(state_.CellMatrix, state_.CubeSide);
  state_.SizeTextX = sizeCaption('X', report.extentX);
  state_.SizeTextY = sizeCaption('Y', report.extentY);
  state_.SizeTextZ = sizeCaption('Z', report.extentZ);
  controls_.setText(Control::SizeX, state_.SizeTextX);
  controls_.setText(Control::SizeY, state_.SizeTextY);
  controls_.setText(Control::SizeZ, state_.SizeTextZ);
  for (int n = 1; n <= 9; ++n) {
    controls_.setChecked(Check(n), report.mirrors[static_cast<std::size_t>(n - 1)]);
  }
}

HelpChoice Viewer::helpChoice() const {
  HelpChoice help;
  help.helpWithPiece = controls_.isChecked(Control::OnePieceHelpOption);
  for (int piece = 1; piece <= kPieceCount && help.chosenPiece == 0; ++piece) {
    if (controls_.isChecked(Option(piece))) help.chosenPiece = piece;
  }
  help.solutionCount = state_.SolutionCount;
  help.caseNumber = state_.CaseNumber;
  return help;
}

void Viewer::paintFigure() {
  if (ending_) return;
  // The cell steps follow from the zoom inside drawFigure, as fitDrawing left them in the state.
  const Projection projection{state_.ZoomFactor, state_.OriginX, state_.OriginY};
  const std::optional<ImpossibleCell> impossible =
      drawFigure(pictures_[0], pictures_[3], state_, projection, state_.Schematic, helpChoice());
  if (impossible) {
    // The cell grid and the cube table disagree: nothing sound can be drawn any more.
    std::cerr << "vexolite: the cell (" << impossible->i << ", " << impossible->j << ", "
              << impossible->k << ") holds cube " << impossible->cube
              << ", which has no state; the program ends.\n";
    ending_ = true;
    controls_.endProgram();
    return;
  }
  controls_.showPicture(Control::FigureView, pictures_[0]);
  controls_.showPicture(Control::PlanSurface, pictures_[3]);
  controls_.setFocus(Control::CaseNumberBox);
}

}  // namespace vexolite
