// The book as PDF bytes: the title page, the figure pages and the solution pages, with outline.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "book_catalogue.h"
#include "book_layout.h"
#include "book_options.h"

namespace vexolite::book {

// A marked text in the book's language.
using Translate = std::function<std::string(std::string_view marked)>;

struct BookRequest {
  std::vector<BookCase> cases;  // in the book's order
  Paper paper = Paper::A4;
  bool solutions = true;
  std::string date;  // ISO 8601 in UTC, "2024-02-29T13:05:00": the creation and change date
  Translate translate;
};

// Where the pages of a book lie: the title page is page 1, then the figure pages, then as many
// solution pages with the same boxes.
struct BookPlan {
  std::vector<FigureMeasure> measures;        // one per case, in the book's order
  std::vector<std::vector<FigureBox>> pages;  // the figure pages' boxes
  int figurePagesFrom = 2;                    // page numbers, from 1
  int solutionPagesFrom = 0;                  // 0 without solutions
  int pageCount = 1;
};
BookPlan planBook(const BookRequest& request);

// The whole PDF, or an error naming what the PDF library refused.
struct RenderedBook {
  std::vector<std::uint8_t> bytes;
  std::string error;  // empty when the bytes are the book
};
RenderedBook renderBook(const BookRequest& request);

}  // namespace vexolite::book
