// The listing of the working folder that the pages are composed from: matching and order.
// SPDX-License-Identifier: MIT
#include "export/image_listing.h"

#include <algorithm>

namespace vexolite {

namespace {

char folded(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool foldedLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(folded(x)) < static_cast<unsigned char>(folded(y));
  });
}

}  // namespace

// The usual matcher with one backtrack point: on a mismatch after a "*", that star takes one
// more character. Linear in the name for each star, never recursive.
bool matchesPattern(std::string_view name, std::string_view pattern) {
  std::size_t n = 0, p = 0;
  std::size_t starAt = std::string_view::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

std::vector<std::string> matchingNames(std::vector<std::string> names, std::string_view pattern) {
  std::erase_if(names,
                [pattern](const std::string& name) { return !matchesPattern(name, pattern); });
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    if (foldedLess(a, b)) return true;
    if (foldedLess(b, a)) return false;
    return a < b;
  });
  return names;
}

}  // namespace vexolite
