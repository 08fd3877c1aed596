// The checks of a bitmap's headers against its length, on headers written byte by byte here.
// SPDX-License-Identifier: MIT
#include "export/bitmap_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vexolite {
namespace {

void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  put16(b, at, v & 0xffff);
  put16(b, at + 2, v >> 16);
}

// A whole file: 14-byte file header, 40-byte info header, the pixel rows (zeros).
std::vector<std::uint8_t> bitmap(std::int32_t width, std::int32_t height, std::uint32_t bits,
                                 std::size_t pixelBytes, std::uint32_t compression = 0) {
  std::vector<std::uint8_t> b(54 + pixelBytes, 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<std::uint32_t>(b.size()));
  put32(b, 10, 54);
  put32(b, 14, 40);
  put32(b, 18, static_cast<std::uint32_t>(width));
  put32(b, 22, static_cast<std::uint32_t>(height));
  put16(b, 26, 1);
  put16(b, 28, bits);
  put32(b, 30, compression);
  return b;
}

// The reason in Spanish, as the user reads it; nothing when there is none.
std::optional<std::string> problemText(std::span<const std::uint8_t> file) {
  const std::optional<Reason> problem = bitmapLayoutProblem(file);
  if (!problem) return std::nullopt;
  return problem->text();
}

bool refused(const std::vector<std::uint8_t>& b) {
  return bitmapLayoutProblem(b).has_value();
}

// A case image: 143 pixels of 3 bytes are 429, padded to 432 a row; 115 rows.
const std::vector<std::uint8_t> kCaseImage = bitmap(143, 115, 24, 432 * 115);

TEST(BitmapLayout, ACaseImageIsWholeAndOneByteLessIsCut) {
  EXPECT_EQ(kCaseImage.size(), 49734u);
  EXPECT_EQ(bitmapLayoutProblem(kCaseImage), std::nullopt);
  const std::optional<std::string> problem =
      problemText({kCaseImage.begin(), kCaseImage.end() - 1});
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("cortado"), std::string::npos) << *problem;
  EXPECT_NE(problem->find("49734"), std::string::npos) << *problem;
  // Rows stored top to bottom: a negative height, the same length.
  EXPECT_FALSE(refused(bitmap(143, -115, 24, 432 * 115)));
}

// Rows are padded to whole words: 1 bit, 33 pixels need 5 bytes, padded to 8; 4 bits, 9
// pixels, 5 bytes, padded to 8; 16 bits, 3 pixels, 6 bytes, 8; 32 bits, 3 pixels, 12 bytes.
TEST(BitmapLayout, RowsArePaddedToWholeWords) {
  const struct {
    std::int32_t width;
    std::uint32_t bits;
    std::size_t rowBytes;
  } cases[] = {{33, 1, 8}, {9, 4, 8}, {3, 16, 8}, {3, 32, 12}, {5, 8, 8}, {1, 24, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " pixels of " << c.bits << " bits");
    EXPECT_FALSE(refused(bitmap(c.width, 7, c.bits, c.rowBytes * 7)));
    EXPECT_TRUE(refused(bitmap(c.width, 7, c.bits, c.rowBytes * 7 - 1)));
  }
  // The old 12-byte header has 16-bit sizes: 4 x 4 at 24 bits, 12 bytes a row.
  std::vector<std::uint8_t> old(26 + 12 * 4, 0);
  old[0] = 'B';
  old[1] = 'M';
  put32(old, 10, 26);
  put32(old, 14, 12);
  for (const auto& [at, value] : {std::pair{18, 4}, {20, 4}, {22, 1}, {24, 24}})
    put16(old, static_cast<std::size_t>(at), static_cast<std::uint32_t>(value));
  EXPECT_EQ(bitmapLayoutProblem(old), std::nullopt);
  old.pop_back();
  EXPECT_TRUE(refused(old));
}

TEST(BitmapLayout, HostileHeadersAreRefusedWithoutReadingPastTheFile) {
  EXPECT_EQ(problemText({}), "esta vacio");
  std::vector<std::uint8_t> notBmp = kCaseImage;
  notBmp[0] = 'P';
  EXPECT_EQ(problemText(notBmp), "no es un archivo BMP");

  std::vector<std::uint8_t> longHeader = bitmap(4, 4, 24, 0);  // longer than the file
  put32(longHeader, 14, 124);
  std::vector<std::uint8_t> oddHeader = bitmap(4, 4, 24, 48);
  put32(oddHeader, 14, 0xffffffffu);
  std::vector<std::uint8_t> farPixels = bitmap(4, 4, 24, 48);  // pixels beyond the end
  put32(farPixels, 10, 0xfffffff0u);
  std::vector<std::uint8_t> farRunLength = bitmap(4, 4, 8, 8, 1);
  put32(farRunLength, 10, 1000);
  const std::vector<std::uint8_t> hostile[] = {
      {'B', 'M'},
      {kCaseImage.begin(), kCaseImage.begin() + 2000},
      // Stated sizes far beyond the file, or beyond any case image.
      bitmap(100000, 100000, 24, 432),
      bitmap(0x7fffffff, 1, 32, 0),
      bitmap(1, static_cast<std::int32_t>(0x80000000u), 24, 0),
      bitmap(2049, 2048, 24, 0),
      bitmap(-143, 115, 24, 432 * 115),
      bitmap(143, 0, 24, 0),
      bitmap(143, 115, 7, 432 * 115),
      bitmap(143, 115, 24, 432 * 115, 4),  // JPEG inside
      longHeader,
      oddHeader,
      farPixels,
      farRunLength,
  };
  for (const auto& b : hostile)
    EXPECT_TRUE(refused(b)) << "hostile " << &b - hostile;
  EXPECT_FALSE(refused(bitmap(4, 4, 8, 8, 1)));  // run-length pixels where they should be

  // Every prefix of a good file is judged without a fault (the sanitizer build watches reads).
  for (std::size_t length = 0; length < 80; ++length)
    EXPECT_TRUE(refused({kCaseImage.begin(), kCaseImage.begin() + length})) << length;
}

}  // namespace
}  // namespace vexolite
