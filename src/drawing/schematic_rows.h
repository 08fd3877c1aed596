// The schematic rows: the figure's bounding box as text, one character a cell, layers side by side.
// SPDX-License-Identifier: MIT
#pragma once

#include "case_library/figure.h"
#include "drawing/figure_drawing.h"

namespace vexolite {

inline constexpr unsigned char kLayerGapCode = 179;  // closes each layer's run of cells

// For a bounding box of L layers, R rows and C columns: R rows, each of L (C + 1) characters,
// for each layer of the box, lowest first, the C cells of that row (character code = cube
// number, 0 for an empty cell) and the gap code. Empty rows and layers inside the box stay.
// A figure without cubes has no rows. Precondition: cubeSide 0..16; cells hold 0..27.
SchematicPlan buildSchematicRows(const CellGrid& cells, int cubeSide);

}  // namespace vexolite
