// Finding a case by its number: the search key of a typed number, and the record that holds it.
// SPDX-License-Identifier: MIT
#include "case_library/case_search.h"

#include <cmath>
#include <vector>

#include "case_library/number_text.h"
#include "case_library/record_format.h"

namespace vexolite {

std::optional<std::string> caseSearchKey(std::string_view text, double lastCaseNumber) {
  const double number = numericValue(text);
  if (!(number > 0) || number > lastCaseNumber) return std::nullopt;
  return caseCode(static_cast<int>(std::trunc(number * 10)));
}

std::optional<std::uint64_t> findCaseRecord(CaseChannel& channel, const std::string& key,
                                            std::uint64_t recordCount) {
  // Blocks of records in one read each: a search runs on every typed digit and always starts
  // at record 1.
  constexpr std::uint64_t kBlock = 256;
  std::vector<RawRecord> block;
  for (std::uint64_t first = 1; first <= recordCount; first += kBlock) {
    const std::uint64_t wanted = std::min(kBlock, recordCount - first + 1);
    if (channel.readRecords(first, wanted, block) || block.empty()) return std::nullopt;
    for (std::size_t n = 0; n < block.size(); ++n) {
      const int caseValue = readField(block[n], 0);
      if (caseValue <= kLargestCaseValue && caseCode(caseValue) == key) return first + n;
    }
    if (block.size() < wanted) return std::nullopt;  // the file ended early
  }
  return std::nullopt;
}

}  // namespace vexolite
