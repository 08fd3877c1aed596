// Extents and mirror symmetries of the figure, tested on a copy shifted to its bounding box.
// SPDX-License-Identifier: MIT
#include "geometry/symmetry.h"

#include <cstdint>
#include <optional>

#include "geometry/occupied_box.h"

namespace vexolite {

namespace {

constexpr std::int16_t kBoxOccupied = 9;

// The shape inside its bounding box, box cell (1, 1, 1) at the box's lowest corner. Only cells
// 1..e on each axis are written or read.
struct ShiftedFigure {
  CellGrid grid;
  int e1 = 0, e2 = 0, e3 = 0;  // Z, Y, X extents
};

void shiftToBox(const CellGrid& cells, int cubeSide, ShiftedFigure& figure) {
  const std::optional<OccupiedBox> box = occupiedBox(cells, cubeSide);
  if (!box) return;  // nothing occupied: all extents stay 0

  for (int i = box->minI; i <= box->maxI; ++i) {
    for (int j = box->minJ; j <= box->maxJ; ++j) {
      for (int k = box->minK; k <= box->maxK; ++k) {
        figure.grid(i - box->minI + 1, j - box->minJ + 1, k - box->minK + 1) =
            cells(i, j, k) > 0 ? kBoxOccupied : 0;
      }
    }
  }
  figure.e1 = box->maxI - box->minI + 1;
  figure.e2 = box->maxJ - box->minJ + 1;
  figure.e3 = box->maxK - box->minK + 1;
}

struct BoxCell {
  int a, b, c;
};

// True when every box cell of the range a 1..lastA, b 1..lastB, c 1..lastC equals its image;
// stops at the first pair that differs.
template <typename Image>
bool matchesImage(const CellGrid& grid, int lastA, int lastB, int lastC, Image image) {
  for (int a = 1; a <= lastA; ++a) {
    for (int b = 1; b <= lastB; ++b) {
      for (int c = 1; c <= lastC; ++c) {
        const auto [ia, ib, ic] = image(a, b, c);
        if (grid(a, b, c) != grid(ia, ib, ic)) return false;
      }
    }
  }
  return true;
}

}  // namespace

SymmetryReport findSymmetries(const CellGrid& cells, int cubeSide) {
  ShiftedFigure figure;
  shiftToBox(cells, cubeSide, figure);
  const CellGrid& g = figure.grid;
  const int e1 = figure.e1, e2 = figure.e2, e3 = figure.e3;

  SymmetryReport report;
  report.extentZ = e1;
  report.extentY = e2;
  report.extentX = e3;
  auto& m = report.mirrors;

  // The axis mirrors compare the lower half with its mirror and never a middle layer with itself.
  m[0] = matchesImage(g, e1, e2, e3 / 2, [&](int a, int b, int c) {
    return BoxCell{a, b, e3 + 1 - c};
  });
  m[1] = matchesImage(g, e1, e2 / 2, e3, [&](int a, int b, int c) {
    return BoxCell{a, e2 + 1 - b, c};
  });
  m[2] = matchesImage(g, e1 / 2, e2, e3, [&](int a, int b, int c) {
    return BoxCell{e1 + 1 - a, b, c};
  });

  // A diagonal mirror maps the box onto itself only when its two axes have the same extent.
  if (e2 == e3) {
    m[3] = matchesImage(g, e1, e2, e3, [&](int a, int b, int c) {
      return BoxCell{a, e2 + 1 - c, e3 + 1 - b};
    });
    m[4] = matchesImage(g, e1, e2, e3, [](int a, int b, int c) { return BoxCell{a, c, b}; });
  }
  if (e1 == e3) {
    m[5] = matchesImage(g, e1, e2, e3, [](int a, int b, int c) { return BoxCell{c, b, a}; });
    m[6] = matchesImage(g, e1, e2, e3, [&](int a, int b, int c) {
      return BoxCell{e1 + 1 - c, b, e3 + 1 - a};
    });
  }
  if (e1 == e2) {
    m[7] = matchesImage(g, e1, e2, e3, [](int a, int b, int c) { return BoxCell{b, a, c}; });
    m[8] = matchesImage(g, e1, e2, e3, [&](int a, int b, int c) {
      return BoxCell{e1 + 1 - b, e2 + 1 - a, c};
    });
  }
  return report;
}

std::string sizeCaption(char axis, int extent) {
  std::string text{axis, ':'};
  if (extent < 10) text += ' ';
  text += std::to_string(extent);
  return text;
}

}  // namespace vexolite
