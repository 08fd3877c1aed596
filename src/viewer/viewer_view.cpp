// The load-and-show pipeline: symmetry, the zoom and its fit, the schematic rows, the drawing.
#include <iostream>

#include "geometry/symmetry.h"
#include "viewer/schematic_rows.h"
#include "viewer/viewer.h"

namespace vexolite {

void Viewer::CARGARYMOSTRAR() {
  simetria();
  pictures_[3].clear();
  TAMANO();
  // No lower bound is needed: every figure of side up to 16 fits at zoom 0.5.
  while (!fitsPicture(state_)) {
    state_.ZoomFactor -= kZoomStep;
    controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
    TAMANO();
  }
  SchematicLayout layout = buildSchematicRows(state_.CellMatrix, state_.CubeSide);
  state_.Schematic = std::move(layout.plan);
  state_.FirstColumn = layout.FirstColumn;
  state_.CutLineLength = layout.CutLineLength;
  state_.BoxColumns = layout.BoxColumns;
  DIBUJATODO();
  controls_.setFocus(Control::Text1);
}

void Viewer::TAMANO() {
  static_cast<DrawingSize&>(state_) =
      measureDrawing(state_.CellMatrix, state_.CubeSide, state_.ZoomFactor);
}

void Viewer::DISMINUIR() {
  if (state_.ZoomFactor - kZoomStep >= kSmallestZoom) {
    state_.ZoomFactor -= kZoomStep;
    controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
  } else {
    controls_.beep();
  }
  CARGARYMOSTRAR();
}

void Viewer::AUMENTAR() {
  state_.PreviousZoom = state_.ZoomFactor;
  state_.ZoomFactor += kZoomStep;
  controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
  TAMANO();
  if (!fitsPicture(state_)) {
    state_.ZoomFactor = state_.PreviousZoom;
    controls_.beep();
    controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
  }
  CARGARYMOSTRAR();
}

void Viewer::simetria() {
  const SymmetryReport report = findSymmetries(state_.CellMatrix, state_.CubeSide);
  state_.SizeTextX = sizeCaption('X', report.extentX);
  state_.SizeTextY = sizeCaption('Y', report.extentY);
  state_.SizeTextZ = sizeCaption('Z', report.extentZ);
  controls_.setText(Control::Label7, state_.SizeTextX);
  controls_.setText(Control::Label8, state_.SizeTextY);
  controls_.setText(Control::Label9, state_.SizeTextZ);
  for (int n = 1; n <= 9; ++n) {
    controls_.setChecked(Check(n), report.mirrors[static_cast<std::size_t>(n - 1)]);
  }
}

HelpChoice Viewer::helpChoice() const {
  HelpChoice help;
  help.helpWithPiece = controls_.isChecked(Control::Option9);
  for (int piece = 1; piece <= kPieceCount && help.chosenPiece == 0; ++piece) {
    if (controls_.isChecked(Option(piece))) help.chosenPiece = piece;
  }
  help.solutionCount = state_.SolutionCount;
  help.caseNumber = state_.CaseNumber;
  return help;
}

void Viewer::DIBUJATODO() {
  if (ending_) return;
  // The cell steps follow from the zoom inside drawFigure, as TAMANO left them in the state.
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
  controls_.showPicture(Control::Picture1, pictures_[0]);
  controls_.showPicture(Control::Picture4, pictures_[3]);
  controls_.setFocus(Control::Text1);
}

}  // namespace vexolite
