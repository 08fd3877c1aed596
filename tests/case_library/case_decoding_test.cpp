// Records: the case code and texts, the figure decoded (worked examples and an oracle), the bad
// records named by byte, and the figure applied to the viewer's tables.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <tuple>

#include "case_library/case_decoding.h"
#include "case_library/record_format.h"
#include "support/case_file_writer.h"

namespace vexolite {
namespace {

RawRecord asRecord(const std::vector<std::uint8_t>& bytes) {
  RawRecord record{};
  std::copy(bytes.begin(), bytes.end(), record.begin());
  return record;
}

DecodedCase decodeOk(int caseValue, const std::string& digits, int solutions) {
  auto decoded = decodeRecord(asRecord(test::recordBytes(caseValue, digits, solutions)));
  EXPECT_TRUE(decoded.ok()) << (decoded.ok() ? std::size_t{0} : decoded.error().byteOffset);
  return decoded.ok() ? decoded.value() : DecodedCase{};
}

// The figure as text: extents, then each cube as "i,j,k=piece" in its number's order.
std::string describe(const DecodedFigure& f) {
  std::string text = "layers " + std::to_string(f.layerCount) + " rows " +
                     std::to_string(f.rowCount) + " columns " + std::to_string(f.columnCount) +
                     " side " + std::to_string(f.cubeSide) + ":";
  for (int n = 0; n < f.cubeCount; ++n) {
    const PlacedCube& c = f.cubes[static_cast<std::size_t>(n)];
    text += " " + std::to_string(c.i) + "," + std::to_string(c.j) + "," + std::to_string(c.k) +
            "=" + std::to_string(c.piece);
  }
  return text;
}

TEST(CaseTexts, FollowTheCaseValueAndSolutionCount) {
  for (const auto& [value, code] :
       {std::pair<int, const char*>{7, "0007"}, {0, "000 "}, {9999, "9999"}, {100, "010 "}})
    EXPECT_EQ(caseCode(value), code) << value;
  // CaseCode|CaseCodeCopy|CaseLabel|CaseText|CaseNumberText|SolutionText|SolutionLabel|
  // imageBaseName, and CaseNumber.
  const std::tuple<int, int, const char*, double> cases[] = {
      {1231, 12, "1231|1231| CASO:   123.1 |123.1 |123.1|   12| SOLU:    12 |00012-1231", 123},
      {1230, 240, "123 |123 | CASO:   123   |123   |123  |  240| SOLU:   240 |00240-123 ", 123},
      {50, 0, "005 |005 | CASO:   005   |005   |005  |    0| SOLU:     0 |00000-005 ", 5},
      {7050, 32767, "705 |705 | CASO:   705   |705   |705  |32767| SOLU: 32767 |32767-705 ", 705},
  };
  for (const auto& [value, solutions, texts, number] : cases) {
    const CaseTexts f = decodeOk(value, "19", solutions).texts;
    EXPECT_EQ(f.caseCode + "|" + f.caseCode + "|" + f.caseLabel + "|" + f.caseText + "|" +
                  f.caseNumberText + "|" + f.solutionText + "|" + f.solutionLabel + "|" +
                  f.imageBaseName,
              texts);
    EXPECT_EQ(f.caseNumber, number);
    EXPECT_EQ(f.solutionCount, solutions);
    EXPECT_EQ(f.recordCaseValue, value);
  }
  const CaseTexts f = decodeOk(10, "11101119390", 1).texts;
  EXPECT_EQ(f.cellDigits.size(), 300u);
  EXPECT_EQ(f.cellDigits.substr(0, 12), "111011193900");
  EXPECT_EQ(f.figureString, "1110111/3/");  // cut after the last "/"; padding ignored
  // The encoder writes the bytes of the tests' own writer.
  const std::string digits = test::figureDigits({"111/1", "2220/033", "4447"});
  const RawRecord encoded = encodeRecord(1231, digits, 240);
  EXPECT_EQ(test::recordBytes(1231, digits, 240),
            std::vector<std::uint8_t>(encoded.begin(), encoded.end()));
}

TEST(FigureParsing, WorkedExamples) {
  std::vector<std::string> largest(16, "1");  // 16 layers, a layer of 16 rows, a row of 16 cells
  largest[3] = "1" + std::string(15, '/');
  largest[4] = std::string(15, '0') + "1";
  std::string largestCubes;
  for (int i = 1; i <= 16; ++i)
    largestCubes += " " + std::to_string(i) + (i == 5 ? ",1,16=1" : ",1,1=1");
  const std::pair<std::string, std::string> cases[] = {
      // One row of seven cells with an empty fourth.
      {"11101119",
       "layers 1 rows 0 columns 7 side 8: 1,1,1=1 1,1,2=1 1,1,3=1 1,1,5=1 1,1,6=1 "
       "1,1,7=1"},
      // A group of value 8 is 0008: three empty cells, then a row change.
      {"00081009", "layers 1 rows 2 columns 3 side 4: 1,2,1=1"},
      {test::figureDigits({"123/456/712", "2/1", "0003"}),
       "layers 3 rows 3 columns 4 side 4: 1,1,1=1 1,1,2=2 1,1,3=3 1,2,1=4 1,2,2=5 1,2,3=6 1,3,1=7 "
       "1,3,2=1 1,3,3=2 2,1,1=2 2,2,1=1 3,1,4=3"},
      {test::figureDigits(largest), "layers 16 rows 16 columns 16 side 16:" + largestCubes},
  };
  for (const auto& [digits, expected] : cases)
    EXPECT_EQ(describe(decodeOk(10, digits, 1).figure), expected) << digits;
}

// An independent reading of random figures written as layers of rows of cells.
TEST(FigureParsing, AgreesWithAnOracleOnRandomFigures) {
  std::mt19937 random(20261206);
  for (int trial = 0; trial < 500; ++trial) {
    const int layers = 1 + static_cast<int>(random() % 6);
    std::vector<std::string> text;
    std::string cubes;
    int count = 0, maxRows = 0, maxCells = 0;
    for (int i = 1; i <= layers; ++i) {
      const int rows = 1 + static_cast<int>(random() % 6);
      maxRows = std::max(maxRows, rows);
      text.emplace_back();
      for (int j = 1; j <= rows; ++j) {
        const int cells = static_cast<int>(random() % 9);
        maxCells = std::max(maxCells, cells);
        if (j > 1) text.back() += '/';
        for (int k = 1; k <= cells; ++k) {
          const int digit = count == 27 ? 0 : static_cast<int>(random() % 8);
          text.back() += static_cast<char>('0' + digit);
          if (digit == 0) continue;
          ++count;
          cubes += " " + std::to_string(i) + "," + std::to_string(j) + "," + std::to_string(k) +
                   "=" + std::to_string(digit);
        }
      }
    }
    const int rows = maxRows > 1 ? maxRows : 0, side = std::max({layers, rows, maxCells});
    EXPECT_EQ(describe(decodeOk(10, test::figureDigits(text), 1).figure),
              "layers " + std::to_string(layers) + " rows " + std::to_string(rows) + " columns " +
                  std::to_string(maxCells > 0 ? maxCells : -1) + " side " +
                  std::to_string(side <= 4   ? 4
                                 : side <= 8 ? 8
                                             : 16) +
                  ":" + cubes);
  }
}

TEST(BadRecords, NameTheKindTheByteAndTheValue) {
  auto withBytes = [](std::vector<std::uint8_t> bytes,
                      std::initializer_list<std::pair<std::size_t, std::uint8_t>> changes) {
    for (const auto& [at, value] : changes)
      bytes[at] = value;
    return bytes;
  };
  const std::vector<std::uint8_t> good = test::recordBytes(10, "19", 1);
  const std::string row14(14, '1');
  using enum RecordFaultKind;
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    RecordFaultKind kind;
    std::size_t byte;
    int value = 0, group = 0;
  } cases[] = {
      {"28 cubes", test::recordBytes(10, row14 + "8" + row14 + "9", 1), TooManyCubes, 16},
      {"17 layers", test::recordBytes(10, test::figureDigits(std::vector<std::string>(17, "1")), 1),
       TooManyLayers, 2 + 2 * (33 / 4)},
      {"17 rows", test::recordBytes(10, "1" + std::string(16, '8') + "19", 1), TooManyRows,
       2 + 2 * (16 / 4)},
      {"17 cells", test::recordBytes(10, std::string(16, '0') + "19", 1), TooManyCells,
       2 + 2 * (16 / 4)},
      {"no 9 at all", test::recordBytes(10, "1118111811181118", 1), TooManyCells, 2 + 2 * (32 / 4)},
      {"all zero", std::vector<std::uint8_t>(154, 0), TooManyCells, 10},
      {"all 0xFF", std::vector<std::uint8_t>(154, 0xff), HighByteTooLarge, 1, 255},
      {"case value high byte", withBytes(good, {{1, 0x80}}), HighByteTooLarge, 1, 128},
      {"last cell group high byte", withBytes(good, {{151, 0x81}}), HighByteTooLarge, 151, 129},
      {"solution count high byte", withBytes(good, {{153, 0x80}}), HighByteTooLarge, 153, 128},
      {"case value 10000", test::recordBytes(10000, "19", 1), CaseValueTooLarge, 0, 10000},
      {"cell group 11 of 10000", withBytes(good, {{22, 0x10}, {23, 0x27}}), CellGroupTooLarge, 22,
       10000, 11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto decoded = decodeRecord(asRecord(c.bytes));
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error().kind, c.kind);
    EXPECT_EQ(decoded.error().byteOffset, c.byte);
    EXPECT_EQ(decoded.error().value, c.value);
    EXPECT_EQ(decoded.error().group, c.group);
  }
  EXPECT_EQ(parseFigure("12x9").error().kind, FigureSignInvalid);
  EXPECT_TRUE(
      checkRecordFields(asRecord(test::recordBytes(9999, std::string(300, '9'), 32767))).ok());
}

TEST(ApplyFigure, ReplacesCellsAndResetsStatesButKeepsHigherRows) {
  FigureFields figure;
  applyFigure(
      decodeOk(10, test::figureDigits({"123/456/712", "123/456/712", "123/456/712"}), 1).figure,
      figure);
  figure.cubes[5][kStateColumn] = kCubeHidden;
  figure.cubes[20][kSquareXColumn] = 555;

  applyFigure(decodeOk(10, "0179", 1).figure, figure);
  EXPECT_EQ(figure.cells(1, 1, 2), 1);
  EXPECT_EQ(figure.cells(1, 1, 3), 2);
  EXPECT_EQ(figure.cells(3, 3, 3), 0);  // the old cube's cell is empty again
  EXPECT_EQ(figure.cubes[2][kPieceColumn], 7);
  EXPECT_EQ(figure.cubes[1][kStateColumn], kCubeShown);
  EXPECT_EQ(figure.cubes[5][kStateColumn], kCubeHidden);  // above the new cubes: untouched
  EXPECT_EQ(figure.cubes[20][kSquareXColumn], 555);
  EXPECT_EQ(figure.cubeSide, 4);
}

}  // namespace
}  // namespace vexolite
