// The tests' own record writer, independent of the core's encoder, and their temporary folders.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexolite::test {

// One record of 154 bytes: case value, figure digits ('0'..'9', padded with "0" to 300) and a
// solution count, each 16-bit value low byte first.
std::vector<std::uint8_t> recordBytes(int caseValue, std::string_view digits, int solutions);

// Figure digits from layers written as text, lowest layer first: rows separated by "/" inside a
// layer (written "8"), cells "0".."7", each layer closed by "9". {"111/1", "7"} is a layer of
// rows "111" and "1", then a layer of one cell.
std::string figureDigits(const std::vector<std::string>& layers);

// Writes the bytes as the whole content of path (replacing it); reads a whole file back.
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readFile(const std::filesystem::path& path);
std::vector<std::uint8_t> caseFileBytes(const std::vector<std::vector<std::uint8_t>>& records);

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace vexolite::test
