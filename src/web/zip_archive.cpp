// A zip archive of whole files, stored without compression, as one download of many files.
// SPDX-License-Identifier: MIT
#include "web/zip_archive.h"

#include <array>
#include <cassert>

#include "web/little_endian.h"

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

// The fields a local header and a central directory entry share, from "version needed" on.
void putCommon(std::vector<std::uint8_t>& out, const ZipEntry& entry, std::uint32_t crc) {
  appendU16(out, kVersion);
  appendU16(out, kUtf8Names);
  appendU16(out, 0);  // stored
  appendU16(out, 0);  // time 00:00:00
  appendU16(out, kFirstDosDate);
  appendU32(out, crc);
  appendU32(out, static_cast<std::uint32_t>(entry.bytes.size()));  // compressed
  appendU32(out, static_cast<std::uint32_t>(entry.bytes.size()));  // uncompressed
  appendU16(out, static_cast<std::uint32_t>(entry.name.size()));
  appendU16(out, 0);  // extra field
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
    appendU32(out, 0x04034b50);
    putCommon(out, entry, crc);
    out.insert(out.end(), entry.name.begin(), entry.name.end());
    out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());

    appendU32(directory, 0x02014b50);
    appendU16(directory, kVersion);  // made by: MS-DOS attributes, version 2.0
    putCommon(directory, entry, crc);
    appendU16(directory, 0);  // comment
    appendU16(directory, 0);  // disk
    appendU16(directory, 0);  // internal attributes
    appendU32(directory, 0);  // external attributes
    appendU32(directory, offset);
    directory.insert(directory.end(), entry.name.begin(), entry.name.end());
  }
  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  out.insert(out.end(), directory.begin(), directory.end());
  appendU32(out, 0x06054b50);
  appendU16(out, 0);  // this disk
  appendU16(out, 0);  // the directory's disk
  appendU16(out, static_cast<std::uint32_t>(entries.size()));
  appendU16(out, static_cast<std::uint32_t>(entries.size()));
  appendU32(out, static_cast<std::uint32_t>(directory.size()));
  appendU32(out, directoryOffset);
  appendU16(out, 0);  // comment
  return out;
}

}  // namespace vexolite
