// The 154-byte record of the case file "VEXOLITE.DAT": its fields, the case code, the cell digits.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "case_library/parse_result.h"

namespace vexolite {

inline constexpr std::size_t kRecordSize = 154;
inline constexpr std::size_t kCaseValueOffset = 0;
inline constexpr std::size_t kCellFieldOffset = 2;
inline constexpr std::size_t kCellFieldSize = 150;  // 75 groups of two bytes
inline constexpr std::size_t kCellGroupCount = kCellFieldSize / 2;
inline constexpr std::size_t kSolutionOffset = 152;
inline constexpr std::size_t kFigureDigitCount = 300;  // four digits per group
inline constexpr int kLargestGroupValue = 9999;        // a group gives at most four digits
inline constexpr int kLargestCaseValue = 9999;         // a case code has four characters
inline constexpr int kLargestSolutionCount = 32767;
inline constexpr char kCaseFileName[] = "VEXOLITE.DAT";

using RawRecord = std::array<std::uint8_t, kRecordSize>;

// A 16-bit field of the record, low byte first. The data model allows only high bytes below 128,
// so within it the value is the same read signed or unsigned.
inline int readField(const RawRecord& record, std::size_t offset) {
  return record[offset] + 256 * record[offset + 1];
}

// Checks the three kinds of 16-bit field of a record against the data model: every high byte
// below 128, the case value and every cell group at most 9999. The error names the byte at fault.
ParseResult<bool> checkRecordFields(const RawRecord& record);

// The four-character case code of a case value: decimal, zero-padded on the left to four
// characters, a final "0" replaced by a blank ('123 ' for 1230, '1231' for 1231, '005 ' for 50).
// Precondition: 0 <= value <= 9999.
std::string caseCode(int caseValue);

// The 150 bytes of the cell field, as characters, become the 300 figure digits
// (each group zero-padded to four digits). Precondition: every group is at most 9999.
std::string decodeCellField(const RawRecord& record);

// The figure string of the digits: every "8" becomes "|" (end of a row) and every "9" becomes
// "/" (end of a layer); the other characters stay.
std::string figureMarks(std::string_view digits);

// Builds a record from a case value, figure digits ('0'..'9', at most 300; the rest is padded
// with "0") and a solution count. Preconditions: values within the data model.
RawRecord encodeRecord(int caseValue, std::string_view figureDigits, int solutionCount);

}  // namespace vexolite
