// The colours of the seven pieces and the rule that decides when a piece is drawn in colour.
// SPDX-License-Identifier: MIT
#pragma once

#include "raster/raster_surface.h"

namespace vexolite {

// What the highlight rule reads of the window and the shown case.
struct HelpChoice {
  bool helpWithPiece = false;  // OnePieceHelpOption selected
  int chosenPiece = 0;         // 1..7 for PieceV..PieceTripod selected, 0 for none
  int solutionCount = 0;
  int caseNumber = 0;  // whole-number part
};

// True when piece (any int) is 1..7 and either help with that piece is on in a case of more
// than 10 solutions, or the case is 705, which shows every piece in colour.
bool isHighlighted(const HelpChoice& help, int piece);

// The two greys of everything drawn for a piece that is not highlighted; white is the third.
inline constexpr Rgb kMidGrey{128, 128, 128};
inline constexpr Rgb kLightGrey{192, 192, 192};

// The colours of one piece where it is highlighted.
struct PieceShades {
  Rgb full;   // filled glyph interior, top face, faint cube
  Rgb tint;   // empty glyph interior of a hidden cube
  Rgb left;   // left face of a shaded cube
  Rgb right;  // right face of a shaded cube
};

// Precondition: piece 1..7.
const PieceShades& pieceShades(int piece);

}  // namespace vexolite
