// Decoding a record into the case texts and the figure, with the data model's limits enforced.
#include "case_library/case_decoding.h"

#include <algorithm>

#include "case_library/number_text.h"

namespace vexolite {
namespace {

// The byte of the cell field that holds figure digit number position (0-based).
std::size_t byteOfDigit(std::size_t position) {
  return kCellFieldOffset + 2 * (position / 4);
}

CaseFields caseTexts(const RawRecord& record) {
  CaseFields f;
  f.RecordCaseValue = static_cast<std::int16_t>(readField(record, kCaseValueOffset));
  f.CaseCode = caseCode(f.RecordCaseValue);
  f.CellDigits = decodeCellField(record);
  f.CellString = figureMarks(f.CellDigits);
  f.CaseCellString = f.CellString;

  f.RecordSolutionValue = static_cast<std::int16_t>(readField(record, kSolutionOffset));
  f.SolutionText = padLeft(std::to_string(f.RecordSolutionValue), 5, ' ');
  f.SolutionCount = numericValue(f.SolutionText);

  const std::string number = f.CaseCode.substr(0, 3);
  f.CaseNumber = numericValue(number);
  f.CaseCodeCopy = f.CaseCode.substr(0, 4);
  const char decimal = f.CaseCode[3];
  const std::string decimalPart = decimal > '0' ? std::string(".") + decimal : "  ";
  f.CaseLabel = " CASO:   " + number + decimalPart + " ";
  f.CaseText = number + decimalPart + " ";
  f.CaseNumberText = f.CaseLabel.substr(9, 5);
  f.SolutionLabel = " SOLU: " + f.SolutionText + " ";
  f.SolutionDigits = padLeft(std::to_string(static_cast<long>(f.SolutionCount)), 5, '0');
  f.ImageBaseName = f.SolutionDigits + "-" + f.CaseCodeCopy;

  const std::size_t lastLayerEnd = f.CaseCellString.rfind('/');
  f.FigureString = lastLayerEnd == std::string::npos ? f.CaseCellString
                                                     : f.CaseCellString.substr(0, lastLayerEnd + 1);
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
        if (figure.CubeCount == kMaxCubes) {
          return RecordFault{RecordFaultKind::TooManyCubes, byte};
        }
        if (i > kGridBound) return RecordFault{RecordFaultKind::TooManyLayers, byte};
        figure.cubes[static_cast<std::size_t>(figure.CubeCount)] =
            PlacedCube{static_cast<std::int16_t>(i), static_cast<std::int16_t>(j),
                       static_cast<std::int16_t>(k), static_cast<std::int16_t>(digit)};
        ++figure.CubeCount;
      }
      ++k;
      columns = std::max(columns, k);
    }
  }
  figure.LayerCount = static_cast<std::int16_t>(layers - 1);
  figure.RowCount = static_cast<std::int16_t>(rows);
  figure.ColumnCount = static_cast<std::int16_t>(columns - 1);

  int side = 0;
  if (figure.LayerCount > 0) side = figure.LayerCount;
  if (figure.RowCount > side) side = figure.RowCount;
  if (figure.ColumnCount > side) side = figure.ColumnCount;
  if (side >= 1 && side <= 4) side = 4;
  if (side >= 5 && side <= 8) side = 8;
  if (side >= 9 && side <= 16) side = 16;
  figure.CubeSide = static_cast<std::int16_t>(side);
  return figure;
}

ParseResult<DecodedCase> decodeRecord(const RawRecord& record) {
  if (auto fields = checkRecordFields(record); !fields) return fields.error();
  DecodedCase decoded;
  decoded.fields = caseTexts(record);
  auto figure = parseFigure(decoded.fields.FigureString);
  if (!figure) return figure.error();
  decoded.figure = std::move(figure).value();
  return decoded;
}

void applyFigure(const DecodedFigure& figure, FigureFields& into) {
  into.CellMatrix.clear();
  into.CubeCount = figure.CubeCount;
  for (int n = 1; n <= figure.CubeCount; ++n) {
    const PlacedCube& cube = figure.cubes[static_cast<std::size_t>(n - 1)];
    into.CellMatrix(cube.i, cube.j, cube.k) = static_cast<std::int16_t>(n);
    into.CubeletTable[static_cast<std::size_t>(n)][kPieceColumn] = cube.piece;
    into.CubeletTable[static_cast<std::size_t>(n)][kStateColumn] = kCubeShown;
  }
  into.LayerCount = figure.LayerCount;
  into.RowCount = figure.RowCount;
  into.ColumnCount = figure.ColumnCount;
  into.CubeSide = figure.CubeSide;
}

}  // namespace vexolite
