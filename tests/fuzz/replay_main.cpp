// Replays stored inputs through a fuzz target without libFuzzer: every file named, and every file
// of every folder named, in name order. Used by ctest on the seed corpus and crash reproducers.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_entry.h"

namespace {

std::vector<std::uint8_t> readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...\n", argv[0]);
    return 2;
  }
  std::vector<std::filesystem::path> inputs;
  for (int n = 1; n < argc; ++n) {
    const std::filesystem::path given = argv[n];
    if (std::filesystem::is_directory(given)) {
      for (const auto& entry : std::filesystem::directory_iterator(given)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
      }
    } else if (std::filesystem::is_regular_file(given)) {
      inputs.push_back(given);
    } else {
      std::fprintf(stderr, "%s: no such file or folder\n", given.c_str());
      return 2;
    }
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "no inputs to replay\n");
    return 2;
  }
  std::sort(inputs.begin(), inputs.end());
  for (const auto& input : inputs) {
    std::fprintf(stderr, "replaying %s\n", input.c_str());
    const std::vector<std::uint8_t> bytes = readAll(input);
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::fprintf(stderr, "%zu inputs replayed\n", inputs.size());
  return 0;
}
