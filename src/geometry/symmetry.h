// The figure's extents along X, Y and Z and which of nine mirror symmetries its shape has.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "case_library/figure.h"

namespace vexolite {

struct SymmetryReport {
  int extentZ = 0, extentY = 0, extentX = 0;  // e1, e2, e3: first, second, third index
  // MirrorX .. MirrorYZBackslash in order: X, Y, Z, XY/, XY\, XZ/, XZ\, YZ/, YZ\.
  std::array<bool, 9> mirrors{};
};

// Occupied means a cell above 0; which cube sits there plays no part. Precondition:
// cubeSide 0..16.
SymmetryReport findSymmetries(const CellGrid& cells, int cubeSide);

// The size caption of one axis: the letter, a colon, the extent right-aligned in two
// characters: "X: 3", "Y:10".
std::string sizeCaption(char axis, int extent);

}  // namespace vexolite
