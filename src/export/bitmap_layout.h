// What a bitmap file's headers promise, checked against its length before any pixel is decoded.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "case_library/translatable.h"

namespace vexolite {

// The reasons bitmapLayoutProblem gives that carry numbers; the others are marked where they are
// given.
inline constexpr std::string_view kBitmapShorterThanHeaders =
    QT_TRANSLATE_NOOP("vexolite", "mide %1 bytes, menos que las cabeceras de un BMP");
inline constexpr std::string_view kBitmapHeaderNotSupported =
    QT_TRANSLATE_NOOP("vexolite", "tiene una cabecera BMP de %1 bytes, que no se admite");
inline constexpr std::string_view kBitmapCutInHeaders =
    QT_TRANSLATE_NOOP("vexolite", "esta cortado: mide %1 bytes, menos que sus cabeceras");
inline constexpr std::string_view kBitmapNoImageSize =
    QT_TRANSLATE_NOOP("vexolite", "declara %1 x %2 pixeles, que no es un tamano de imagen");
inline constexpr std::string_view kBitmapTooLarge = QT_TRANSLATE_NOOP(
    "vexolite", "declara %1 x %2 pixeles, mas de lo que puede medir una imagen de caso");
inline constexpr std::string_view kBitmapUnknownDepth =
    QT_TRANSLATE_NOOP("vexolite", "declara %1 bits por pixel");
inline constexpr std::string_view kBitmapPixelsCut =
    QT_TRANSLATE_NOOP("vexolite", "esta cortado: sus pixeles piden %1 bytes y mide %2");
inline constexpr std::string_view kBitmapPixelsStartBeyond =
    QT_TRANSLATE_NOOP("vexolite", "esta cortado: sus pixeles empiezan en el byte %1 y mide %2");
inline constexpr std::string_view kBitmapCompressionNotSupported =
    QT_TRANSLATE_NOOP("vexolite", "usa una compresion (%1) que no se admite");

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
std::optional<Reason> bitmapLayoutProblem(std::span<const std::uint8_t> file);

}  // namespace vexolite
