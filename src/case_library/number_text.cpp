// Reading numbers from texts and padding texts, as the case texts and the search use them.
// SPDX-License-Identifier: MIT
#include "case_library/number_text.h"

#include <charconv>

namespace vexolite {

double numericValue(std::string_view text) {
  // Gather the number without blanks, then convert it in one step so that "12.3" is the double
  // nearest to 12.3 (12.3 * 10 must truncate to 123), independent of the process locale.
  std::string number;
  bool point = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    if (number.empty() && (c == '+' || c == '-')) {
      number += c;
    } else if (c >= '0' && c <= '9') {
      number += c;
    } else if (c == '.' && !point) {
      point = true;
      number += c;
    } else {
      break;
    }
    if (number == "+") number = "0";  // from_chars takes no plus sign
  }
  double value = 0.0;
  const char* first = number.data();
  const char* last = number.data() + number.size();
  std::from_chars(first, last, value);  // "", "-", "." and "-." leave 0
  return value;
}

std::string padLeft(std::string text, std::size_t width, char fill) {
  if (text.size() < width) text.insert(0, width - text.size(), fill);
  return text;
}

}  // namespace vexolite
