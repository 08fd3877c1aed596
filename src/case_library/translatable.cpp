// Fills message templates and finds the parts a filled template was given, for translation.
// SPDX-License-Identifier: MIT
#include "case_library/translatable.h"

namespace vexolite {
namespace {

bool isPlaceholder(std::string_view pattern, std::size_t at) {
  return pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
         pattern[at + 1] <= '9';
}

bool match(std::string_view pattern, std::size_t p, std::string_view text, std::size_t t,
           std::vector<std::string>& parts) {
  if (p == pattern.size()) return t == text.size();
  if (!isPlaceholder(pattern, p)) {
    return t < text.size() && pattern[p] == text[t] && match(pattern, p + 1, text, t + 1, parts);
  }
  const auto index = static_cast<std::size_t>(pattern[p + 1] - '1');
  if (parts.size() <= index) parts.resize(index + 1);
  // A filled part is never empty: every filler is a number, a name or a cause.
  for (std::size_t end = t + 1; end <= text.size(); ++end) {
    parts[index] = std::string(text.substr(t, end - t));
    if (match(pattern, p + 2, text, end, parts)) return true;
  }
  return false;
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

std::optional<std::vector<std::string>> partsFilling(std::string_view pattern,
                                                     std::string_view text) {
  std::vector<std::string> parts;
  if (!match(pattern, 0, text, 0, parts)) return std::nullopt;
  return parts;
}

}  // namespace vexolite
