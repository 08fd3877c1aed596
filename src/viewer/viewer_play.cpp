// Playing with the shown case: quarter turns, typing a number, the help options, hiding cubes.
// SPDX-License-Identifier: MIT
#include "case_library/code_points.h"
#include "viewer/viewer.h"

namespace vexolite {

static_assert(kPieceOptions.size() == kPieceCount);

void Viewer::turn(Turn turn) {
  turnCells(state_.figure.cells, state_.figure.cubeSide, turn);
  redraw();
}

void Viewer::caseNumberEdited() {
  if (ending_) return;
  // Lengths and cuts count characters, not bytes: a cut through a multi-byte letter would come
  // back from the box as a longer text, and the handler would never end.
  const std::string text = controls_.text(Control::CaseNumberBox);
  const std::u32string characters = decodeUtf8(text);
  const char32_t last = characters.empty() ? U'\0' : characters.back();
  if ((last >= U'0' && last <= U'9') || last == U'.') {
    if (characters.size() < 6) {
      showTypedCase(text);
    } else {
      // The box keeps the last five characters, and the handler runs again on them.
      replaceTypedText(lastCharacters(text, 5), characters.size());
    }
  } else if (!text.empty()) {
    // "+" and "-" as any other character: the box is emptied and the handler runs again on
    // the empty text, which does nothing.
    replaceTypedText("", characters.size());
  }
}

// The handler runs again only on a text the box made shorter, so that a box that hands back
// something else than it was given cannot keep it running for ever.
void Viewer::replaceTypedText(const std::string& replacement, std::size_t characterCount) {
  controls_.setText(Control::CaseNumberBox, replacement);
  if (decodeUtf8(controls_.text(Control::CaseNumberBox)).size() < characterCount)
    caseNumberEdited();
}

void Viewer::chooseHelp(bool withPiece) {
  if (ending_) return;
  controls_.setEnabled(Control::PiecePanel, withPiece);
  controls_.setFocus(Control::CaseNumberBox);  // as after a button
}

void Viewer::choosePiece(int piece) {
  if (ending_ || piece < 1 || piece > kPieceCount) return;
  // The help piece is final for the run: every other choice is closed.
  const Control chosen = kPieceOptions[static_cast<std::size_t>(piece - 1)];
  for (Control other : kPieceOptions) {
    if (other != chosen) controls_.setEnabled(other, false);
  }
  controls_.setEnabled(Control::NoHelpOption, false);
  controls_.setEnabled(Control::OnePieceHelpOption, false);
  redraw();
}

void Viewer::pressOnView(double x, double y) {
  if (ending_) return;
  for (std::size_t cube = 1; cube <= kMaxCubes; ++cube) {
    auto& row = state_.figure.cubes[cube];
    const double gx = row[kSquareXColumn];
    const double gy = row[kSquareYColumn];
    if (!(gx <= x && x <= gx + 5 && gy <= y && y <= gy + 5)) continue;
    if (row[kStateColumn] == kCubeHidden) {
      row[kStateColumn] = kCubeShown;
      paintFigure();
      return;
    }
    if (row[kStateColumn] == kCubeShown) {
      row[kStateColumn] = kCubeHidden;
      paintFigure();
      return;
    }
  }
}

}  // namespace vexolite
