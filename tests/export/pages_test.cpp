// The pages: which image names they collect and in which order, their grid and their names.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "export/image_listing.h"
#include "export/page_composition.h"

namespace vexolite {
namespace {

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

// Every pattern and name of up to four characters from a small alphabet.
TEST(PatternMatch, AgreesWithEverySplitOnShortWords) {
  std::vector<std::string> words{""};
  for (std::size_t n = 0; n < words.size(); ++n) {
    if (words[n].size() == 4) continue;
    for (char c : std::string("aAb*?"))
      words.push_back(words[n] + c);
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

TEST(Listing, CaseImagesOnlySortedByNameIgnoringLetterCase) {
  const std::vector<std::string> names{
      "caso3.bmp",        "S00001-001 .bmp", "CASO1.BMP", "caso10 .BMP",
      "caso2.Bmp",        "notes.txt",       "caso1.bmp", "Caso003.bmp",
      "caso1231.BMP",     "caso123 .BMP",    "Caso.bmp",  "xcaso1.bmp",
      "caso1.bmp.tmp",    ".caso1.bmp.tmp",  "caso1.bm",  "caso1bmp",
      "cas1.bmp",         "caso1.png",       "",          "vexo-pag01.bmp",
      "casocaso.bmp.bmp", "caso .bmp"};
  EXPECT_EQ(matchingNames(names, kCaseImagePattern),
            (std::vector<std::string>{"caso .bmp", "Caso.bmp", "Caso003.bmp", "CASO1.BMP",
                                      "caso1.bmp", "caso10 .BMP", "caso123 .BMP", "caso1231.BMP",
                                      "caso2.Bmp", "caso3.bmp", "casocaso.bmp.bmp"}));
}

TEST(PageGrid, FiftyFourCellsRowByRowCoverThePageOnce) {
  EXPECT_EQ(kPageWidth, 1287);
  EXPECT_EQ(kPageHeight, 690);
  EXPECT_EQ(pageCell(0), (PageCell{0, 0}));
  EXPECT_EQ(pageCell(1), (PageCell{143, 0}));
  EXPECT_EQ(pageCell(8), (PageCell{1144, 0}));
  EXPECT_EQ(pageCell(9), (PageCell{0, 115}));
  EXPECT_EQ(pageCell(53), (PageCell{1144, 575}));
  // 54 distinct cells on the 143 x 115 grid, all inside the page: each pixel in exactly one.
  std::set<std::pair<int, int>> corners;
  for (int n = 0; n < kPageCells; ++n) {
    const PageCell cell = pageCell(n);
    EXPECT_TRUE(corners.insert({cell.x, cell.y}).second) << n;
    EXPECT_EQ(cell.x % 143 + cell.y % 115, 0) << n;
    EXPECT_LE(cell.x + 143, kPageWidth) << n;
    EXPECT_LE(cell.y + 115, kPageHeight) << n;
  }
  EXPECT_EQ(corners.size(), 54u);
}

TEST(PageNames, TwoDigitsFromOneToNinetyNine) {
  const std::pair<int, std::optional<std::string>> cases[] = {
      {1, "vexo-pag01.bmp"}, {9, "vexo-pag09.bmp"}, {10, "vexo-pag10.bmp"}, {99, "vexo-pag99.bmp"},
      {100, std::nullopt},   {0, std::nullopt},     {-1, std::nullopt}};
  for (const auto& [page, name] : cases)
    EXPECT_EQ(pageFileName(page), name) << page;
}

}  // namespace
}  // namespace vexolite
