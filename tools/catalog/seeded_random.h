// Random choices that give the same sequence with every standard library: std::mt19937 is fully
// specified, the distributions on top of it are coded here rather than taken from <random>.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace vexolite::catalog {

class SeededRandom {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}

  // A whole number 0..bound-1, every value equally likely (rejection of the uneven top).
  // Precondition: bound >= 1.
  std::uint32_t below(std::uint32_t bound) {
    const std::uint64_t range = std::uint64_t{1} << 32;
    const std::uint64_t limit = range - range % bound;
    for (;;) {
      const std::uint64_t draw = engine_();
      if (draw < limit) return static_cast<std::uint32_t>(draw % bound);
    }
  }

  // Fisher-Yates, drawing with below().
  template <class T>
  void shuffle(std::vector<T>& items) {
    for (std::size_t n = items.size(); n > 1; --n) {
      const std::size_t pick = below(static_cast<std::uint32_t>(n));
      std::swap(items[n - 1], items[pick]);
    }
  }

 private:
  std::mt19937 engine_;
};

}  // namespace vexolite::catalog
