// The 154-byte record of the case file: field checks, the case code, the cell digits, the encoder.
// SPDX-License-Identifier: MIT
#include "case_library/record_format.h"

#include <cassert>

namespace vexolite {
namespace {

std::string zeroPadded(int value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

}  // namespace

ParseResult<bool> checkRecordFields(const RawRecord& record) {
  for (std::size_t offset = 0; offset < kRecordSize; offset += 2) {
    if (record[offset + 1] >= 128) {
      return RecordFault{RecordFaultKind::HighByteTooLarge, offset + 1, record[offset + 1]};
    }
  }
  if (int value = readField(record, kCaseValueOffset); value > kLargestCaseValue) {
    return RecordFault{RecordFaultKind::CaseValueTooLarge, kCaseValueOffset, value};
  }
  for (std::size_t group = 0; group < kCellGroupCount; ++group) {
    std::size_t offset = kCellFieldOffset + 2 * group;
    if (int value = readField(record, offset); value > kLargestGroupValue) {
      return RecordFault{RecordFaultKind::CellGroupTooLarge, offset, value,
                         static_cast<int>(group + 1)};
    }
  }
  return true;
}

std::string caseCode(int caseValue) {
  assert(caseValue >= 0 && caseValue <= kLargestCaseValue);
  std::string code = zeroPadded(caseValue, 4);
  if (code.back() == '0') code.back() = ' ';
  return code;
}

std::string decodeCellField(const RawRecord& record) {
  std::string digits;
  digits.reserve(kFigureDigitCount);
  for (std::size_t group = 0; group < kCellGroupCount; ++group) {
    int value = readField(record, kCellFieldOffset + 2 * group);
    assert(value <= kLargestGroupValue);
    digits += zeroPadded(value, 4);
  }
  return digits;
}

std::string figureMarks(std::string_view digits) {
  std::string marks(digits);
  for (char& c : marks) {
    if (c == '8') c = '|';
    if (c == '9') c = '/';
  }
  return marks;
}

RawRecord encodeRecord(int caseValue, std::string_view figureDigits, int solutionCount) {
  assert(caseValue >= 0 && caseValue <= kLargestCaseValue);
  assert(solutionCount >= 0 && solutionCount <= kLargestSolutionCount);
  assert(figureDigits.size() <= kFigureDigitCount);
  std::string digits(figureDigits);
  digits.resize(kFigureDigitCount, '0');

  RawRecord record{};
  auto put = [&record](std::size_t offset, int value) {
    record[offset] = static_cast<std::uint8_t>(value % 256);
    record[offset + 1] = static_cast<std::uint8_t>(value / 256);
  };
  put(kCaseValueOffset, caseValue);
  for (std::size_t group = 0; group < kCellGroupCount; ++group) {
    int value = 0;
    for (std::size_t d = 0; d < 4; ++d) {
      char c = digits[4 * group + d];
      assert(c >= '0' && c <= '9');
      value = value * 10 + (c - '0');
    }
    put(kCellFieldOffset + 2 * group, value);
  }
  put(kSolutionOffset, solutionCount);
  return record;
}

}  // namespace vexolite
