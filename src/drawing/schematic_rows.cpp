// The schematic rows: the figure's bounding box as text, one character a cell, layers side by side.
// SPDX-License-Identifier: MIT
#include "drawing/schematic_rows.h"

#include <optional>

#include "geometry/occupied_box.h"

namespace vexolite {

SchematicPlan buildSchematicRows(const CellGrid& cells, int cubeSide) {
  SchematicPlan plan;
  const std::optional<OccupiedBox> box = occupiedBox(cells, cubeSide);
  if (!box) return plan;
  const int rowCount = box->maxJ - box->minJ + 1;
  const int columns = box->maxK - box->minK + 1;
  plan.rowCount = static_cast<std::int16_t>(rowCount);
  for (int r = 1; r <= rowCount; ++r) {
    std::string& row = plan.rows[static_cast<std::size_t>(r)];
    row.reserve(static_cast<std::size_t>((box->maxI - box->minI + 1) * (columns + 1)));
    const int j = box->minJ + r - 1;
    for (int i = box->minI; i <= box->maxI; ++i) {
      for (int k = box->minK; k <= box->maxK; ++k)
        row.push_back(static_cast<char>(cells(i, j, k)));
      row.push_back(static_cast<char>(kLayerGapCode));
    }
  }
  return plan;
}

}  // namespace vexolite
