// Moving through the case file: by case number, by solution order, and the search they share.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cmath>

#include "case_library/case_search.h"
#include "case_library/number_text.h"
#include "viewer/viewer.h"

namespace vexolite {

// A number of 0 or below, or above 705, names no case and shows the last record of the file.
// Searching for the record count as a case number instead would show an unrelated case.
void Viewer::showTypedCase(std::string_view typed) {
  state_.catalogue.currentRecord = state_.catalogue.recordCount;
  if (const std::optional<std::string> key = caseSearchKey(typed, kLastCaseNumber)) {
    if (caseFile_ && !channel_.open(*caseFile_)) {
      const auto records = static_cast<std::uint64_t>(std::max(state_.catalogue.recordCount, 0));
      if (const auto found = findCaseRecord(channel_, *key, records)) {
        state_.catalogue.currentRecord = static_cast<int>(*found);
      }
    }
  }
  channel_.close();
  showCurrentRecord();
}

void Viewer::previousByNumber() {
  int previous = static_cast<int>(std::trunc(numericValue(state_.shownCase.caseNumberText) - 1));
  if (previous <= 0) previous = kLastCaseNumber;
  showTypedCase(std::to_string(previous));
}

void Viewer::nextByNumber() {
  int next = static_cast<int>(std::trunc(numericValue(state_.shownCase.caseNumberText) + 1));
  if (next > kLastCaseNumber) next = 1;
  showTypedCase(std::to_string(next));
}

void Viewer::previousBySolutions() {
  CataloguePosition& at = state_.catalogue;
  at.currentRecord = at.currentRecord - 1 >= 1 ? at.currentRecord - 1 : at.recordCount;
  showCurrentRecord();
}

bool Viewer::nextBySolutions() {
  CataloguePosition& at = state_.catalogue;
  at.currentRecord = at.currentRecord + 1 <= at.recordCount ? at.currentRecord + 1 : 1;
  return showCurrentRecord();
}

}  // namespace vexolite
