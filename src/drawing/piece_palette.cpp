// The colours of the seven pieces and the rule that decides when a piece is drawn in colour.
// SPDX-License-Identifier: MIT
#include "drawing/piece_palette.h"

#include <array>
#include <cassert>

#include "case_library/figure.h"

namespace vexolite {

namespace {

// Indexed by piece - 1: V, L, T, Z, right screw, left screw, tripod.
constexpr std::array<PieceShades, kPieceCount> kPalette{{
    {{0, 0, 255}, {112, 112, 255}, {80, 80, 255}, {112, 112, 255}},      // azul
    {{0, 255, 0}, {150, 255, 150}, {150, 255, 150}, {210, 255, 210}},    // verde
    {{0, 255, 255}, {150, 255, 255}, {150, 255, 255}, {210, 255, 255}},  // cian
    {{255, 0, 0}, {255, 112, 112}, {255, 80, 80}, {255, 112, 112}},      // rojo
    {{255, 0, 255}, {255, 112, 255}, {255, 80, 255}, {255, 112, 255}},   // lila
    {{255, 255, 0}, {255, 255, 150}, {255, 255, 150}, {255, 255, 210}},  // amarillo
    {{80, 80, 80}, {144, 144, 144}, {112, 112, 112}, {144, 144, 144}},   // gris
}};

// The case that shows the seven pieces apart, each in its colour.
constexpr double kAllPiecesCase = 705;
// Help with one piece colours it only in cases with more solutions than this.
constexpr double kHelpSolutionThreshold = 10;

}  // namespace

bool isHighlighted(const HelpChoice& help, int piece) {
  if (piece < 1 || piece > kPieceCount) return false;
  bool highlighted = false;
  if (help.helpWithPiece && help.solutionCount > kHelpSolutionThreshold) {
    highlighted = help.chosenPiece == piece;
  }
  if (help.caseNumber == kAllPiecesCase) highlighted = true;
  return highlighted;
}

const PieceShades& pieceShades(int piece) {
  assert(piece >= 1 && piece <= kPieceCount);
  return kPalette[static_cast<std::size_t>(piece - 1)];
}

}  // namespace vexolite
