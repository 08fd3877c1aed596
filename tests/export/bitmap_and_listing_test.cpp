// A bitmap's headers checked against its length, and the listing of case images the pages take.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "export/bitmap_layout.h"
#include "export/image_listing.h"

namespace vexolite {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& b, std::size_t at, std::uint32_t value, std::size_t size = 4) {
  for (std::size_t n = 0; n < size; ++n)
    b[at + n] = static_cast<std::uint8_t>(value >> (8 * n));
}

// A whole file: the 14-byte file header, a header of `header` bytes, pixelBytes of rows.
Bytes bitmap(std::int32_t width, std::int32_t height, std::uint32_t bits, std::size_t pixelBytes,
             std::uint32_t compression = 0, std::uint32_t header = 40) {
  Bytes b(14 + header + pixelBytes, 0);
  put(b, 0, 'B' | 'M' << 8, 2);
  put(b, 10, 14 + header);
  put(b, 14, header);
  const bool old = header == 12;  // the old OS/2 header has 16-bit sizes
  put(b, 18, static_cast<std::uint32_t>(width), old ? 2 : 4);
  put(b, old ? 20 : 22, static_cast<std::uint32_t>(height), old ? 2 : 4);
  put(b, old ? 24 : 28, bits, 2);
  if (!old) put(b, 30, compression);
  return b;
}

std::string problem(const Bytes& b) {
  const std::optional<Reason> reason = bitmapLayoutProblem(b);
  return reason ? reason->text() : "";
}

// Rows are padded to whole 32-bit words: a file that holds every row the headers promise is
// accepted, one byte less is refused, for every known header and depth; hostile headers are
// refused without reading past the file (the sanitizer build watches).
TEST(BitmapLayout, AcceptsWholeFilesAndRefusesHostileOnes) {
  const std::tuple<std::int32_t, std::uint32_t, std::uint32_t, std::size_t> whole[] = {
      {143, 24, 40, 432}, {33, 1, 40, 8},   {9, 4, 52, 8},  {5, 8, 56, 8},
      {3, 16, 108, 8},    {3, 32, 124, 12}, {4, 24, 12, 12}};
  for (const auto& [width, bits, header, rowBytes] : whole) {
    EXPECT_EQ(problem(bitmap(width, 7, bits, 7 * rowBytes, 0, header)), "") << width;
    EXPECT_NE(problem(bitmap(width, 7, bits, 7 * rowBytes - 1, 0, header)), "") << width;
  }
  EXPECT_EQ(problem(bitmap(143, -115, 24, 432 * 115 - 1)),  // rows stored top to bottom
            "esta cortado: sus pixeles piden 49734 bytes y mide 49733");
  EXPECT_EQ(problem(bitmap(4, 4, 8, 8, 1)), "");  // run-length pixels start inside the file
  Bytes oddHeader = bitmap(4, 4, 24, 48), farPixels = oddHeader,
        farRunLength = bitmap(4, 4, 8, 8, 1);
  put(oddHeader, 14, 0xffffffffu);
  put(farPixels, 10, 0xfffffff0u);
  put(farRunLength, 10, 62);  // just past the last byte
  for (const Bytes& hostile :
       {Bytes{}, Bytes(30, 'B'), bitmap(100000, 100000, 24, 0), bitmap(2049, 2048, 24, 0),
        bitmap(-143, 115, 24, 0), bitmap(143, 115, 7, 432 * 115),
        bitmap(143, 115, 24, 432 * 115, 4), oddHeader, farPixels, farRunLength})
    EXPECT_NE(problem(hostile), "") << hostile.size();
  const Bytes good = bitmap(143, 115, 24, 432 * 115);
  for (std::size_t length = 0; length < 80; ++length)
    EXPECT_NE(problem({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)}), "");
}

// A brute-force matcher over every split of the name, as the oracle.
bool bruteMatch(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) return name.empty();
  for (std::size_t skip = 0; pattern[0] == '*' && skip <= name.size(); ++skip)
    if (bruteMatch(name.substr(skip), pattern.substr(1))) return true;
  const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
  return pattern[0] != '*' && !name.empty() &&
         (pattern[0] == '?' || fold(pattern[0]) == fold(name[0])) &&
         bruteMatch(name.substr(1), pattern.substr(1));
}

// Every pattern and name of up to four characters from a small alphabet; then the order.
TEST(Listing, MatchesAsEverySplitAndSortsIgnoringLetterCase) {
  std::vector<std::string> words{""};
  for (std::size_t n = 0; words[n].size() < 4; ++n)  // shortest first: stops at the first of four
    for (char c : std::string("aAb*?"))
      words.push_back(words[n] + c);
  for (const std::string& pattern : words)
    for (const std::string& name : words)
      EXPECT_TRUE(name.find_first_of("*?") != std::string::npos ||
                  matchesPattern(name, pattern) == bruteMatch(name, pattern))
          << name << " " << pattern;
  EXPECT_EQ(
      matchingNames({"caso2.bmp", "CASO1.BMP", "caso10 .BMP", "caso1.bmp", "Caso.bmp",
                     "caso1.bmp.tmp", "xcaso1.bmp", "S00001-001 .bmp"},
                    kCaseImagePattern),
      (std::vector<std::string>{"Caso.bmp", "CASO1.BMP", "caso1.bmp", "caso10 .BMP", "caso2.bmp"}));
}

}  // namespace
}  // namespace vexolite
