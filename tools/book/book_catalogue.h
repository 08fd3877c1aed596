// The cases a book shows: read from a case file, every record decoded, chosen and ordered.
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "book_options.h"
#include "case_library/case_decoding.h"
#include "case_library/parse_result.h"

namespace vexolite::book {

// One case of the book, as its record gives it.
struct BookCase {
  std::size_t record = 0;  // 1-based, in the file
  DecodedCase decoded;
};

// A complete English message naming the file and, where it concerns one, the record.
struct BookError {
  std::string message;
};

// Every record of the file decoded, in file order (ascending solutions). Refuses a file that
// cannot be read, is empty or not a whole number of records, or holds any record outside the
// data model, naming the record, the fault and its byte.
Result<std::vector<BookCase>, BookError> readCatalogue(const std::filesystem::path& caseFile);

// The cases numbered firstCase..lastCase (whole part; all when not given), by case value or in
// file order. Refuses a choice that leaves no case, naming the file and the range.
Result<std::vector<BookCase>, BookError> chooseCases(std::vector<BookCase> all,
                                                     const BookOptions& options);

// The case number as the viewer writes it: "123", "123.1", "005".
std::string caseNumberText(const CaseTexts& texts);

}  // namespace vexolite::book
