// Decoding records into the case texts and the figure: worked examples, an oracle, bad records.
#include <gtest/gtest.h>

#include <random>

#include "case_library/case_decoding.h"
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
  EXPECT_TRUE(decoded.ok()) << (decoded.ok() ? "" : decoded.error().reason);
  return decoded.ok() ? decoded.value() : DecodedCase{};
}

TEST(CaseTexts, FollowTheCaseValueAndSolutionCount) {
  struct Case {
    int caseValue, solutions;
    const char *code, *label, *text, *numberText, *solutionText, *solutionLabel, *baseName;
    double number;
  };
  const Case cases[] = {
      {1231, 12, "1231", " CASO:   123.1 ", "123.1 ", "123.1", "   12", " SOLU:    12 ",
       "00012-1231", 123},
      {1230, 12, "123 ", " CASO:   123   ", "123   ", "123  ", "   12", " SOLU:    12 ",
       "00012-123 ", 123},
      {50, 0, "005 ", " CASO:   005   ", "005   ", "005  ", "    0", " SOLU:     0 ", "00000-005 ",
       5},
      {1231, 240, "1231", " CASO:   123.1 ", "123.1 ", "123.1", "  240", " SOLU:   240 ",
       "00240-1231", 123},
      {7050, 32767, "705 ", " CASO:   705   ", "705   ", "705  ", "32767", " SOLU: 32767 ",
       "32767-705 ", 705},
  };
  for (const Case& c : cases) {
    const CaseFields f = decodeOk(c.caseValue, "19", c.solutions).fields;
    EXPECT_EQ(f.CaseCode, c.code);
    EXPECT_EQ(f.CaseCodeCopy, c.code);
    EXPECT_EQ(f.CaseLabel, c.label);
    EXPECT_EQ(f.CaseText, c.text);
    EXPECT_EQ(f.CaseNumberText, c.numberText);
    EXPECT_EQ(f.SolutionText, c.solutionText);
    EXPECT_EQ(f.SolutionLabel, c.solutionLabel);
    EXPECT_EQ(f.ImageBaseName, c.baseName);
    EXPECT_EQ(f.CaseNumber, c.number);
    EXPECT_EQ(f.SolutionCount, c.solutions);
    EXPECT_EQ(f.RecordCaseValue, c.caseValue);
  }
}

TEST(CaseTexts, DecodiGivesThreeHundredDigitsAndTheMarks) {
  const CaseFields f = decodeOk(10, "11101119390", 1).fields;
  EXPECT_EQ(f.CellDigits.size(), 300u);
  EXPECT_EQ(f.CellDigits.substr(0, 12), "111011193900");
  EXPECT_EQ(f.CellString.substr(0, 12), "1110111/3/00");
  EXPECT_EQ(f.CaseCellString, f.CellString);
  EXPECT_EQ(f.FigureString, "1110111/3/");  // cut after the last "/"; padding ignored
}

TEST(FigureParsing, WorkedExamples) {
  // One layer, one row, seven cells with an empty fourth.
  DecodedFigure line = decodeOk(10, "11101119", 1).figure;
  EXPECT_EQ(line.CubeCount, 6);
  EXPECT_EQ(line.ColumnCount, 7);
  EXPECT_EQ(line.RowCount, 0);
  EXPECT_EQ(line.LayerCount, 1);
  EXPECT_EQ(line.CubeSide, 8);
  const int columns[] = {1, 2, 3, 5, 6, 7};
  for (int n = 0; n < 6; ++n) {
    EXPECT_EQ(line.cubes[n].k, columns[n]);
    EXPECT_EQ(line.cubes[n].i, 1);
    EXPECT_EQ(line.cubes[n].j, 1);
  }

  // A group of value 8 is the digits 0008: three empty cells, then a row change.
  DecodedFigure group8 = decodeOk(10, "00081009", 1).figure;
  ASSERT_EQ(group8.CubeCount, 1);
  EXPECT_EQ(group8.cubes[0].i, 1);
  EXPECT_EQ(group8.cubes[0].j, 2);
  EXPECT_EQ(group8.cubes[0].k, 1);
  EXPECT_EQ(group8.RowCount, 2);
  EXPECT_EQ(group8.ColumnCount, 3);
  EXPECT_EQ(group8.CubeSide, 4);

  // The 3 x 3 x 3 cube: side 4, cubes numbered layer by layer, row by row.
  const std::string layer = "123/456/712";
  DecodedFigure cube = decodeOk(10, test::figureDigits({layer, layer, layer}), 240).figure;
  EXPECT_EQ(cube.CubeCount, 27);
  EXPECT_EQ(cube.CubeSide, 4);
  EXPECT_EQ(cube.cubes[26].i, 3);
  EXPECT_EQ(cube.cubes[26].j, 3);
  EXPECT_EQ(cube.cubes[26].k, 3);
  EXPECT_EQ(cube.cubes[26].piece, 2);
}

// An independent reading of a figure written as layers of rows of cells.
TEST(FigureParsing, AgreesWithAnOracleOnRandomFigures) {
  std::mt19937 random(20261206);
  for (int trial = 0; trial < 500; ++trial) {
    const int layers = 1 + static_cast<int>(random() % 6);
    std::vector<std::string> text;
    std::vector<PlacedCube> expected;
    int maxRows = 0, maxCells = 0;
    for (int i = 1; i <= layers; ++i) {
      const int rows = 1 + static_cast<int>(random() % 6);
      maxRows = std::max(maxRows, rows);
      std::string layer;
      for (int j = 1; j <= rows; ++j) {
        const int cells = static_cast<int>(random() % 9);
        maxCells = std::max(maxCells, cells);
        if (j > 1) layer += '/';
        for (int k = 1; k <= cells; ++k) {
          int digit = static_cast<int>(random() % 8);
          if (digit > 0 && expected.size() == 27) digit = 0;
          layer += static_cast<char>('0' + digit);
          if (digit > 0) {
            expected.push_back({static_cast<std::int16_t>(i), static_cast<std::int16_t>(j),
                                static_cast<std::int16_t>(k), static_cast<std::int16_t>(digit)});
          }
        }
      }
      text.push_back(layer);
    }
    const DecodedFigure figure = decodeOk(10, test::figureDigits(text), 1).figure;
    ASSERT_EQ(figure.CubeCount, static_cast<int>(expected.size()));
    for (std::size_t n = 0; n < expected.size(); ++n) {
      EXPECT_EQ(figure.cubes[n].i, expected[n].i);
      EXPECT_EQ(figure.cubes[n].j, expected[n].j);
      EXPECT_EQ(figure.cubes[n].k, expected[n].k);
      EXPECT_EQ(figure.cubes[n].piece, expected[n].piece);
    }
    EXPECT_EQ(figure.LayerCount, layers);
    EXPECT_EQ(figure.RowCount, maxRows > 1 ? maxRows : 0);
    EXPECT_EQ(figure.ColumnCount, maxCells);
    const int side = std::max({layers, maxRows > 1 ? maxRows : 0, maxCells});
    EXPECT_EQ(figure.CubeSide, side <= 4 ? 4 : side <= 8 ? 8 : 16);
  }
}

TEST(FigureParsing, LargestFiguresOfTheDataModelFit) {
  // 16 layers, a layer of 16 rows, a row of 16 cells.
  std::vector<std::string> layers(16, "1");
  layers[3] = "1" + std::string(15, '/');
  layers[4] = std::string(15, '0') + "1";
  const DecodedFigure figure = decodeOk(10, test::figureDigits(layers), 1).figure;
  EXPECT_EQ(figure.LayerCount, 16);
  EXPECT_EQ(figure.RowCount, 16);
  EXPECT_EQ(figure.ColumnCount, 16);
  EXPECT_EQ(figure.CubeSide, 16);
}

TEST(BadRecords, NameTheByteAndReason) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* reason;
    std::size_t byte;
  };
  const std::string row14(14, '1');
  const Case cases[] = {
      {"28 cubes", test::recordBytes(10, row14 + "8" + row14 + "9", 1), "mas de 27 cubitos", 16},
      {"17 layers", test::recordBytes(10, test::figureDigits(std::vector<std::string>(17, "1")), 1),
       "mas de 16 capas", 2 + 2 * (33 / 4)},
      {"17 rows", test::recordBytes(10, "1" + std::string(16, '8') + "19", 1), "mas de 16 filas",
       2 + 2 * (16 / 4)},
      {"17 cells", test::recordBytes(10, std::string(16, '0') + "19", 1), "mas de 16 celdas",
       2 + 2 * (16 / 4)},
      {"no 9 at all", test::recordBytes(10, "1118111811181118", 1), "mas de 16 celdas",
       2 + 2 * (32 / 4)},
      {"all zero", std::vector<std::uint8_t>(154, 0), "mas de 16 celdas", 10},
      {"all 0xFF", std::vector<std::uint8_t>(154, 0xff), "128 o mas", 1},
  };
  for (const Case& c : cases) {
    const auto decoded = decodeRecord(asRecord(c.bytes));
    ASSERT_FALSE(decoded.ok()) << c.what;
    EXPECT_NE(decoded.error().reason.find(c.reason), std::string::npos)
        << c.what << ": " << decoded.error().reason;
    EXPECT_EQ(decoded.error().byteOffset, c.byte) << c.what;
  }
}

TEST(ApplyFigure, ReplacesCellsAndResetsStatesButKeepsHigherRows) {
  FigureFields figure;
  applyFigure(
      decodeOk(10, test::figureDigits({"123/456/712", "123/456/712", "123/456/712"}), 1).figure,
      figure);
  figure.CubeletTable[5][kStateColumn] = kCubeHidden;
  figure.CubeletTable[20][kSquareXColumn] = 555;

  applyFigure(decodeOk(10, "0179", 1).figure, figure);
  EXPECT_EQ(figure.CubeCount, 2);
  EXPECT_EQ(figure.CellMatrix(1, 1, 2), 1);
  EXPECT_EQ(figure.CellMatrix(1, 1, 3), 2);
  EXPECT_EQ(figure.CellMatrix(3, 3, 3), 0);  // the old cube's cell is empty again
  EXPECT_EQ(figure.CubeletTable[2][kPieceColumn], 7);
  EXPECT_EQ(figure.CubeletTable[1][kStateColumn], kCubeShown);
  EXPECT_EQ(figure.CubeletTable[5][kStateColumn], kCubeHidden);  // above CubeCount: untouched
  EXPECT_EQ(figure.CubeletTable[20][kSquareXColumn], 555);
  EXPECT_EQ(figure.CubeSide, 4);
}

}  // namespace
}  // namespace vexolite
