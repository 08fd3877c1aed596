// Quarter turns of the whole drawing cube, in place: the figure's orientation lives in its cells.
// SPDX-License-Identifier: MIT
#pragma once

#include "case_library/figure.h"

namespace vexolite {

enum class Turn {
  Up,     // the right face comes to the top
  Down,   // the reverse of Up
  Left,   // the right face comes to the left face
  Right,  // the reverse of Left
};

// Turns cells 1..cubeSide on each axis by a quarter turn about the drawing cube's centre.
// Precondition: cubeSide even, 2..16.
void turnCells(CellGrid& cells, int cubeSide, Turn turn);

}  // namespace vexolite
