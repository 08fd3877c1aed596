// The pages of case images: 9 columns by 6 rows of cells, each the size of one case image.
// SPDX-License-Identifier: MIT
#include "export/page_composition.h"

#include <cassert>
#include <cmath>

namespace vexolite {

PageCell pageCell(int n) {
  assert(n >= 0 && n < kPageCells);
  return {(n % kPageColumns) * kCaseImageWidth, (n / kPageColumns) * kCaseImageHeight};
}

void placeInCell(const RasterSurface& picture, RasterSurface& page, PageCell cell) {
  page.andCopy(picture, 0, 0, kCaseImageWidth, kCaseImageHeight, cell.x, cell.y);
}

std::optional<std::string> pageFileName(int pageNumber) {
  if (pageNumber < 1 || pageNumber > kLastPageNumber) return std::nullopt;
  std::string digits = std::to_string(pageNumber);
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
  return "vexo-pag" + digits + ".bmp";
}

}  // namespace vexolite
