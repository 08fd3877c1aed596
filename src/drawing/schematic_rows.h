// The schematic rows: the figure's bounding box as text, one character a cell, layers side by side.
#pragma once

#include <cstdint>

#include "case_library/figure.h"
#include "drawing/figure_drawing.h"

namespace vexolite {

inline constexpr unsigned char kLayerGapCode = 179;  // closes each layer's run of cells

struct SchematicLayout {
  SchematicPlan plan;              // rowCount 0 for a figure without cubes
  std::int16_t FirstColumn = 0;    // first column of the box
  std::int16_t CutLineLength = 0;  // row-line length once the leading empty columns are cut
  std::int16_t BoxColumns = 0;     // columns of the box
};

// For a bounding box of L layers, R rows and C columns: R rows, each of L (C + 1) characters,
// for each layer of the box, lowest first, the C cells of that row (character code = cube
// number, 0 for an empty cell) and the gap code. Empty rows and layers inside the box stay.
// Precondition: cubeSide 0..16; cells hold 0..27.
SchematicLayout buildSchematicRows(const CellGrid& cells, int cubeSide);

}  // namespace vexolite
