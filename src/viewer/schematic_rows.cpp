// The schematic rows: the figure's bounding box as text, one character a cell, layers side by side.
#include "viewer/schematic_rows.h"

#include <algorithm>

namespace vexolite {

SchematicLayout buildSchematicRows(const CellGrid& cells, int cubeSide) {
  int minI = cubeSide + 1, minJ = cubeSide + 1, minK = cubeSide + 1;
  int maxI = 0, maxJ = 0, maxK = 0;
  for (int i = 1; i <= cubeSide; ++i) {
    for (int j = 1; j <= cubeSide; ++j) {
      for (int k = 1; k <= cubeSide; ++k) {
        if (cells(i, j, k) <= 0) continue;
        minI = std::min(minI, i), maxI = std::max(maxI, i);
        minJ = std::min(minJ, j), maxJ = std::max(maxJ, j);
        minK = std::min(minK, k), maxK = std::max(maxK, k);
      }
    }
  }
  SchematicLayout layout;
  layout.FirstColumn = static_cast<std::int16_t>(minK);
  if (maxI == 0) return layout;  // no cube: no rows

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
