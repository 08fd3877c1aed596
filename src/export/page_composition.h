// The pages of case images: 9 columns by 6 rows of cells, each the size of one case image.
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "export/case_image.h"
#include "raster/raster_surface.h"

namespace vexolite {

inline constexpr int kPageColumns = 9;
inline constexpr int kPageRows = 6;
inline constexpr int kPageCells = kPageColumns * kPageRows;        // 54
inline constexpr int kPageWidth = kPageColumns * kCaseImageWidth;  // 1287 pixels, PageSurface
inline constexpr int kPageHeight = kPageRows * kCaseImageHeight;   // 690 pixels
inline constexpr int kLastPageNumber = 99;                         // page names carry two digits

// The top-left corner of a cell on the page, in pixels.
struct PageCell {
  int x = 0, y = 0;
  bool operator==(const PageCell&) const = default;
};

// Cell n of a page, n = 0..53, filled row by row from the top, left to right within a row.
PageCell pageCell(int n);

// Combines the upper-left 143 x 115 pixels of picture by AND into the cell: onto a white page
// the picture is reproduced. A smaller picture surface covers only its own size.
void placeInCell(const RasterSurface& picture, RasterSurface& page, PageCell cell);

// "vexo-pag" + the page number in two digits + ".bmp": 'vexo-pag07.bmp', 'vexo-pag42.bmp'.
// Nothing for a number outside 1..99, which two digits cannot name.
std::optional<std::string> pageFileName(int pageNumber);

}  // namespace vexolite
