// A record the viewer would refuse, said in the tools' own English.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "case_library/parse_result.h"

namespace vexolite::catalog {

// What is wrong with the record, as a phrase without the record or byte it concerns
// ("high byte 200 is 128 or more"); the caller names those.
std::string recordFaultText(const RecordFault& fault);

}  // namespace vexolite::catalog
