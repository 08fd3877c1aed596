// Each piece's fixed cubes tried against every placement of the piece through one of them.
// SPDX-License-Identifier: MIT
#include "pinned_pieces.h"

#include <algorithm>
#include <map>

#include "piece_shapes.h"

namespace vexolite::catalog {

int uncoverablePinnedPiece(const std::vector<FigureCube>& cubes) {
  std::map<Cell, int> pieceAt;
  for (const FigureCube& cube : cubes)
    pieceAt[cube.cell] = cube.piece;
  for (int piece = 1; piece <= kPieceTotal; ++piece) {
    std::vector<Cell> pinned;
    for (const FigureCube& cube : cubes) {
      if (cube.piece == piece) pinned.push_back(cube.cell);
    }
    if (pinned.empty()) continue;
    // A covering placement puts one of its cells on the first fixed cube.
    auto covers = [&](const std::vector<Cell>& shape, const Cell& on) {
      std::vector<Cell> placed;
      for (const Cell& s : shape) {
        const Cell c{pinned[0].i + s.i - on.i, pinned[0].j + s.j - on.j, pinned[0].k + s.k - on.k};
        const auto at = pieceAt.find(c);
        if (at == pieceAt.end() || (at->second != 0 && at->second != piece)) return false;
        placed.push_back(c);
      }
      return std::all_of(pinned.begin(), pinned.end(), [&](const Cell& p) {
        return std::find(placed.begin(), placed.end(), p) != placed.end();
      });
    };
    bool covered = false;
    for (const std::vector<Cell>& shape : pieceOrientations(piece)) {
      for (const Cell& on : shape)
        covered = covered || covers(shape, on);
    }
    if (!covered) return piece;
  }
  return 0;
}

std::string pinnedPieceProblem(const CatalogFigure& figure, const std::string& fileName) {
  const int piece = uncoverablePinnedPiece(figure.cubes);
  if (piece == 0) return "";
  const std::string digit = std::to_string(piece);
  return fileName + ":" + std::to_string(figure.line) + ": case " + caseName(figure.caseValue) +
         ": no placement of piece " + digit + " covers all the cubes marked " + digit;
}

}  // namespace vexolite::catalog
