// The four quarter turns as in-place shifts of four-cell cycles, layer by layer.
// SPDX-License-Identifier: MIT
#include "geometry/quarter_turns.h"

#include <cstdint>

namespace vexolite {

namespace {

// Each cell takes the value of the one after it; the last takes the first's old value.
void shiftCycle(std::int16_t& first, std::int16_t& second, std::int16_t& third,
                std::int16_t& fourth) {
  const std::int16_t turnSwapCell = first;
  first = second;
  second = third;
  third = fourth;
  fourth = turnSwapCell;
}

}  // namespace

void turnCells(CellGrid& cells, int cubeSide, Turn turn) {
  // m - x mirrors x within 1..cubeSide. With an even side, p and q over 1..h reach every
  // four-cell cycle of a layer exactly once.
  const int m = cubeSide + 1;
  const int h = cubeSide / 2;
  for (int L = 1; L <= cubeSide; ++L) {
    for (int p = 1; p <= h; ++p) {
      for (int q = 1; q <= h; ++q) {
        switch (turn) {
          case Turn::Up:  // about the second index
            shiftCycle(cells(p, L, q), cells(m - q, L, p), cells(m - p, L, m - q),
                       cells(q, L, m - p));
            break;
          case Turn::Down:
            shiftCycle(cells(p, L, q), cells(q, L, m - p), cells(m - p, L, m - q),
                       cells(m - q, L, p));
            break;
          case Turn::Left:  // about the first index, vertical in the view
            shiftCycle(cells(L, p, q), cells(L, m - q, p), cells(L, m - p, m - q),
                       cells(L, q, m - p));
            break;
          case Turn::Right:
            shiftCycle(cells(L, p, q), cells(L, q, m - p), cells(L, m - p, m - q),
                       cells(L, m - q, p));
            break;
        }
      }
    }
  }
}

}  // namespace vexolite
