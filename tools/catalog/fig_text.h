// The figure text format (.fig): "case N" or "case N.D" lines, "#" comments, layers of rows
// lowest first separated by a blank line, cells "." empty, "x" free, "1".."7" fixed to a piece.
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalog_figure.h"
#include "catalog_outcome.h"

namespace vexolite::catalog {

inline constexpr int kLargestCaseNumber = 999;
// The most layers, rows per layer and cells per row a record can hold; the text itself has no
// such limit.
inline constexpr int kLargestExtent = 16;

// The case value of a case name ("12" 120, "12.3" 123), as the text after "case " gives it, or
// -1. Case 0 and 0.1 to 0.9 are read too: a record may hold case values 0 to 9, and the dump
// writes them so.
int caseValueOf(std::string_view text);

// Parses figure text. fileName is only used in messages, which read
// "<fileName>:<line>: expected ..., found ..." or, for a figure of other than 27 cubes,
// "<fileName>:<line of its case line>: case N has 26 cubes, not 27". Every layer, row and cell
// index starts at 1 where the text puts it: a leading row of dots stays an empty row. A UTF-8
// byte-order mark at the very start is skipped.
Outcome<std::vector<CatalogFigure>> parseFigText(std::string_view text,
                                                 const std::string& fileName);

// Reads and parses a file; messages name the file as given.
Outcome<std::vector<CatalogFigure>> readFigFile(const std::filesystem::path& path);

// One figure as text: its "case" line, the comment lines (each prefixed with "# "), then its
// layers over the whole bounding box, "." for empty cells, "x" or the piece digit for cubes,
// and a blank line after the last layer.
std::string figText(const CatalogFigure& figure, const std::vector<std::string>& comments = {});

}  // namespace vexolite::catalog
