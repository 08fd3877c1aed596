// The bounding box of a figure: the smallest range of layers, rows and columns holding every cube.
// SPDX-License-Identifier: MIT
#include "geometry/occupied_box.h"

#include <algorithm>

namespace vexolite {

std::optional<OccupiedBox> occupiedBox(const CellGrid& cells, int cubeSide) {
  std::optional<OccupiedBox> box;
  for (int i = 1; i <= cubeSide; ++i) {
    for (int j = 1; j <= cubeSide; ++j) {
      for (int k = 1; k <= cubeSide; ++k) {
        if (cells(i, j, k) <= 0) continue;
        if (!box) {
          box = OccupiedBox{i, i, j, j, k, k};
          continue;
        }
        box->minI = std::min(box->minI, i), box->maxI = std::max(box->maxI, i);
        box->minJ = std::min(box->minJ, j), box->maxJ = std::max(box->maxJ, j);
        box->minK = std::min(box->minK, k), box->maxK = std::max(box->maxK, k);
      }
    }
  }
  return box;
}

}  // namespace vexolite
