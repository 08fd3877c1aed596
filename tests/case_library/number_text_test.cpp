// Reading numbers from typed and stored texts, and padding them.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "case_library/number_text.h"

namespace vexolite {
namespace {

TEST(NumberText, ReadsTheLongestLeadingNumberAndPadsShortTexts) {
  const std::pair<const char*, double> cases[] = {
      {"", 0},    {"12.3", 12.3}, {"123  ", 123}, {"1.2.3", 1.2},   {" 1 2", 12},
      {"007", 7}, {"12.", 12},    {".", 0},       {"abc", 0},       {"12a3", 12},
      {"-5", -5}, {"+5", 5},      {"   12", 12},  {"123.1", 123.1}, {"0.5", 0.5},
  };
  for (const auto& [text, value] : cases)
    EXPECT_DOUBLE_EQ(numericValue(text), value) << text;
  // padLeft pads short texts only.
  EXPECT_EQ(padLeft("12", 5, ' '), "   12");
  EXPECT_EQ(padLeft("12", 5, '0'), "00012");
  EXPECT_EQ(padLeft("123456", 5, '0'), "123456");
  // The search turns "12.3" into case value 123 by Fix(value * 10): no digit may be lost.
  for (int value = 0; value <= 9999; ++value) {
    const std::string text = std::to_string(value / 10) + "." + std::to_string(value % 10);
    ASSERT_EQ(static_cast<int>(numericValue(text) * 10), value) << text;
  }
}

}  // namespace
}  // namespace vexolite
