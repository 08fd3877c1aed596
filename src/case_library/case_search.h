// Finding a case by its number: the search key of a typed number, and the record that holds it.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "case_library/case_file.h"

namespace vexolite {

// The case code to search for a number typed or stepped to: the numeric value of text times
// ten, its fraction dropped, as a case code ("12" and "12.0" give '012 ', "12.3" and "12.34"
// give '0123'). A number of 0 or below, or above lastCaseNumber, names no case: nullopt, and the
// caller shows the last record.
std::optional<std::string> caseSearchKey(std::string_view text, double lastCaseNumber);

// The first record, 1 to recordCount, whose case code equals key, read from record 1 on through
// the open channel; nullopt when none does or the file ends first. Records whose case value
// lies outside the data model match nothing.
std::optional<std::uint64_t> findCaseRecord(CaseChannel& channel, const std::string& key,
                                            std::uint64_t recordCount);

}  // namespace vexolite
