// Moving through the case file: by case number, by solution order, and the search they share.
#include <algorithm>
#include <cmath>

#include "case_library/case_search.h"
#include "case_library/number_text.h"
#include "viewer/viewer.h"

namespace vexolite {

// A number of 0 or below, or above 705, names no case and shows the last record of the file.
// Searching for the record count as a case number instead would show an unrelated case.
void Viewer::showTypedCase() {
  state_.CurrentRecord = state_.RecordCount;
  if (const std::optional<std::string> key =
          caseSearchKey(state_.SearchCaseText, state_.LastCaseNumber)) {
    state_.SearchCaseText = *key;
    if (caseFile_ && !channel_.open(*caseFile_)) {
      const auto records = static_cast<std::uint64_t>(std::max(state_.RecordCount, 0.0));
      if (const auto found = findCaseRecord(channel_, *key, records)) {
        state_.SearchRecord = static_cast<double>(*found);
        state_.CurrentRecord = state_.SearchRecord;
      }
    }
  }
  channel_.close();
  showCurrentRecord();
}

void Viewer::stepCaseNumber(double caseNumber) {
  state_.CurrentRecord = caseNumber;
  state_.SearchCaseText = decimalText(caseNumber);
  showTypedCase();
}

void Viewer::previousByNumber() {
  double previous = std::trunc(numericValue(state_.CaseNumberText) - 1);
  if (previous <= 0) previous = state_.LastCaseNumber;
  stepCaseNumber(previous);
}

void Viewer::nextByNumber() {
  double next = std::trunc(numericValue(state_.CaseNumberText) + 1);
  if (next > state_.LastCaseNumber) next = 1;
  stepCaseNumber(next);
}

void Viewer::previousBySolutions() {
  if (state_.CurrentRecord - 1 >= 1) {
    state_.CurrentRecord = state_.CurrentRecord - 1;
  } else {
    state_.CurrentRecord = state_.RecordCount;
  }
  showCurrentRecord();
}

bool Viewer::nextBySolutions() {
  if (state_.CurrentRecord + 1 <= state_.RecordCount) {
    state_.CurrentRecord = state_.CurrentRecord + 1;
  } else {
    state_.CurrentRecord = 1;
  }
  return showCurrentRecord();
}

}  // namespace vexolite
