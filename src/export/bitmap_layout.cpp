// What a bitmap file's headers promise, checked against its length before any pixel is decoded.
// SPDX-License-Identifier: MIT
#include "export/bitmap_layout.h"

#include <cstdlib>

namespace vexolite {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the old OS/2 header: 16-bit sizes
constexpr std::uint32_t kInfoHeaderSize = 40;

// Compression codes of the info header.
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

// Little-endian fields. Preconditions: the field lies inside the span.
std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return u16(b, at) | u16(b, at + 2) << 16;
}
std::int64_t i32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(u32(b, at));
}

bool knownHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 ||
         size == 108 || size == 124;
}

bool knownDepth(std::uint32_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<Reason> bitmapLayoutProblem(std::span<const std::uint8_t> file) {
  const std::uint64_t length = file.size();
  if (length == 0) return Reason{QT_TRANSLATE_NOOP("vexolite", "esta vacio")};
  if (length < 2 || file[0] != 'B' || file[1] != 'M')
    return Reason{QT_TRANSLATE_NOOP("vexolite", "no es un archivo BMP")};
  if (length < kFileHeaderSize + kCoreHeaderSize) {
    return Reason{kBitmapShorterThanHeaders, {std::to_string(length)}};
  }

  const std::uint64_t pixelOffset = u32(file, 10);
  const std::uint32_t headerSize = u32(file, 14);
  if (!knownHeaderSize(headerSize)) {
    return Reason{kBitmapHeaderNotSupported, {std::to_string(headerSize)}};
  }
  if (length < kFileHeaderSize + headerSize) {
    return Reason{kBitmapCutInHeaders, {std::to_string(length)}};
  }

  std::int64_t width = 0, height = 0;
  std::uint32_t bits = 0, compression = kUncompressed;
  if (headerSize == kCoreHeaderSize) {
    width = u16(file, 18);
    height = u16(file, 20);
    bits = u16(file, 24);
  } else {
    width = i32(file, 18);
    height = i32(file, 22);  // negative for rows stored top to bottom
    bits = u16(file, 28);
    compression = u32(file, 30);
  }
  const std::int64_t rows = height < 0 ? -height : height;
  if (width < 1 || rows < 1) {
    return Reason{kBitmapNoImageSize, {std::to_string(width), std::to_string(height)}};
  }
  if (width * rows > kMaxPicturePixels) {
    return Reason{kBitmapTooLarge, {std::to_string(width), std::to_string(height)}};
  }
  if (!knownDepth(bits)) return Reason{kBitmapUnknownDepth, {std::to_string(bits)}};

  switch (compression) {
    case kUncompressed:
    case kBitFields:
    case kAlphaBitFields: {
      // Each row is padded to whole 32-bit words.
      const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
      const std::uint64_t needed = pixelOffset + rowBytes * static_cast<std::uint64_t>(rows);
      if (needed > length) {
        return Reason{kBitmapPixelsCut, {std::to_string(needed), std::to_string(length)}};
      }
      return std::nullopt;
    }
    case kRunLength8:
    case kRunLength4:
      if (pixelOffset >= length) {
        return Reason{kBitmapPixelsStartBeyond,
                      {std::to_string(pixelOffset), std::to_string(length)}};
      }
      return std::nullopt;
    default:
      return Reason{kBitmapCompressionNotSupported, {std::to_string(compression)}};
  }
}

}  // namespace vexolite
