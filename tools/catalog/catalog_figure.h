// A figure of the catalogue source: its case value and its cubes, each free or fixed to a piece.
// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <string>
#include <vector>

namespace vexolite::catalog {

// A cell (i, j, k) = (layer, row, cell in row), each from 1 in a figure, layer 1 lowest.
struct Cell {
  int i = 0, j = 0, k = 0;
  auto operator<=>(const Cell&) const = default;
};

// A cube of a figure. piece is 0 for a cube whose piece the solver chooses ("x"), or the piece
// 1..7 the cube must belong to.
struct FigureCube {
  Cell cell;
  int piece = 0;
  auto operator<=>(const FigureCube&) const = default;
};

inline constexpr int kCase705Value = 7050;

struct CatalogFigure {
  int caseValue = 0;  // case number x 10 + decimal digit
  int line = 0;       // line of its "case" line in the source, 0 when not from a source
  std::vector<FigureCube> cubes;
};

// "123" for case value 1230, "123.1" for 1231.
std::string caseName(int caseValue);

// The cells of the cubes, in the cubes' order.
std::vector<Cell> cellsOf(const std::vector<FigureCube>& cubes);

// Bounding box of the cells: largest layer, row and cell index (the figure's cells start at 1).
struct Extent {
  int layers = 0, rows = 0, columns = 0;
};
Extent extentOf(const std::vector<FigureCube>& cubes);

// True when every cube can be reached from every other through shared faces.
bool isFaceConnected(const std::vector<Cell>& cells);

}  // namespace vexolite::catalog
