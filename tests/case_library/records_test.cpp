// The figure of a record against an oracle; typed numbers and message templates.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "case_library/case_decoding.h"
#include "case_library/number_text.h"
#include "support/case_file_writer.h"

namespace vexolite {
namespace {

// The figure of a record as text: extents and side, then each cube as "i,j,k=piece" in order.
std::string figureOf(const std::string& digits) {
  RawRecord record{};
  const std::vector<std::uint8_t> bytes = test::recordBytes(10, digits, 1);
  std::copy(bytes.begin(), bytes.end(), record.begin());
  const auto decoded = decodeRecord(record);
  if (!decoded.ok()) return "fault at byte " + std::to_string(decoded.error().byteOffset);
  const DecodedFigure& f = decoded.value().figure;
  std::string text = std::to_string(f.layerCount) + " " + std::to_string(f.rowCount) + " " +
                     std::to_string(f.columnCount) + " side " + std::to_string(f.cubeSide) + ":";
  for (int n = 0; n < f.cubeCount; ++n) {
    const PlacedCube& c = f.cubes[static_cast<std::size_t>(n)];
    text += " " + std::to_string(c.i) + "," + std::to_string(c.j) + "," + std::to_string(c.k) +
            "=" + std::to_string(c.piece);
  }
  return text;
}

// Random figures written as layers of rows of cells, read independently; the side is the
// largest extent rounded up to 4, 8 or 16. Then the largest figure the data model allows.
TEST(FigureParsing, AgreesWithAnOracle) {
  std::mt19937 random(20261206);
  for (int trial = 0; trial < 600; ++trial) {
    const int layers = 1 + static_cast<int>(random() % 6);
    std::vector<std::string> text(static_cast<std::size_t>(layers));
    std::string cubes;
    int count = 0, maxRows = 0, maxCells = 0;
    for (int i = 1; i <= layers; ++i) {
      const int rows = 1 + static_cast<int>(random() % 4);
      maxRows = std::max(maxRows, rows);
      for (int j = 1; j <= rows; ++j) {
        const int cells = static_cast<int>(random() % 12);
        maxCells = std::max(maxCells, cells);
        std::string& layer = text[static_cast<std::size_t>(i - 1)];
        if (j > 1) layer += '/';
        for (int k = 1; k <= cells; ++k) {
          const int digit = count == 27 ? 0 : static_cast<int>(random() % 8);
          layer += static_cast<char>('0' + digit);
          if (digit == 0) continue;
          ++count;
          cubes += " " + std::to_string(i) + "," + std::to_string(j) + "," + std::to_string(k) +
                   "=" + std::to_string(digit);
        }
      }
    }
    const int rows = maxRows > 1 ? maxRows : 0, side = std::max({layers, rows, maxCells});
    EXPECT_EQ(figureOf(test::figureDigits(text)),
              std::to_string(layers) + " " + std::to_string(rows) + " " +
                  std::to_string(maxCells > 0 ? maxCells : -1) + " side " +
                  std::to_string(side <= 4   ? 4
                                 : side <= 8 ? 8
                                             : 16) +
                  ":" + cubes);
  }
  std::vector<std::string> largest(16, "1");  // 16 layers, a layer of 16 rows, a row of 16 cells
  largest[3] = "1" + std::string(15, '/');
  largest[4] = std::string(15, '0') + "1";
  std::string largestCubes;
  for (int i = 1; i <= 16; ++i)
    largestCubes += " " + std::to_string(i) + (i == 5 ? ",1,16=1" : ",1,1=1");
  EXPECT_EQ(figureOf(test::figureDigits(largest)), "16 16 16 side 16:" + largestCubes);
  EXPECT_EQ(figureOf(std::string(16, '1') + "19"), "fault at byte 10");  // a 17th cell
}

// Typed numbers: the longest leading decimal, blanks ignored; "12.3" must search case 123.
TEST(NumberText, ReadsTheLongestLeadingNumber) {
  const std::pair<const char*, double> cases[] = {{"", 0},      {"1 2", 12}, {"1.2.3", 1.2},
                                                  {"12a3", 12}, {"1e3", 1},  {"-5", -5},
                                                  {"+5", 5},    {".", 0},    {"inf", 0}};
  for (const auto& [text, value] : cases)
    EXPECT_DOUBLE_EQ(numericValue(text), value) << text;
  for (int value = 0; value <= 9999; ++value) {
    const std::string text = std::to_string(value / 10) + "." + std::to_string(value % 10);
    ASSERT_EQ(static_cast<int>(numericValue(text) * 10), value) << text;
  }
  EXPECT_EQ(fillIn("%2 in %1, 100% %3", {"a.dat", "%1"}), "%1 in a.dat, 100% %3");
}

// The conversion is the correctly rounded one: bit for bit what the C library's strtod gives in
// the "C" locale, for short texts and for texts too long for one exact division.
TEST(NumberText, RoundsLikeStrtod) {
  std::mt19937 random(24);
  const auto digitsOf = [&](int count) {
    std::string digits;
    for (int i = 0; i < count; ++i)
      digits += static_cast<char>('0' + random() % 10);
    return digits;
  };
  std::vector<std::string> texts = {"0.1",
                                    "0.3",
                                    "123.1",
                                    "705.",
                                    "-0.0",
                                    "000000000000012.3",
                                    "9007199254740993",
                                    "0.0000000000000000000000001",
                                    "179769313486231570000000000000000000000000000000000000"};
  for (int i = 0; i < 20000; ++i) {
    const int whole = static_cast<int>(random() % 20);
    const int decimals = static_cast<int>(random() % 26);
    texts.push_back((random() % 4 == 0 ? "-" : "") + digitsOf(whole) + "." + digitsOf(decimals));
  }
  for (const std::string& text : texts) {
    const double expected = std::strtod(text.c_str(), nullptr);
    const double value = numericValue(text);
    ASSERT_EQ(std::memcmp(&value, &expected, sizeof value), 0)
        << text << " gives " << value << ", not " << expected;
  }
  // Beyond a double's range there is no number: 0, as for a text without digits.
  EXPECT_EQ(numericValue("1" + std::string(400, '0')), 0.0);
  EXPECT_EQ(numericValue("-"), 0.0);
  EXPECT_EQ(numericValue("+"), 0.0);
  EXPECT_EQ(numericValue("++5"), 0.0);
  EXPECT_EQ(numericValue("+-5"), 0.0);
  EXPECT_EQ(numericValue(" - 1 2 . 5 x"), -12.5);
}

}  // namespace
}  // namespace vexolite
