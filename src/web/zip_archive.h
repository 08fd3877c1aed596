// A zip archive of whole files, stored without compression, as one download of many files.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vexolite {

struct ZipEntry {
  std::string name;  // the file's name inside the archive, as bytes (UTF-8 flagged)
  std::vector<std::uint8_t> bytes;
};

// The CRC-32 of bytes (the polynomial of zip and PNG, 0xEDB88320 reflected).
std::uint32_t crc32(std::span<const std::uint8_t> bytes);

// The bytes of a zip archive holding entries in order, each stored as it is (method 0), dated
// 1 January 1980. Precondition: fewer than 65535 entries, each name shorter than 65536 bytes,
// and the archive under 4 GiB (no zip64).
std::vector<std::uint8_t> storedZip(const std::vector<ZipEntry>& entries);

}  // namespace vexolite
