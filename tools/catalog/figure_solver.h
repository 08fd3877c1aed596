// Counting the fillings and solutions of a figure: exact cover by the seven pieces, then orbits
// under the figure's own symmetries by Burnside's lemma.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog_figure.h"

namespace vexolite::catalog {

struct FigureCount {
  std::uint64_t fillings = 0;   // ways to place all seven pieces over the cells exactly
  int groupOrder = 0;           // number of the 48 cube transforms that are symmetries
  std::uint64_t solutions = 0;  // fillings counted once per orbit of the symmetry group
  // The first filling found: the figure's cubes in their given order, each with the piece that
  // covers it. Empty when there is no filling. The search order is fixed, so this is the same
  // on every run.
  std::vector<FigureCube> firstFilling;
};

// The indices (into cubeTransforms()) of the figure's symmetries: the transforms that, followed
// by the translation that keeps the bounding box in place, map its cells onto its cells and each
// cube fixed to a piece onto a cube fixed to the same piece (5 and 6 exchanged by reflections).
// The identity is always first.
std::vector<int> symmetryGroup(const std::vector<FigureCube>& cubes);

// Counts a figure. A figure of other than 27 cubes has no filling. Precondition: the cells are
// distinct.
FigureCount countFigure(const std::vector<FigureCube>& cubes);

// The solutions of a figure, one per class of fillings that its symmetries map onto each other
// (the classes countFigure counts). A filling reads as a digit string: the piece of every cube in
// text order (layer, row, cell). Each class is given by its smallest string over the class, a
// reflection exchanging the digits 5 and 6, and the strings are sorted.
struct FigureSolutions {
  std::vector<std::string> representatives;
  int groupOrder = 0;
};

// Lists a figure's solutions; cubes fixed to a piece keep it. A figure of other than 27 cubes
// has none. Precondition: the cells are distinct.
FigureSolutions listSolutions(const std::vector<FigureCube>& cubes);

// The cubes in text order, each with the piece its digit in `digits` gives. Precondition:
// digits has one digit 1..7 per cube, as listSolutions gives them.
std::vector<FigureCube> filledCubes(const std::vector<FigureCube>& cubes,
                                    const std::string& digits);

}  // namespace vexolite::catalog
