// The listing of the working folder that the pages are composed from: matching and order.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexolite {

// The case image files the pages collect; it also finds the "caso...BMP" names the case image
// export writes, since letter case is ignored.
inline constexpr std::string_view kCaseImagePattern = "caso*.bmp";

// True when the whole name matches the pattern: "*" stands for any run of characters (also
// none), "?" for any one character, every other character for itself with the letter case of
// A..Z ignored.
bool matchesPattern(std::string_view name, std::string_view pattern);

// The names that match the pattern, sorted by name with letter case ignored; names that differ
// only in letter case keep a fixed order by their bytes.
std::vector<std::string> matchingNames(std::vector<std::string> names, std::string_view pattern);

}  // namespace vexolite
