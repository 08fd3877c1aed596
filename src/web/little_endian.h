// Little-endian fields appended to a byte buffer, as bitmap and zip headers store them.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace vexolite {

inline void appendU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xff));
  out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xff));
}

inline void appendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  appendU16(out, value & 0xffff);
  appendU16(out, value >> 16);
}

}  // namespace vexolite
