// A plain search for the tests: every filling of a figure, and the cube's 48 transforms, written
// without the tool's solver or transform code.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "catalog_figure.h"

namespace vexolite::catalog::oracle {

using Vec = std::array<int, 3>;                    // (i, j, k)
using Labeled = std::vector<std::pair<Vec, int>>;  // cells with a piece (0: free), sorted

// True for the 24 transforms t of moved() that are reflections.
bool isReflection(int t);

// Signed permutation t of 48: image coordinate a is coordinate kAxes[t / 8][a], negated if bit a
// of t is set; reflections swap the screws 5 and 6. The image is sorted and moved so that its
// first cell is 0.
Labeled moved(int t, Labeled cells);

Labeled labeled(const std::vector<FigureCube>& cubes);

// The transforms t that map the shape, as moved() leaves it, onto itself.
std::vector<int> symmetries(const Labeled& shape);

// The pieces in the order of the cells, as digits.
std::string digitsOf(const Labeled& cells);

struct Fillings {
  Labeled figure;               // moved to start at 0
  std::vector<Labeled> all;     // every filling, cells in the figure's order
  std::vector<int> symmetries;  // the transforms t that map the figure onto itself
};

// Every filling by brute force: the pieces 1 to 7 placed in turn wherever they fit.
Fillings allFillings(const std::vector<FigureCube>& cubes);

}  // namespace vexolite::catalog::oracle
