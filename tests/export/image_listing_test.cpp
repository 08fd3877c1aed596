// Which names the pages collect, and in which order.
#include "export/image_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexolite {
namespace {

TEST(PatternMatch, CaseImagesWithAnyLetterCaseAndNothingElse) {
  for (const char* name : {"caso123 .BMP", "caso1231.bmp", "CASO7.Bmp", "Caso.bmp", "caso.BMP",
                           "casocaso.bmp.bmp", "caso .bmp"}) {
    EXPECT_TRUE(matchesPattern(name, kCaseImagePattern)) << name;
  }
  for (const char* name : {"S00240-123 .bmp", "xcaso1.bmp", "caso1.bmp.tmp", ".caso1.bmp.tmp",
                           "caso1.bm", "caso1bmp", "cas1.bmp", "caso1.png", "", "vexo-pag01.bmp"}) {
    EXPECT_FALSE(matchesPattern(name, kCaseImagePattern)) << name;
  }
}

// A brute-force matcher over every split of the name, as the oracle.
bool bruteMatch(const std::string& name, const std::string& pattern) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (bruteMatch(name.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
  if (pattern[0] != '?' && fold(pattern[0]) != fold(name[0])) return false;
  return bruteMatch(name.substr(1), pattern.substr(1));
}

TEST(PatternMatch, AgreesWithEverySplitOnShortWords) {
  const std::string letters = "aAb*?";
  std::vector<std::string> words{""};
  for (int length = 1; length <= 4; ++length) {
    const std::size_t before = words.size();
    for (std::size_t n = 0; n < before; ++n) {
      if (words[n].size() + 1 != static_cast<std::size_t>(length)) continue;
      for (char c : letters)
        words.push_back(words[n] + c);
    }
  }
  int checked = 0;
  for (const std::string& pattern : words) {
    for (const std::string& name : words) {
      if (name.find_first_of("*?") != std::string::npos) continue;
      ASSERT_EQ(matchesPattern(name, pattern), bruteMatch(name, pattern))
          << "name '" << name << "' pattern '" << pattern << "'";
      ++checked;
    }
  }
  EXPECT_GT(checked, 10000);
}

TEST(Listing, FiltersAndSortsByNameIgnoringLetterCase) {
  const std::vector<std::string> names{
      "caso3.bmp", "S00001-001 .bmp", "CASO1.BMP",   "caso10 .BMP",  "caso2.Bmp",
      "notes.txt", "caso1.bmp",       "Caso003.bmp", "caso1231.BMP", "caso123 .BMP"};
  EXPECT_EQ(matchingNames(names, kCaseImagePattern),
            (std::vector<std::string>{"Caso003.bmp", "CASO1.BMP", "caso1.bmp", "caso10 .BMP",
                                      "caso123 .BMP", "caso1231.BMP", "caso2.Bmp", "caso3.bmp"}));
}

}  // namespace
}  // namespace vexolite
