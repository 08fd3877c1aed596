// Fills message templates with their parts.
// SPDX-License-Identifier: MIT
#include "case_library/translatable.h"

namespace vexolite {
namespace {

bool isPlaceholder(std::string_view pattern, std::size_t at) {
  return pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
         pattern[at + 1] <= '9';
}

}  // namespace

std::string fillIn(std::string_view pattern, std::span<const std::string> args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t n = 0; n < pattern.size(); ++n) {
    if (isPlaceholder(pattern, n)) {
      const auto index = static_cast<std::size_t>(pattern[n + 1] - '1');
      if (index < args.size()) {
        out += args[index];
        ++n;
        continue;
      }
    }
    out += pattern[n];
  }
  return out;
}

}  // namespace vexolite
