// The two number conversions the case texts rely on: reading a number from a text, padding.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vexolite {

// The numeric value of a text: the longest leading part that reads as a decimal number with an
// optional sign and an optional point, blanks ignored anywhere. "" and texts without such a part
// give 0: "12.3" gives 12.3, "123  " gives 123, "1.2.3" gives 1.2, "1 2" gives 12.
double numericValue(std::string_view text);

// text padded on the left with fill up to width characters; a longer text stays whole.
std::string padLeft(std::string text, std::size_t width, char fill);

}  // namespace vexolite
