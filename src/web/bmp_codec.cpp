// Windows bitmaps in and out without a toolkit: the 24-bit file the desktop writes, and a reader.
// SPDX-License-Identifier: MIT
#include "web/bmp_codec.h"

#include <algorithm>

#include "export/bitmap_layout.h"
#include "web/little_endian.h"

namespace vexolite {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kDotsPerMeter = 3780;  // 96 dpi

// Little-endian fields. Preconditions: the field lies inside the span.
std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return u16(b, at) | u16(b, at + 2) << 16;
}

}  // namespace

std::vector<std::uint8_t> encodeBmp24(const RasterSurface& surface) {
  const auto width = static_cast<std::uint32_t>(surface.width());
  const auto height = static_cast<std::uint32_t>(surface.height());
  const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t imageBytes = rowBytes * height;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  appendU32(out, offset + imageBytes);
  appendU32(out, 0);  // reserved
  appendU32(out, offset);
  appendU32(out, kInfoHeaderSize);
  appendU32(out, width);
  appendU32(out, height);  // positive: the bottom row first
  appendU16(out, 1);       // planes
  appendU16(out, 24);
  appendU32(out, 0);  // uncompressed
  appendU32(out, imageBytes);
  appendU32(out, kDotsPerMeter);
  appendU32(out, kDotsPerMeter);
  appendU32(out, 0);  // colours used
  appendU32(out, 0);  // important colours
  for (std::uint32_t row = height; row-- > 0;) {
    for (std::uint32_t x = 0; x < width; ++x) {
      const Rgb p = surface.pixel(static_cast<int>(x), static_cast<int>(row));
      out.push_back(p.b);
      out.push_back(p.g);
      out.push_back(p.r);
    }
    out.resize(out.size() + (rowBytes - width * 3), 0);
  }
  return out;
}

std::optional<Reason> paintBmp(std::span<const std::uint8_t> file, RasterSurface& surface) {
  if (auto problem = bitmapLayoutProblem(file)) return problem;
  const Reason unreadable{QT_TRANSLATE_NOOP("vexolite", "no es una imagen BMP que se pueda leer")};
  // The layout check has made sure that the headers are there and that every row promised by
  // an uncompressed picture lies inside the file.
  const std::uint32_t headerSize = u32(file, 14);
  const bool core = headerSize == kCoreHeaderSize;
  // Signed fields read as such: the common type of a 16-bit and a signed 32-bit field would be
  // unsigned, and a top-down picture's negative height would become huge.
  const std::int64_t width =
      core ? std::int64_t{u16(file, 18)} : std::int64_t{static_cast<std::int32_t>(u32(file, 18))};
  const std::int64_t height =
      core ? std::int64_t{u16(file, 20)} : std::int64_t{static_cast<std::int32_t>(u32(file, 22))};
  const std::uint32_t bits = core ? u16(file, 24) : u16(file, 28);
  const std::uint32_t compression = core ? 0 : u32(file, 30);
  if (compression != 0 || bits == 16) return unreadable;
  const bool topDown = height < 0;
  const std::int64_t rows = topDown ? -height : height;

  // The palette follows the headers: 3 bytes an entry after the old header, 4 after the others.
  std::vector<Rgb> palette;
  if (bits <= 8) {
    const std::size_t entryBytes = core ? 3 : 4;
    std::uint64_t entries = core ? 0 : u32(file, 46);
    if (entries == 0 || entries > (1u << bits)) entries = 1u << bits;
    const std::size_t start = kFileHeaderSize + headerSize;
    for (std::uint64_t n = 0; n < entries; ++n) {
      const std::size_t at = start + n * entryBytes;
      if (at + 3 > file.size()) break;
      palette.push_back(Rgb{file[at + 2], file[at + 1], file[at]});
    }
  }
  const std::uint64_t pixelOffset = u32(file, 10);
  const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const int shownWidth = static_cast<int>(std::min<std::int64_t>(width, surface.width()));
  const int shownRows = static_cast<int>(std::min<std::int64_t>(rows, surface.height()));
  const Rgb pen = surface.colour();
  for (int y = 0; y < shownRows; ++y) {
    const std::uint64_t stored = topDown ? y : rows - 1 - y;
    const std::uint8_t* row = file.data() + pixelOffset + stored * rowBytes;
    for (int x = 0; x < shownWidth; ++x) {
      Rgb colour = kBlack;
      if (bits >= 24) {
        const std::uint8_t* p = row + static_cast<std::size_t>(x) * (bits / 8);
        colour = Rgb{p[2], p[1], p[0]};
      } else {
        const std::size_t bit = static_cast<std::size_t>(x) * bits;
        const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index < palette.size()) colour = palette[index];
      }
      surface.setColour(colour);
      surface.plot(x, y);
    }
  }
  surface.setColour(pen);
  return std::nullopt;
}

}  // namespace vexolite
