// The checks of a bitmap's headers against its length, on headers written byte by byte here.
#include "export/bitmap_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
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

bool refused(const std::vector<std::uint8_t>& b) {
  return bitmapLayoutProblem(b).has_value();
}

// A case image: 143 pixels of 3 bytes are 429, padded to 432 a row; 115 rows.
TEST(BitmapLayout, ACaseImageIsWholeAndOneByteLessIsCut) {
  const std::vector<std::uint8_t> whole = bitmap(143, 115, 24, 432 * 115);
  EXPECT_EQ(whole.size(), 49734u);
  EXPECT_EQ(bitmapLayoutProblem(whole), std::nullopt);
  std::vector<std::uint8_t> cut = whole;
  cut.pop_back();
  const std::optional<std::string> problem = bitmapLayoutProblem(cut);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("cortado"), std::string::npos) << *problem;
  EXPECT_NE(problem->find("49734"), std::string::npos) << *problem;
  EXPECT_TRUE(refused(std::vector<std::uint8_t>(whole.begin(), whole.begin() + 2000)));
  // Rows stored top to bottom: a negative height, the same length.
  EXPECT_FALSE(refused(bitmap(143, -115, 24, 432 * 115)));
}

TEST(BitmapLayout, RowsArePaddedToWholeWords) {
  // 1 bit: 33 pixels need 5 bytes, padded to 8. 4 bits: 9 pixels, 5 bytes, padded to 8.
  // 16 bits: 3 pixels, 6 bytes, padded to 8. 32 bits: 3 pixels, 12 bytes.
  struct Case {
    std::int32_t width;
    std::uint32_t bits;
    std::size_t rowBytes;
  };
  for (const Case c : {Case{33, 1, 8}, Case{9, 4, 8}, Case{3, 16, 8}, Case{3, 32, 12},
                       Case{5, 8, 8}, Case{1, 24, 4}}) {
    EXPECT_FALSE(refused(bitmap(c.width, 7, c.bits, c.rowBytes * 7))) << c.width << " " << c.bits;
    EXPECT_TRUE(refused(bitmap(c.width, 7, c.bits, c.rowBytes * 7 - 1)))
        << c.width << " " << c.bits;
  }
}

TEST(BitmapLayout, HostileHeadersAreRefusedWithoutReadingPastTheFile) {
  EXPECT_EQ(bitmapLayoutProblem({}), "esta vacio");
  EXPECT_TRUE(refused(std::vector<std::uint8_t>{'B', 'M'}));
  std::vector<std::uint8_t> notBmp = bitmap(143, 115, 24, 432 * 115);
  notBmp[0] = 'P';
  EXPECT_EQ(bitmapLayoutProblem(notBmp), "no es un archivo BMP");

  // Stated sizes far beyond the file, or beyond any case image.
  EXPECT_TRUE(refused(bitmap(100000, 100000, 24, 432)));
  EXPECT_TRUE(refused(bitmap(0x7fffffff, 1, 32, 0)));
  EXPECT_TRUE(refused(bitmap(1, static_cast<std::int32_t>(0x80000000u), 24, 0)));
  EXPECT_TRUE(refused(bitmap(2049, 2048, 24, 0)));
  EXPECT_TRUE(refused(bitmap(-143, 115, 24, 432 * 115)));
  EXPECT_TRUE(refused(bitmap(143, 0, 24, 0)));
  EXPECT_TRUE(refused(bitmap(143, 115, 7, 432 * 115)));
  EXPECT_TRUE(refused(bitmap(143, 115, 24, 432 * 115, 4)));  // JPEG inside

  // A header that claims to be longer than the file.
  std::vector<std::uint8_t> longHeader = bitmap(4, 4, 24, 0);
  put32(longHeader, 14, 124);
  EXPECT_TRUE(refused(longHeader));
  std::vector<std::uint8_t> oddHeader = bitmap(4, 4, 24, 48);
  put32(oddHeader, 14, 0xffffffffu);
  EXPECT_TRUE(refused(oddHeader));
  // Pixels said to start beyond the end.
  std::vector<std::uint8_t> farPixels = bitmap(4, 4, 24, 48);
  put32(farPixels, 10, 0xfffffff0u);
  EXPECT_TRUE(refused(farPixels));
  std::vector<std::uint8_t> farRunLength = bitmap(4, 4, 8, 8, 1);
  put32(farRunLength, 10, 1000);
  EXPECT_TRUE(refused(farRunLength));
  EXPECT_FALSE(refused(bitmap(4, 4, 8, 8, 1)));

  // Every prefix of a good file is judged without a fault (the sanitizer build watches reads).
  const std::vector<std::uint8_t> whole = bitmap(143, 115, 24, 432 * 115);
  for (std::size_t length = 0; length < 80; ++length) {
    EXPECT_TRUE(refused(std::vector<std::uint8_t>(whole.begin(), whole.begin() + length)));
  }
}

TEST(BitmapLayout, TheOldShortHeaderHasSixteenBitSizes) {
  std::vector<std::uint8_t> b(26 + 12 * 4, 0);  // 4 x 4 at 24 bits: 12 bytes a row
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 10, 26);
  put32(b, 14, 12);
  put16(b, 18, 4);
  put16(b, 20, 4);
  put16(b, 22, 1);
  put16(b, 24, 24);
  EXPECT_EQ(bitmapLayoutProblem(b), std::nullopt);
  b.pop_back();
  EXPECT_TRUE(refused(b));
}

}  // namespace
}  // namespace vexolite
