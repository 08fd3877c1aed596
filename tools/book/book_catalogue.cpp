// The cases a book shows: read from a case file, every record decoded, chosen and ordered.
// SPDX-License-Identifier: MIT
#include "book_catalogue.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "catalog_check.h"
#include "record_fault_text.h"

namespace vexolite::book {

namespace {

// A case file is a few hundred records; a file far past any the data model can use (65536
// records of case values) is refused before it is read into memory.
constexpr std::uintmax_t kLargestFile = std::uintmax_t{kRecordSize} * 65536;

}  // namespace

Result<std::vector<BookCase>, BookError> readCatalogue(const std::filesystem::path& caseFile) {
  const std::string name = caseFile.string();
  std::error_code error;
  if (std::filesystem::is_directory(caseFile, error)) {
    return BookError{name + ": is a folder, not a case file"};
  }
  errno = 0;
  std::ifstream in(caseFile, std::ios::binary);
  if (!in) {
    return BookError{name + ": cannot be read (" +
                     (errno != 0 ? std::strerror(errno) : "cannot be opened") + ")"};
  }
  // Read in pieces up to the limit, so that a device without end (/dev/zero) is refused too.
  std::vector<std::uint8_t> bytes;
  std::array<char, 1 << 16> piece{};
  while (in && bytes.size() <= kLargestFile) {
    in.read(piece.data(), piece.size());
    bytes.insert(bytes.end(), piece.data(), piece.data() + in.gcount());
  }
  if (bytes.size() > kLargestFile) {
    return BookError{name + ": more than " + std::to_string(kLargestFile) +
                     " bytes, more than the 65536 records a case file can use"};
  }
  if (in.bad()) return BookError{name + ": the read failed"};
  if (bytes.empty()) return BookError{name + ": the file is empty, it holds no case"};

  auto records = catalog::splitRecords(bytes, name);
  if (!records) return BookError{records.error().message};
  std::vector<BookCase> cases;
  cases.reserve(records.value().size());
  for (std::size_t r = 0; r < records.value().size(); ++r) {
    auto decoded = decodeRecord(records.value()[r]);
    if (!decoded) {
      const RecordFault& fault = decoded.error();
      return BookError{name + ", record " + std::to_string(r + 1) + ": " +
                       catalog::recordFaultText(fault) + " (byte " +
                       std::to_string(fault.byteOffset) + " of the record)"};
    }
    cases.push_back({r + 1, std::move(decoded).value()});
  }
  return cases;
}

Result<std::vector<BookCase>, BookError> chooseCases(std::vector<BookCase> all,
                                                     const BookOptions& options) {
  if (options.firstCase && options.lastCase) {
    std::erase_if(all, [&](const BookCase& c) {
      const int number = c.decoded.texts.caseNumber;
      return number < *options.firstCase || number > *options.lastCase;
    });
    if (all.empty()) {
      return BookError{options.caseFile.string() + ": no case numbered " +
                       std::to_string(*options.firstCase) + " to " +
                       std::to_string(*options.lastCase)};
    }
  }
  if (options.order == Order::ByNumber) {
    std::stable_sort(all.begin(), all.end(), [](const BookCase& a, const BookCase& b) {
      return a.decoded.texts.recordCaseValue < b.decoded.texts.recordCaseValue;
    });
  }
  return all;
}

std::string caseNumberText(const CaseTexts& texts) {
  std::string text = texts.caseText;
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

}  // namespace vexolite::book
