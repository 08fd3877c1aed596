// Cubes fixed to a piece that no position of that piece can cover together.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "catalog_figure.h"

namespace vexolite::catalog {

// The lowest piece 1..7 whose fixed cubes lie on no single placement of it (turned, inside the
// figure, on no cube fixed to another piece), or 0 when every piece's fixed cubes can be
// covered. Such a figure has no filling, for a reason the user can mend.
int uncoverablePinnedPiece(const std::vector<FigureCube>& cubes);

// "<fileName>:<line>: case N: no placement of piece P covers all the cubes marked P", or "" when
// uncoverablePinnedPiece finds none.
std::string pinnedPieceProblem(const CatalogFigure& figure, const std::string& fileName);

}  // namespace vexolite::catalog
