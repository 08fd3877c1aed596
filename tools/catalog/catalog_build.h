// Building the case file from the figure source: checks, solving, sorting, encoding.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "case_library/record_format.h"
#include "catalog_figure.h"
#include "catalog_outcome.h"
#include "parallel_count.h"

namespace vexolite::catalog {

// What is wrong with a figure before any solving, or "": not 27 cubes, outside the record's 16
// layers, rows or cells per row or its 300 digits, or pieces fixed where check could not recount
// them (only case 705 fixes pieces, and it fixes all of them).
std::string figureShapeProblem(const CatalogFigure& figure);

// The order of the case file, which the viewer's steps by solutions rely on: fewer solutions
// first, and among equal counts the lower case value first.
constexpr bool recordGoesBefore(int solutions, int caseValue, int otherSolutions,
                                int otherCaseValue) {
  return solutions != otherSolutions ? solutions < otherSolutions : caseValue < otherCaseValue;
}

// Solves every figure, stores the first filling of each with its solution count, sorts the
// records by solution count and then by case value, and returns the file's bytes. Refuses the
// whole catalogue at the first problem, naming "<sourceName>:<line>: case N" and the reason: a
// shape problem above, no solution or more than 32767, or a case value given twice; and refuses
// an empty list of figures, naming "<sourceName>".
Outcome<std::vector<std::uint8_t>> buildCatalog(const std::vector<CatalogFigure>& figures,
                                                const std::string& sourceName,
                                                const CountProgress& progress = {});

// Writes the bytes to a temporary file in the destination's folder and renames it over the
// destination, so a failed write leaves any earlier file whole.
Outcome<bool> replaceFile(const std::filesystem::path& destination,
                          const std::vector<std::uint8_t>& bytes);

}  // namespace vexolite::catalog
