// The tests' record writer and temporary folders.
// SPDX-License-Identifier: MIT
#include "support/case_file_writer.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vexolite::test {

std::vector<std::uint8_t> recordBytes(int caseValue, std::string_view digits, int solutions) {
  std::string all(digits);
  if (all.size() > 300) throw std::invalid_argument("more than 300 figure digits");
  all.resize(300, '0');
  std::vector<std::uint8_t> bytes;
  auto put16 = [&bytes](int value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xff));
    bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
  };
  put16(caseValue);
  for (std::size_t group = 0; group < 75; ++group)
    put16(std::stoi(all.substr(group * 4, 4)));
  put16(solutions);
  return bytes;
}

std::string figureDigits(const std::vector<std::string>& layers) {
  std::string digits;
  for (const std::string& layer : layers) {
    for (char c : layer)
      digits += (c == '/') ? '8' : c;
    digits += '9';
  }
  return digits;
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> caseFileBytes(const std::vector<std::vector<std::uint8_t>>& records) {
  std::vector<std::uint8_t> all;
  for (const auto& record : records)
    all.insert(all.end(), record.begin(), record.end());
  return all;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vexolite-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temp folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace vexolite::test
