// Records: the case texts, the figure against an oracle, typed numbers; where the file is found.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "case_library/case_decoding.h"
#include "case_library/case_file.h"
#include "case_library/number_text.h"
#include "support/case_file_writer.h"

namespace vexolite {
namespace {

DecodedCase decodeOk(int caseValue, const std::string& digits, int solutions) {
  RawRecord record{};
  const std::vector<std::uint8_t> bytes = test::recordBytes(caseValue, digits, solutions);
  std::copy(bytes.begin(), bytes.end(), record.begin());
  auto decoded = decodeRecord(record);
  EXPECT_TRUE(decoded.ok()) << digits;
  return decoded.ok() ? decoded.value() : DecodedCase{};
}

// The figure as text: extents, then each cube as "i,j,k=piece" in its number's order.
std::string describe(const DecodedFigure& f) {
  std::string text = std::to_string(f.layerCount) + " " + std::to_string(f.rowCount) + " " +
                     std::to_string(f.columnCount) + " side " + std::to_string(f.cubeSide) + ":";
  for (int n = 0; n < f.cubeCount; ++n) {
    const PlacedCube& c = f.cubes[static_cast<std::size_t>(n)];
    text += " " + std::to_string(c.i) + "," + std::to_string(c.j) + "," + std::to_string(c.k) +
            "=" + std::to_string(c.piece);
  }
  return text;
}

TEST(CaseTexts, FollowTheCaseValueAndSolutionCount) {
  // Case code | label | case text | case number text | solution text | solution label | image.
  const std::tuple<int, int, const char*, int> cases[] = {
      {1231, 12, "1231| CASO:   123.1 |123.1 |123.1|   12| SOLU:    12 |00012-1231", 123},
      {1230, 240, "123 | CASO:   123   |123   |123  |  240| SOLU:   240 |00240-123 ", 123},
      {50, 0, "005 | CASO:   005   |005   |005  |    0| SOLU:     0 |00000-005 ", 5},
      {9999, 32767, "9999| CASO:   999.9 |999.9 |999.9|32767| SOLU: 32767 |32767-9999", 999},
  };
  for (const auto& [value, solutions, texts, number] : cases) {
    const CaseTexts f = decodeOk(value, "19", solutions).texts;
    EXPECT_EQ(f.caseCode + "|" + f.caseLabel + "|" + f.caseText + "|" + f.caseNumberText + "|" +
                  f.solutionText + "|" + f.solutionLabel + "|" + f.imageBaseName,
              texts);
    EXPECT_EQ(f.caseNumber, number);
    EXPECT_EQ(f.solutionCount, solutions);
  }
  EXPECT_EQ(decodeOk(10, "11101119390", 1).texts.figureString, "1110111/3/");
  // The catalogue tool's encoder writes the bytes of the tests' own writer.
  const std::string digits = test::figureDigits({"111/1", "2220/033", "4447"});
  const RawRecord encoded = encodeRecord(1231, digits, 240);
  EXPECT_EQ(test::recordBytes(1231, digits, 240),
            std::vector<std::uint8_t>(encoded.begin(), encoded.end()));
}

// An independent reading of random figures written as layers of rows of cells; the side is the
// largest extent rounded up to 4, 8 or 16. The largest figure the data model allows comes last.
TEST(FigureParsing, AgreesWithAnOracle) {
  std::mt19937 random(20261206);
  for (int trial = 0; trial < 600; ++trial) {
    const int layers = 1 + static_cast<int>(random() % 6);
    std::vector<std::string> text(static_cast<std::size_t>(layers));
    std::string cubes;
    int count = 0, maxRows = 0, maxCells = 0;
    for (int i = 1; i <= layers; ++i) {
      const int rows = 1 + static_cast<int>(random() % 4);
      maxRows = std::max(maxRows, rows);
      for (int j = 1; j <= rows; ++j) {
        const int cells = static_cast<int>(random() % 12);
        maxCells = std::max(maxCells, cells);
        if (j > 1) text[static_cast<std::size_t>(i - 1)] += '/';
        for (int k = 1; k <= cells; ++k) {
          const int digit = count == 27 ? 0 : static_cast<int>(random() % 8);
          text[static_cast<std::size_t>(i - 1)] += static_cast<char>('0' + digit);
          if (digit == 0) continue;
          ++count;
          cubes += " " + std::to_string(i) + "," + std::to_string(j) + "," + std::to_string(k) +
                   "=" + std::to_string(digit);
        }
      }
    }
    const int rows = maxRows > 1 ? maxRows : 0, side = std::max({layers, rows, maxCells});
    EXPECT_EQ(describe(decodeOk(10, test::figureDigits(text), 1).figure),
              std::to_string(layers) + " " + std::to_string(rows) + " " +
                  std::to_string(maxCells > 0 ? maxCells : -1) + " side " +
                  std::to_string(side <= 4   ? 4
                                 : side <= 8 ? 8
                                             : 16) +
                  ":" + cubes);
  }
  std::vector<std::string> largest(16, "1");  // 16 layers, a layer of 16 rows, a row of 16 cells
  largest[3] = "1" + std::string(15, '/');
  largest[4] = std::string(15, '0') + "1";
  std::string largestCubes;
  for (int i = 1; i <= 16; ++i)
    largestCubes += " " + std::to_string(i) + (i == 5 ? ",1,16=1" : ",1,1=1");
  EXPECT_EQ(describe(decodeOk(10, test::figureDigits(largest), 1).figure),
            "16 16 16 side 16:" + largestCubes);
}

// Typed numbers: the longest leading decimal, blanks ignored; "12.3" must search case 123.
TEST(NumberText, ReadsTheLongestLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"", 0},    {"12.3", 12.3}, {"1 2", 12}, {"1.2.3", 1.2}, {"12a3", 12},
      {"1e3", 1}, {"-5", -5},     {"+5", 5},   {".", 0},       {"inf", 0},
  };
  for (const auto& [text, value] : cases)
    EXPECT_DOUBLE_EQ(numericValue(text), value) << text;
  for (int value = 0; value <= 9999; ++value) {
    const std::string text = std::to_string(value / 10) + "." + std::to_string(value % 10);
    ASSERT_EQ(static_cast<int>(numericValue(text) * 10), value) << text;
  }
}

TEST(FillIn, PlaceholdersInAnyOrderOtherPercentSignsStay) {
  EXPECT_EQ(fillIn("%2 bytes in %1", {"a.dat", "7"}), "7 bytes in a.dat");
  EXPECT_EQ(fillIn("100% %1 %3", {"%2"}), "100% %2 %3");
}

TEST(CaseFileSearch, LooksInTheWorkingFolderThenBesideTheProgramThenTheDataFolder) {
  test::TempFolder work, program, data;
  const CaseFileSearch search{work.path(), program.path(), data.path()};
  EXPECT_EQ(locateCaseFile(search), std::nullopt);
  for (const test::TempFolder* folder : {&data, &program, &work}) {
    test::writeFile(*folder / "VEXOLITE.DAT", {});
    EXPECT_EQ(locateCaseFile(search), *folder / "VEXOLITE.DAT");
  }
  EXPECT_EQ(searchedFolders(CaseFileSearch{work.path(), {}, data.path()}),
            (std::vector<std::filesystem::path>{work.path(), data.path()}));
}

}  // namespace
}  // namespace vexolite
