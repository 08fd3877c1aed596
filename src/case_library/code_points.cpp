// Counting and cutting texts by characters (Unicode code points), whatever bytes they hold.
// SPDX-License-Identifier: MIT
#include "case_library/code_points.h"

#include <algorithm>
#include <cstdint>

namespace vexolite {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0u) == 0x80u;
}

// The length of the well-formed sequence starting at text[at], and its character; 0 when the
// byte there begins none.
std::size_t sequenceAt(std::string_view text, std::size_t at, char32_t& character) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  char32_t smallest = 0;
  if (lead < 0x80u) {
    character = lead;
    return 1;
  }
  if (lead >= 0xC2u && lead <= 0xDFu) {
    length = 2;
    character = lead & 0x1Fu;
    smallest = 0x80;
  } else if (lead >= 0xE0u && lead <= 0xEFu) {
    length = 3;
    character = lead & 0x0Fu;
    smallest = 0x800;
  } else if (lead >= 0xF0u && lead <= 0xF4u) {
    length = 4;
    character = lead & 0x07u;
    smallest = 0x10000;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (std::size_t n = 1; n < length; ++n) {
    const auto byte = static_cast<unsigned char>(text[at + n]);
    if (!isContinuation(byte)) return 0;
    character = (character << 6) | (byte & 0x3Fu);
  }
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  if (character < smallest || surrogate || character > 0x10FFFF) return 0;
  return length;
}

}  // namespace

std::u32string decodeUtf8(std::string_view text) {
  std::u32string characters;
  characters.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    char32_t character = 0;
    const std::size_t length = sequenceAt(text, at, character);
    characters.push_back(length == 0 ? kReplacement : character);
    at += length == 0 ? 1 : length;
  }
  return characters;
}

std::string encodeUtf8(std::u32string_view characters) {
  std::string text;
  text.reserve(characters.size());
  for (const char32_t c : characters) {
    const auto put = [&text](std::uint32_t byte) { text.push_back(static_cast<char>(byte)); };
    if (c < 0x80) {
      put(c);
    } else if (c < 0x800) {
      put(0xC0u | (c >> 6));
      put(0x80u | (c & 0x3Fu));
    } else if (c < 0x10000) {
      put(0xE0u | (c >> 12));
      put(0x80u | ((c >> 6) & 0x3Fu));
      put(0x80u | (c & 0x3Fu));
    } else {
      put(0xF0u | (c >> 18));
      put(0x80u | ((c >> 12) & 0x3Fu));
      put(0x80u | ((c >> 6) & 0x3Fu));
      put(0x80u | (c & 0x3Fu));
    }
  }
  return text;
}

std::string lastCharacters(std::string_view text, std::size_t count) {
  const std::u32string characters = decodeUtf8(text);
  const std::size_t keep = std::min(count, characters.size());
  return encodeUtf8(std::u32string_view(characters).substr(characters.size() - keep));
}

}  // namespace vexolite
