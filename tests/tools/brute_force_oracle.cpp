// The brute-force filling search and the cube's transforms, for the tests.
// SPDX-License-Identifier: MIT
#include "brute_force_oracle.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <set>

#include "piece_shapes.h"

namespace vexolite::catalog::oracle {

bool isReflection(int t) {
  return ((0b100110 >> (t / 8)) + std::popcount(unsigned(t % 8))) % 2 == 1;
}

Labeled moved(int t, Labeled cells) {
  constexpr int kAxes[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  const bool mirror = isReflection(t);
  for (auto& [v, piece] : cells) {
    auto image = [&](int a) { return ((t >> a) & 1 ? -1 : 1) * v[kAxes[t / 8][a]]; };
    v = Vec{image(0), image(1), image(2)};
    piece = mirror && (piece == 5 || piece == 6) ? 11 - piece : piece;
  }
  std::sort(cells.begin(), cells.end());
  const Vec o = cells.empty() ? Vec{} : cells[0].first;
  for (auto& cell : cells)
    cell.first = Vec{cell.first[0] - o[0], cell.first[1] - o[1], cell.first[2] - o[2]};
  return cells;
}

Labeled labeled(const std::vector<FigureCube>& cubes) {
  Labeled cells;
  for (const FigureCube& c : cubes)
    cells.emplace_back(Vec{c.cell.i, c.cell.j, c.cell.k}, c.piece);
  std::sort(cells.begin(), cells.end());
  return cells;
}

std::vector<int> symmetries(const Labeled& shape) {
  std::vector<int> group;
  for (int t = 0; t < 48; ++t)
    if (moved(t, shape) == shape) group.push_back(t);
  return group;
}

std::string digitsOf(const Labeled& cells) {
  std::string digits;
  for (const auto& cell : cells)
    digits += static_cast<char>('0' + cell.second);
  return digits;
}

Fillings allFillings(const std::vector<FigureCube>& cubes) {
  Fillings result;
  result.figure = moved(0, labeled(cubes));
  const Labeled& figure = result.figure;
  std::map<Vec, std::size_t> number;
  for (std::size_t n = 0; n < figure.size(); ++n)
    number[figure[n].first] = n;
  std::array<std::set<std::uint32_t>, 8> placements;  // cell masks of each piece's placements
  for (int piece = 1; piece <= 7; ++piece) {
    Labeled cells;
    for (const Cell& c : pieceCells(piece))
      cells.emplace_back(Vec{c.i, c.j, c.k}, piece);
    for (int t = 0; t < 48; ++t) {
      const Labeled shape = moved(t, cells);
      for (const auto& [base, unused] : figure) {
        std::uint32_t mask = shape[0].second == piece ? 0 : ~0u;  // not the other screw
        for (const auto& [s, same] : shape) {
          const auto at = number.find(Vec{base[0] + s[0], base[1] + s[1], base[2] + s[2]});
          const int fixed = at == number.end() ? -1 : figure[at->second].second;
          mask = (fixed == 0 || fixed == piece) && mask != ~0u ? mask | 1u << at->second : ~0u;
        }
        if (mask != ~0u) placements[static_cast<std::size_t>(piece)].insert(mask);
      }
    }
  }
  Labeled current = figure;
  auto place = [&](auto&& self, std::size_t piece, std::uint32_t taken) -> void {
    if (piece == 8) return result.all.push_back(current);  // seven pieces cover 27 cells
    for (std::uint32_t mask : placements[piece]) {
      if ((mask & taken) != 0) continue;
      for (std::size_t n = 0; n < figure.size(); ++n)
        current[n].second = (mask >> n) & 1 ? static_cast<int>(piece) : current[n].second;
      self(self, piece + 1, taken | mask);
    }
  };
  if (figure.size() == 27) place(place, 1, 0);
  result.symmetries = symmetries(figure);
  return result;
}

}  // namespace vexolite::catalog::oracle
