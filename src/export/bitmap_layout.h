// What a bitmap file's headers promise, checked against its length before any pixel is decoded.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vexolite {

// The largest picture the page composition loads. A case image is 143 x 115; a larger picture
// is accepted and cut to its upper-left corner, up to this many pixels (2048 x 2048).
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{2048} * 2048;
// The longest file read to load one: the pixels at 32 bits each, with room for headers and a
// palette.
inline constexpr std::int64_t kMaxPictureFileBytes = 4 * kMaxPicturePixels + 65536;

// Why the bytes of a whole file cannot be a Windows bitmap of an accepted size, judged from its
// headers alone; nothing when they can. Checks the "BM" signature, a known header (12, 40, 52,
// 56, 108 or 124 bytes), a width of 1 or more and a height other than 0 whose product is at
// most kMaxPicturePixels, 1, 4, 8, 16, 24 or 32 bits per pixel, and a compression the bitmap
// reader knows. For uncompressed and bit-field pixels the file must hold every row the header
// promises; run-length pixels must at least start inside the file. Never reads past the span.
std::optional<std::string> bitmapLayoutProblem(std::span<const std::uint8_t> file);

}  // namespace vexolite
