// The outcome of a catalogue-tool step: a value, or an error message ready to print.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "case_library/parse_result.h"

namespace vexolite::catalog {

// A complete English message that names where the problem is (file and line, or file and record)
// and what was wrong.
struct CatalogError {
  std::string message;
};

template <class T>
using Outcome = Result<T, CatalogError>;

}  // namespace vexolite::catalog
