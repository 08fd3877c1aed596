// The shipped data/VEXOLITE.DAT against its source data/figures.fig and the catalogue's promises.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "case_library/case_decoding.h"
#include "catalog_check.h"
#include "cube_transforms.h"
#include "fig_text.h"
#include "figure_record.h"

namespace vexolite::catalog {
namespace {

TEST(ShippedCatalogue, HoldsItsSourceFilledOnceEachAndReadsBack) {
  const std::string data = VEXOLITE_DATA_FOLDER;
  std::ifstream in(data + "/VEXOLITE.DAT", std::ios::binary);
  const auto split = splitRecords(
      {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}, "VEXOLITE.DAT");
  const auto source = readFigFile(data + "/figures.fig");
  ASSERT_TRUE(split.ok() && source.ok());
  const std::vector<RawRecord>& records = split.value();
  ASSERT_GT(records.size(), 705u);
  EXPECT_LT(records.size(), 1000u);
  std::map<int, std::vector<FigureCube>> sourceCubes, stored;
  for (const CatalogFigure& f : source.value())
    sourceCubes.emplace(f.caseValue, f.cubes);
  std::map<int, int> solutions;
  for (const RawRecord& r : records) {
    const auto decoded = decodeRecord(r);
    ASSERT_TRUE(decoded.ok());
    const CaseTexts& f = decoded.value().texts;
    const std::vector<FigureCube> cubes = decodedCubes(decoded.value().figure);
    EXPECT_TRUE(stored.emplace(f.recordCaseValue, cubes).second) << caseName(f.recordCaseValue);
    solutions[f.recordCaseValue] = f.recordSolutionValue;
    EXPECT_GE(f.recordSolutionValue, 1);
    EXPECT_LE(f.recordSolutionValue, 32767);
    const auto digits = figureRecordDigits(cubes);
    ASSERT_TRUE(digits.ok());
    EXPECT_EQ(f.cellDigits, digits.value() + std::string(300 - digits.value().size(), '0'));
  }
  EXPECT_EQ(stored.size(), sourceCubes.size());
  for (int number = 1; number <= 705; ++number)
    EXPECT_EQ(stored.count(number * 10), 1u) << number;

  std::set<std::vector<Cell>> forms;
  bool decimals = false;
  for (const auto& [value, cubes] : stored) {
    SCOPED_TRACE(caseName(value));
    ASSERT_EQ(sourceCubes.count(value), 1u);
    const std::vector<Cell> cells = cellsOf(cubes);
    EXPECT_EQ(cells, cellsOf(sourceCubes.at(value)));
    EXPECT_EQ(cells.size(), 27u);
    EXPECT_LE(value / 10, 705);
    if (value == kCase705Value) {
      EXPECT_EQ(cubes, sourceCubes.at(value));
      EXPECT_FALSE(isFaceConnected(cells)) << "705 shows the pieces apart";
      continue;
    }
    EXPECT_TRUE(isFaceConnected(cells));
    if (value % 10 == 0) {
      forms.insert(canonicalForm(cells));
      continue;
    }
    decimals = true;
    const std::vector<FigureCube>& original = stored.at(value / 10 * 10);
    EXPECT_TRUE(isChiral(cellsOf(original)));
    EXPECT_EQ(normalizedCells(cells), normalizedCells(cellsOf(mirroredFigure(original))));
    EXPECT_EQ(solutions[value], solutions[value / 10 * 10]);
  }
  EXPECT_EQ(forms.size(), 704u);
  EXPECT_TRUE(decimals);

  const DumpResult dump = dumpCatalog(records, "VEXOLITE.DAT");
  EXPECT_TRUE(dump.problems.empty());
  const auto parsed = parseFigText(dump.figText, "dump.fig");
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  ASSERT_EQ(parsed.value().size(), records.size());
  for (const CatalogFigure& f : parsed.value())
    EXPECT_EQ(f.cubes, stored[f.caseValue]) << caseName(f.caseValue);
}

}  // namespace
}  // namespace vexolite::catalog
