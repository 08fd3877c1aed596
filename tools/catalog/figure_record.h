// A filled figure as the record's figure digits, and a decoded record's figure as cubes.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "case_library/case_decoding.h"
#include "catalog_figure.h"
#include "catalog_outcome.h"

namespace vexolite::catalog {

// The figure digits of a figure whose every cube carries its piece 1..7: each layer of the
// bounding box, lowest first, as its rows (cells k = 1.. as digits, "0" for empty, trailing empty
// cells left out, trailing empty rows of the layer left out) joined by "8" and ended by "9". The
// record pads the rest with "0". Fails, with the reason, when the figure leaves the record: a
// coordinate outside 1..16, or more than 300 digits.
Outcome<std::string> figureRecordDigits(const std::vector<FigureCube>& cubes);

// The cubes of a decoded figure, in its cube order, each with its stored piece.
std::vector<FigureCube> decodedCubes(const DecodedFigure& figure);

}  // namespace vexolite::catalog
