// Replays stored inputs through a fuzz target without libFuzzer: every file of every folder named,
// in name order. Used by ctest on the seeds and the crash reproducers.
// SPDX-License-Identifier: MIT
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::set<std::filesystem::path> inputs;
  for (int n = 1; n < argc; ++n)
    for (const auto& entry : std::filesystem::directory_iterator(argv[n]))
      inputs.insert(entry.path());
  for (const auto& input : inputs) {
    std::ifstream in(input, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  return inputs.empty() ? 1 : 0;  // a folder without inputs is a broken setup
}
