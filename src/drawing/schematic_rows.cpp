// The schematic rows: the figure's bounding box as text, one character a cell, layers side by side.
#include "drawing/schematic_rows.h"

#include <optional>

#include "geometry/occupied_box.h"

namespace vexolite {

SchematicLayout buildSchematicRows(const CellGrid& cells, int cubeSide) {
  SchematicLayout layout;
  const std::optional<OccupiedBox> box = occupiedBox(cells, cubeSide);
  if (!box) {
    layout.FirstColumn = static_cast<std::int16_t>(cubeSide + 1);  // the column scan ran out
    return layout;                                                 // no cube: no rows
  }
  const int minI = box->minI, maxI = box->maxI, minJ = box->minJ, maxJ = box->maxJ;
  const int minK = box->minK, maxK = box->maxK;
  layout.FirstColumn = static_cast<std::int16_t>(minK);
  layout.CutLineLength = static_cast<std::int16_t>(cubeSide - minK + 1);
  layout.BoxColumns = static_cast<std::int16_t>(maxK - minK + 1);
  const int rowCount = maxJ - minJ + 1;
  layout.plan.rowCount = static_cast<std::int16_t>(rowCount);
  for (int r = 1; r <= rowCount; ++r) {
    std::string& row = layout.plan.rows[static_cast<std::size_t>(r)];
    row.reserve(static_cast<std::size_t>((maxI - minI + 1) * (layout.BoxColumns + 1)));
    const int j = minJ + r - 1;
    for (int i = minI; i <= maxI; ++i) {
      for (int k = minK; k <= maxK; ++k)
        row.push_back(static_cast<char>(cells(i, j, k)));
      row.push_back(static_cast<char>(kLayerGapCode));
    }
  }
  return layout;
}

}  // namespace vexolite
