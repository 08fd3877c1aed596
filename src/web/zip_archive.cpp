// A zip archive of whole files, stored without compression, as one download of many files.
// SPDX-License-Identifier: MIT
#include "web/zip_archive.h"

#include <array>
#include <cassert>

namespace vexolite {
namespace {

constexpr std::array<std::uint32_t, 256> crcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k)
      c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = crcTable();

constexpr std::uint16_t kVersion = 20;         // 2.0: stored files
constexpr std::uint16_t kUtf8Names = 1 << 11;  // general purpose flag: names are UTF-8
constexpr std::uint16_t kFirstDosDate = (0 << 9) | (1 << 5) | 1;  // 1980-01-01

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xff));
  out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xff));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xffff);
  put16(out, value >> 16);
}

// The fields a local header and a central directory entry share, from "version needed" on.
void putCommon(std::vector<std::uint8_t>& out, const ZipEntry& entry, std::uint32_t crc) {
  put16(out, kVersion);
  put16(out, kUtf8Names);
  put16(out, 0);  // stored
  put16(out, 0);  // time 00:00:00
  put16(out, kFirstDosDate);
  put32(out, crc);
  put32(out, static_cast<std::uint32_t>(entry.bytes.size()));  // compressed
  put32(out, static_cast<std::uint32_t>(entry.bytes.size()));  // uncompressed
  put16(out, static_cast<std::uint32_t>(entry.name.size()));
  put16(out, 0);  // extra field
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t c = 0xffffffffu;
  for (std::uint8_t b : bytes)
    c = kCrcTable[(c ^ b) & 0xff] ^ (c >> 8);
  return c ^ 0xffffffffu;
}

std::vector<std::uint8_t> storedZip(const std::vector<ZipEntry>& entries) {
  assert(entries.size() < 0xffff);
  std::vector<std::uint8_t> out;
  std::vector<std::uint8_t> directory;
  for (const ZipEntry& entry : entries) {
    assert(entry.name.size() < 0x10000);
    const std::uint32_t crc = crc32(entry.bytes);
    const auto offset = static_cast<std::uint32_t>(out.size());
    put32(out, 0x04034b50);
    putCommon(out, entry, crc);
    out.insert(out.end(), entry.name.begin(), entry.name.end());
    out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());

    put32(directory, 0x02014b50);
    put16(directory, kVersion);  // made by: MS-DOS attributes, version 2.0
    putCommon(directory, entry, crc);
    put16(directory, 0);  // comment
    put16(directory, 0);  // disk
    put16(directory, 0);  // internal attributes
    put32(directory, 0);  // external attributes
    put32(directory, offset);
    directory.insert(directory.end(), entry.name.begin(), entry.name.end());
  }
  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  out.insert(out.end(), directory.begin(), directory.end());
  put32(out, 0x06054b50);
  put16(out, 0);  // this disk
  put16(out, 0);  // the directory's disk
  put16(out, static_cast<std::uint32_t>(entries.size()));
  put16(out, static_cast<std::uint32_t>(entries.size()));
  put32(out, static_cast<std::uint32_t>(directory.size()));
  put32(out, directoryOffset);
  put16(out, 0);  // comment
  return out;
}

}  // namespace vexolite
