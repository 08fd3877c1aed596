// Turning one record into everything the viewer shows of a case: its texts and its figure.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "case_library/figure.h"
#include "case_library/parse_result.h"
#include "case_library/record_format.h"
#include "case_library/translatable.h"

namespace vexolite {

// The words that open the case and solution labels. The viewer shows them in the chosen
// language; a translation keeps their width, so the labels and the exported stamps still fit.
inline constexpr std::string_view kCaseLabelWord = QT_TRANSLATE_NOOP("vexolite", " CASO:");
inline constexpr std::string_view kSolutionLabelWord = QT_TRANSLATE_NOOP("vexolite", " SOLU:");

// What a record gives: the texts and numbers of the shown case, replaced by every load.
// Examples are for case value 1231 (case 123.1) with 12 solutions.
struct CaseTexts {
  std::int16_t recordCaseValue = 0;      // 1231
  std::int16_t recordSolutionValue = 0;  // 12
  std::string cellDigits;                // the 300 figure digits
  std::string figureString;    // the digits with "8" as "|" and "9" as "/", cut after the last "/"
  std::string caseCode;        // '1231'; '123 ' for case 123
  int caseNumber = 0;          // 123
  std::string caseLabel;       // ' CASO:   123.1 ', caption of the case label
  std::string caseText;        // '123.1 ', caption of the case-number label
  std::string caseNumberText;  // '123.1'; '123  ' for case 123
  std::string solutionText;    // '   12', caption of the solution-count label
  int solutionCount = 0;       // 12
  std::string solutionLabel;   // ' SOLU:    12 ', caption of the solutions label
  std::string imageBaseName;   // '00012-1231'
};

struct PlacedCube {
  std::int16_t i = 0, j = 0, k = 0;  // its cell, each 1..16
  std::int16_t piece = 0;            // 1..7
};

// A figure as decoded, cubes numbered 1.. in the order their digits appear (layer by layer, row
// by row, cell by cell). The extents are those of the figure parsing, after its final correction.
struct DecodedFigure {
  std::array<PlacedCube, kMaxCubes> cubes{};
  std::int16_t cubeCount = 0;
  std::int16_t layerCount = 0;
  std::int16_t rowCount = 0;
  std::int16_t columnCount = 0;
  std::int16_t cubeSide = 0;
};

struct DecodedCase {
  CaseTexts texts;
  DecodedFigure figure;
};

// Decodes a record in full, or names the byte of the record where it leaves the data model: a
// high byte of 128 or more, a case value or cell group above 9999, more than 27 cubes, or more
// than 16 layers, rows or cells per row. Never reads or writes outside its arrays.
ParseResult<DecodedCase> decodeRecord(const RawRecord& record);

// The figure parsing alone, on a figure string of digits 0..7 and the marks "|" and "/". Byte
// offsets in errors are those of the cell field's group that holds the offending digit.
ParseResult<DecodedFigure> parseFigure(const std::string& figureString);

// Puts a decoded figure into the viewer's figure fields: every cell 1..16 cleared, cubes placed,
// their pieces set and their states set to shown. Cubelet rows above CubeCount keep their values.
void applyFigure(const DecodedFigure& figure, FigureFields& into);

}  // namespace vexolite
