// Decoding a record into the case texts and the figure, with the data model's limits enforced.
// SPDX-License-Identifier: MIT
#include "case_library/case_decoding.h"

#include <algorithm>

#include "case_library/number_text.h"

namespace vexolite {
namespace {

// The byte of the cell field that holds figure digit number position (0-based).
std::size_t byteOfDigit(std::size_t position) {
  return kCellFieldOffset + 2 * (position / 4);
}

CaseTexts caseTexts(const RawRecord& record) {
  CaseTexts f;
  f.recordCaseValue = static_cast<std::int16_t>(readField(record, kCaseValueOffset));
  f.caseCode = caseCode(f.recordCaseValue);
  f.cellDigits = decodeCellField(record);

  f.recordSolutionValue = static_cast<std::int16_t>(readField(record, kSolutionOffset));
  f.solutionText = padLeft(std::to_string(f.recordSolutionValue), 5, ' ');
  f.solutionCount = f.recordSolutionValue;

  const std::string number = f.caseCode.substr(0, 3);
  f.caseNumber = f.recordCaseValue / 10;
  const char decimal = f.caseCode[3];
  const std::string decimalPart = decimal > '0' ? std::string(".") + decimal : "  ";
  f.caseLabel = std::string(kCaseLabelWord) + "   " + number + decimalPart + " ";
  f.caseText = number + decimalPart + " ";
  f.caseNumberText = f.caseLabel.substr(9, 5);
  f.solutionLabel = std::string(kSolutionLabelWord) + " " + f.solutionText + " ";
  const std::string solutionDigits = padLeft(std::to_string(f.solutionCount), 5, '0');
  f.imageBaseName = solutionDigits + "-" + f.caseCode;

  const std::string marked = figureMarks(f.cellDigits);
  const std::size_t lastLayerEnd = marked.rfind('/');
  f.figureString = lastLayerEnd == std::string::npos ? marked : marked.substr(0, lastLayerEnd + 1);
  return f;
}

}  // namespace

ParseResult<DecodedFigure> parseFigure(const std::string& figureString) {
  DecodedFigure figure;
  int i = 1, j = 1, k = 1;
  int layers = 0, rows = 0, columns = 0;
  for (std::size_t position = 0; position < figureString.size(); ++position) {
    const char c = figureString[position];
    const std::size_t byte = byteOfDigit(position);
    if (c == '|') {
      if (j == kGridBound) return RecordFault{RecordFaultKind::TooManyRows, byte};
      k = 1;
      ++j;
      rows = std::max(rows, j);
    } else if (c == '/') {
      if (i == kGridBound + 1) return RecordFault{RecordFaultKind::TooManyLayers, byte};
      ++i;
      j = 1;
      k = 1;
      layers = std::max(layers, i);
    } else {
      if (k > kGridBound) return RecordFault{RecordFaultKind::TooManyCells, byte};
      const int digit = c - '0';
      if (digit < 0 || digit > 7) return RecordFault{RecordFaultKind::FigureSignInvalid, byte};
      if (digit > 0) {
        if (figure.cubeCount == kMaxCubes) {
          return RecordFault{RecordFaultKind::TooManyCubes, byte};
        }
        if (i > kGridBound) return RecordFault{RecordFaultKind::TooManyLayers, byte};
        figure.cubes[static_cast<std::size_t>(figure.cubeCount)] =
            PlacedCube{static_cast<std::int16_t>(i), static_cast<std::int16_t>(j),
                       static_cast<std::int16_t>(k), static_cast<std::int16_t>(digit)};
        ++figure.cubeCount;
      }
      ++k;
      columns = std::max(columns, k);
    }
  }
  figure.layerCount = static_cast<std::int16_t>(layers - 1);
  figure.rowCount = static_cast<std::int16_t>(rows);
  figure.columnCount = static_cast<std::int16_t>(columns - 1);

  int side = 0;
  if (figure.layerCount > 0) side = figure.layerCount;
  if (figure.rowCount > side) side = figure.rowCount;
  if (figure.columnCount > side) side = figure.columnCount;
  if (side >= 1 && side <= 4) side = 4;
  if (side >= 5 && side <= 8) side = 8;
  if (side >= 9 && side <= 16) side = 16;
  figure.cubeSide = static_cast<std::int16_t>(side);
  return figure;
}

ParseResult<DecodedCase> decodeRecord(const RawRecord& record) {
  if (auto fields = checkRecordFields(record); !fields) return fields.error();
  DecodedCase decoded;
  decoded.texts = caseTexts(record);
  auto figure = parseFigure(decoded.texts.figureString);
  if (!figure) return figure.error();
  decoded.figure = std::move(figure).value();
  return decoded;
}

void applyFigure(const DecodedFigure& figure, FigureFields& into) {
  into.cells.clear();
  for (int n = 1; n <= figure.cubeCount; ++n) {
    const PlacedCube& cube = figure.cubes[static_cast<std::size_t>(n - 1)];
    into.cells(cube.i, cube.j, cube.k) = static_cast<std::int16_t>(n);
    into.cubes[static_cast<std::size_t>(n)][kPieceColumn] = cube.piece;
    into.cubes[static_cast<std::size_t>(n)][kStateColumn] = kCubeShown;
  }
  into.cubeSide = figure.cubeSide;
}

}  // namespace vexolite
