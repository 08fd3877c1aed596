// Reading numbers from texts and padding texts, as the case texts and the search use them.
// SPDX-License-Identifier: MIT
#include "case_library/number_text.h"

#include <cstdint>
#include <locale>
#include <sstream>

namespace vexolite {
namespace {

// 10^0 .. 10^22: every one is exactly a double.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;

// The double nearest to a decimal text of an optional '-', digits and at most one point.
// Texts with up to 15 significant digits and 22 decimals take one correctly rounded division of
// two exact doubles; longer ones go through the classic locale's stream conversion, which rounds
// correctly too. A text with no digit, or out of a double's range, gives 0.
double decimalValue(std::string_view number) {
  const bool negative = !number.empty() && number.front() == '-';
  if (negative) number.remove_prefix(1);
  std::uint64_t digits = 0;
  int significant = 0;
  int decimals = 0;
  bool anyDigit = false;
  bool afterPoint = false;
  for (char c : number) {
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    anyDigit = true;
    if (digits == 0 && c == '0') {
      if (afterPoint) ++decimals;
      continue;  // leading zeros carry no significant digit
    }
    if (++significant > 15) break;
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    if (afterPoint) ++decimals;
  }
  if (!anyDigit) return 0.0;
  if (significant <= 15 && decimals <= 22 && digits < kLargestExactInteger) {
    const double value = static_cast<double>(digits) / kExactPowersOfTen[decimals];
    return negative ? -value : value;
  }
  std::istringstream stream{std::string(number)};
  stream.imbue(std::locale::classic());
  double value = 0.0;
  stream >> value;
  if (stream.fail()) return 0.0;
  return negative ? -value : value;
}

}  // namespace

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
  }
  if (!number.empty() && number.front() == '+') number.erase(0, 1);
  return decimalValue(number);
}

std::string padLeft(std::string text, std::size_t width, char fill) {
  if (text.size() < width) text.insert(0, width - text.size(), fill);
  return text;
}

}  // namespace vexolite
