// Case names, extents and face-connectivity of the catalogue's figures.
// SPDX-License-Identifier: MIT
#include "catalog_figure.h"

#include <algorithm>
#include <set>

namespace vexolite::catalog {

std::string caseName(int caseValue) {
  std::string name = std::to_string(caseValue / 10);
  if (caseValue % 10 != 0) name += "." + std::to_string(caseValue % 10);
  return name;
}

std::vector<Cell> cellsOf(const std::vector<FigureCube>& cubes) {
  std::vector<Cell> cells;
  cells.reserve(cubes.size());
  for (const FigureCube& cube : cubes)
    cells.push_back(cube.cell);
  return cells;
}

Extent extentOf(const std::vector<FigureCube>& cubes) {
  Extent extent;
  for (const FigureCube& cube : cubes) {
    extent.layers = std::max(extent.layers, cube.cell.i);
    extent.rows = std::max(extent.rows, cube.cell.j);
    extent.columns = std::max(extent.columns, cube.cell.k);
  }
  return extent;
}

bool isFaceConnected(const std::vector<Cell>& cells) {
  if (cells.empty()) return true;
  const std::set<Cell> all(cells.begin(), cells.end());
  std::set<Cell> reached{cells.front()};
  std::vector<Cell> open{cells.front()};
  while (!open.empty()) {
    const Cell c = open.back();
    open.pop_back();
    const Cell neighbours[] = {{c.i - 1, c.j, c.k}, {c.i + 1, c.j, c.k}, {c.i, c.j - 1, c.k},
                               {c.i, c.j + 1, c.k}, {c.i, c.j, c.k - 1}, {c.i, c.j, c.k + 1}};
    for (const Cell& n : neighbours) {
      if (all.count(n) != 0 && reached.insert(n).second) open.push_back(n);
    }
  }
  return reached.size() == all.size();
}

}  // namespace vexolite::catalog
