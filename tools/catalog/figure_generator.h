// The seeded generator of compact assemblies for the catalogue source.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog_figure.h"
#include "parallel_count.h"

namespace vexolite::catalog {

struct GeneratorSettings {
  std::uint32_t seed = 1;
  int count = 100;      // figures to make, numbered firstCase, firstCase + 1, ...
  int firstCase = 1;    // case number of the first
  int mirrorEvery = 0;  // every n-th chiral figure also gets its mirror as case N.1; 0: none
};

// A generated figure and its count, with the kind of assembly that made it.
struct GeneratedFigure {
  CatalogFigure figure;
  std::uint64_t solutions = 0;
  int groupOrder = 0;
  std::string kind;
};

// Makes `count` figures of 27 cubes, face-connected, with 1 to 32767 solutions each, no two of
// them and none of `avoided` the same figure turned or mirrored, fitting the record, with their
// solution counts spread from 1 to the thousands. The same settings and avoided figures give the
// same figures in the same order. Mirrors (case N.1) follow their figure.
std::vector<GeneratedFigure> generateFigures(const GeneratorSettings& settings,
                                             const std::vector<CatalogFigure>& avoided,
                                             const CountProgress& progress = {});

// The generated figures as .fig text, each with a comment giving its kind and count.
std::string generatedFigText(const GeneratorSettings& settings,
                             const std::vector<CatalogFigure>& avoided,
                             const CountProgress& progress = {});

}  // namespace vexolite::catalog
