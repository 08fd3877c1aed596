// Counting and cutting texts by characters (Unicode code points), whatever bytes they hold.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexolite {

// The characters of a UTF-8 text. A byte that does not begin a well-formed sequence (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, a value above U+10FFFF)
// counts as one character of its own, U+FFFD, so that every text has a length and a last
// character.
std::u32string decodeUtf8(std::string_view text);

// The UTF-8 bytes of characters; each must be a Unicode scalar value, as decodeUtf8 gives.
std::string encodeUtf8(std::u32string_view characters);

// The last count characters of text, as well-formed UTF-8 (all of them when it has fewer).
std::string lastCharacters(std::string_view text, std::size_t count);

}  // namespace vexolite
