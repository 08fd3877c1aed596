// The listing the pages collect (against a brute-force matcher) and safe file replacement.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "export/file_replacement.h"
#include "export/image_listing.h"
#include "support/case_file_writer.h"

namespace vexolite {
namespace {

using Names = std::vector<std::string>;

// A brute-force matcher over every split of the name, as the oracle.
bool bruteMatch(const std::string& name, const std::string& pattern) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (bruteMatch(name.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
  if (name.empty() || (pattern[0] != '?' && fold(pattern[0]) != fold(name[0]))) return false;
  return bruteMatch(name.substr(1), pattern.substr(1));
}

// Every pattern and name of up to four characters from a small alphabet; then the case images.
TEST(Listing, MatchesAsEverySplitAndSortsIgnoringLetterCase) {
  Names words{""};
  for (std::size_t n = 0; n < words.size(); ++n) {
    if (words[n].size() == 4) continue;
    for (char c : std::string("aAb*?"))
      words.push_back(words[n] + c);
  }
  for (const std::string& pattern : words) {
    for (const std::string& name : words) {
      if (name.find_first_of("*?") != std::string::npos) continue;
      ASSERT_EQ(matchesPattern(name, pattern), bruteMatch(name, pattern)) << name << " " << pattern;
    }
  }
  const Names names{"caso3.bmp", "S00001-001 .bmp", "CASO1.BMP",       "caso10 .BMP",
                    "caso2.Bmp", "caso1.bmp",       "Caso003.bmp",     "caso123 .BMP",
                    "Caso.bmp",  "xcaso1.bmp",      ".caso1.bmp.tmp",  "caso1.bm",
                    "caso1.png", "vexo-pag01.bmp",  "casocaso.bmp.bmp"};
  EXPECT_EQ(matchingNames(names, kCaseImagePattern),
            (Names{"Caso.bmp", "Caso003.bmp", "CASO1.BMP", "caso1.bmp", "caso10 .BMP",
                   "caso123 .BMP", "caso2.Bmp", "caso3.bmp", "casocaso.bmp.bmp"}));
}

// A temporary file left by a run that ended half-way is replaced; nothing else stays. A name
// held by a folder is reported and the folder kept.
TEST(FileReplacement, ReplacesWholeFilesOrKeepsWhatWasThere) {
  test::TempFolder folder;
  const auto path = folder / "caso123 .BMP";
  EXPECT_EQ(temporaryNameFor(path), folder / ".caso123 .BMP.tmp");
  test::writeFile(temporaryNameFor(path), {'h', 'a', 'l', 'f'});
  for (const std::vector<std::uint8_t>& content : {std::vector<std::uint8_t>(5000, 7), {1, 2}}) {
    EXPECT_EQ(replaceFileContents(path, content), std::nullopt);
    EXPECT_EQ(test::readFile(path), content);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  }
  std::filesystem::create_directory(folder / "held");
  const std::optional<Reason> held = replaceFileContents(folder / "held", {1});
  ASSERT_TRUE(held);
  EXPECT_EQ(held->pattern, kCannotPutInPlaceBecause);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "held"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

}  // namespace
}  // namespace vexolite
