// Encoding a filled figure as record digits, and reading the cubes of a decoded figure.
// SPDX-License-Identifier: MIT
#include "figure_record.h"

#include <algorithm>

#include "fig_text.h"

namespace vexolite::catalog {

Outcome<std::string> figureRecordDigits(const std::vector<FigureCube>& cubes) {
  for (const FigureCube& cube : cubes) {
    const Cell& c = cube.cell;
    if (c.i < 1 || c.j < 1 || c.k < 1 || c.i > kLargestExtent || c.j > kLargestExtent ||
        c.k > kLargestExtent) {
      return CatalogError{"a cube lies outside the 16 layers, rows or cells of a record"};
    }
    if (cube.piece < 1 || cube.piece > 7) return CatalogError{"a cube has no piece"};
  }
  const Extent extent = extentOf(cubes);
  std::string digits;
  for (int i = 1; i <= extent.layers; ++i) {
    // rows[j - 1] holds the digits of row j of this layer.
    std::vector<std::string> rows(static_cast<std::size_t>(extent.rows));
    for (const FigureCube& cube : cubes) {
      if (cube.cell.i != i) continue;
      std::string& row = rows[static_cast<std::size_t>(cube.cell.j - 1)];
      if (row.size() < static_cast<std::size_t>(cube.cell.k)) {
        row.resize(static_cast<std::size_t>(cube.cell.k), '0');
      }
      row[static_cast<std::size_t>(cube.cell.k - 1)] = static_cast<char>('0' + cube.piece);
    }
    while (!rows.empty() && rows.back().empty())
      rows.pop_back();
    for (std::size_t j = 0; j < rows.size(); ++j) {
      if (j > 0) digits += '8';
      digits += rows[j];
    }
    digits += '9';
  }
  if (digits.size() > kFigureDigitCount) {
    return CatalogError{"needs " + std::to_string(digits.size()) + " record digits, more than 300"};
  }
  return digits;
}

std::vector<FigureCube> decodedCubes(const DecodedFigure& figure) {
  std::vector<FigureCube> cubes;
  for (int n = 0; n < figure.cubeCount; ++n) {
    const PlacedCube& placed = figure.cubes[static_cast<std::size_t>(n)];
    cubes.push_back(FigureCube{Cell{placed.i, placed.j, placed.k}, placed.piece});
  }
  return cubes;
}

}  // namespace vexolite::catalog
