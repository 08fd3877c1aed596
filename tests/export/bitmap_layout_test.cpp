// The checks of a bitmap's headers against its length, on headers written byte by byte here.
// SPDX-License-Identifier: MIT
#include "export/bitmap_layout.h"

#include <gtest/gtest.h>

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
  b[0] = 'B';
  b[1] = 'M';
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

// Rows are padded to whole 32-bit words: a file that holds every row is accepted, one byte
// less is refused, for every known header and depth.
TEST(BitmapLayout, AcceptsFilesThatHoldEveryRowTheHeadersPromise) {
  const struct {
    std::int32_t width;
    std::uint32_t bits, header;
    std::size_t rowBytes;
  } whole[] = {{143, 24, 40, 432}, {33, 1, 40, 8},   {9, 4, 52, 8},  {5, 8, 56, 8},
               {3, 16, 108, 8},    {3, 32, 124, 12}, {4, 24, 12, 12}};
  for (const auto& w : whole) {
    EXPECT_EQ(problem(bitmap(w.width, 7, w.bits, 7 * w.rowBytes, 0, w.header)), "") << w.width;
    EXPECT_NE(problem(bitmap(w.width, 7, w.bits, 7 * w.rowBytes - 1, 0, w.header)), "") << w.width;
  }
  EXPECT_EQ(problem(bitmap(143, -115, 24, 432 * 115 - 1)),  // rows stored top to bottom
            "esta cortado: sus pixeles piden 49734 bytes y mide 49733");
  EXPECT_EQ(problem(bitmap(4, 4, 8, 8, 1)), "");  // run-length pixels start inside the file
}

TEST(BitmapLayout, RefusesHostileHeadersWithoutReadingPastTheFile) {
  Bytes oddHeader = bitmap(4, 4, 24, 48), farPixels = oddHeader,
        farRunLength = bitmap(4, 4, 8, 8, 1);
  put(oddHeader, 14, 0xffffffffu);
  put(farPixels, 10, 0xfffffff0u);
  put(farRunLength, 10, 1000);
  const std::pair<Bytes, std::string> hostile[] = {
      {{}, "esta vacio"},
      {{'B', 'P', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       "no es un archivo BMP"},
      {bitmap(100000, 100000, 24, 0),
       "declara 100000 x 100000 pixeles, mas de lo que puede medir una imagen de caso"},
      {bitmap(2049, 2048, 24, 0),
       "declara 2049 x 2048 pixeles, mas de lo que puede medir una imagen de caso"},
      {bitmap(-143, 115, 24, 0), "declara -143 x 115 pixeles, que no es un tamano de imagen"},
      {bitmap(143, 115, 7, 432 * 115), "declara 7 bits por pixel"},
      {bitmap(143, 115, 24, 432 * 115, 4), "usa una compresion (4) que no se admite"},
      {oddHeader, "tiene una cabecera BMP de 4294967295 bytes, que no se admite"},
      {farPixels, "esta cortado: sus pixeles piden 4294967328 bytes y mide 102"},
      {farRunLength, "esta cortado: sus pixeles empiezan en el byte 1000 y mide 62"},
  };
  for (const auto& [bytes, says] : hostile)
    EXPECT_EQ(problem(bytes), says);
  // Every prefix of a good file is judged without a fault (the sanitizer build watches reads).
  const Bytes good = bitmap(143, 115, 24, 432 * 115);
  for (std::size_t length = 0; length < 80; ++length)
    EXPECT_NE(problem({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)}), "");
}

}  // namespace
}  // namespace vexolite
