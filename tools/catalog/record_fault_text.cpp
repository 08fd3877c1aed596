// The English wording of the record faults that the case library reports as values.
// SPDX-License-Identifier: MIT
#include "record_fault_text.h"

namespace vexolite::catalog {

std::string recordFaultText(const RecordFault& fault) {
  switch (fault.kind) {
    case RecordFaultKind::HighByteTooLarge:
      return "high byte " + std::to_string(fault.value) + " is 128 or more";
    case RecordFaultKind::CaseValueTooLarge:
      return "case value " + std::to_string(fault.value) + " has more than 4 digits";
    case RecordFaultKind::CellGroupTooLarge:
      return "cell group " + std::to_string(fault.group) + " is " + std::to_string(fault.value) +
             ", more than 4 digits";
    case RecordFaultKind::TooManyCubes:
      return "the figure has more than 27 cubes";
    case RecordFaultKind::TooManyLayers:
      return "the figure has more than 16 layers";
    case RecordFaultKind::TooManyRows:
      return "a layer has more than 16 rows";
    case RecordFaultKind::TooManyCells:
      return "a row has more than 16 cells";
    case RecordFaultKind::FigureSignInvalid:
      return "the figure holds a sign other than a digit 0 to 7, \"|\" or \"/\"";
  }
  return "the record is not valid";
}

}  // namespace vexolite::catalog
