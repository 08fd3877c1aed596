// The bounding box of a figure: the smallest range of layers, rows and columns holding every cube.
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "case_library/figure.h"

namespace vexolite {

struct OccupiedBox {
  int minI = 0, maxI = 0;  // layers
  int minJ = 0, maxJ = 0;  // rows
  int minK = 0, maxK = 0;  // columns
};

// Occupied means a cell above 0; nullopt when cells 1..cubeSide hold no cube. Precondition:
// cubeSide 0..16.
std::optional<OccupiedBox> occupiedBox(const CellGrid& cells, int cubeSide);

}  // namespace vexolite
