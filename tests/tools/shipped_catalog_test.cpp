// The shipped catalogue: data/VEXOLITE.DAT against its source data/figures.fig and the
// catalogue's own promises (705 present, 704 different connected figures, counts in range,
// mirrors that are mirrors, records the viewer decodes back to exactly the stored cubes).
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

const std::string kData = VEXOLITE_DATA_FOLDER;

struct Shipped {
  std::vector<RawRecord> records;
  std::map<int, DecodedCase> byCase;
  std::map<int, CatalogFigure> source;
};

const Shipped& shipped() {
  static const Shipped loaded = [] {
    Shipped s;
    std::ifstream in(kData + "/VEXOLITE.DAT", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    auto split = splitRecords(bytes, "VEXOLITE.DAT");
    if (split.ok()) s.records = split.value();
    for (const RawRecord& r : s.records) {
      auto decoded = decodeRecord(r);
      if (decoded.ok()) s.byCase.emplace(decoded.value().fields.RecordCaseValue, decoded.value());
    }
    auto figures = readFigFile(kData + "/figures.fig");
    if (figures.ok()) {
      for (const CatalogFigure& f : figures.value())
        s.source.emplace(f.caseValue, f);
    }
    return s;
  }();
  return loaded;
}

TEST(ShippedCatalogue, HoldsEveryCaseOfItsSourceOnceAndUnderAThousandRecords) {
  const Shipped& s = shipped();
  ASSERT_GT(s.records.size(), 705u);
  EXPECT_LT(s.records.size(), 1000u);
  EXPECT_EQ(s.byCase.size(), s.records.size()) << "every record decodes, case values unique";
  EXPECT_EQ(s.source.size(), s.records.size());
  for (int number = 1; number <= 705; ++number)
    EXPECT_EQ(s.byCase.count(number * 10), 1u) << number;
  bool decimals = false;
  for (const auto& [value, c] : s.byCase) {
    EXPECT_GE(c.fields.RecordSolutionValue, 1) << caseName(value);
    EXPECT_LE(c.fields.RecordSolutionValue, 32767) << caseName(value);
    EXPECT_LE(value / 10, 705);
    decimals = decimals || value % 10 != 0;
  }
  EXPECT_TRUE(decimals);
}

TEST(ShippedCatalogue, RecordsAreTheSourceFiguresFilled) {
  const Shipped& s = shipped();
  for (const auto& [value, c] : s.byCase) {
    ASSERT_EQ(s.source.count(value), 1u) << caseName(value);
    const std::vector<FigureCube> stored = decodedCubes(c.figure);
    const CatalogFigure& source = s.source.at(value);
    EXPECT_EQ(cellsOf(stored), cellsOf(source.cubes)) << caseName(value);
    if (value == kCase705Value) {
      EXPECT_EQ(stored, source.cubes);
    }
  }
}

TEST(ShippedCatalogue, CasesOneTo704Are704DifferentConnectedFiguresOf27Cubes) {
  std::set<std::vector<Cell>> forms;
  for (const auto& [value, c] : shipped().byCase) {
    const std::vector<Cell> cells = cellsOf(decodedCubes(c.figure));
    EXPECT_EQ(cells.size(), 27u) << caseName(value);
    if (value == kCase705Value) {
      EXPECT_FALSE(isFaceConnected(cells)) << "705 shows the pieces apart";
      continue;
    }
    EXPECT_TRUE(isFaceConnected(cells)) << caseName(value);
    if (value % 10 == 0) forms.insert(canonicalForm(cells));
  }
  EXPECT_EQ(forms.size(), 704u);
}

TEST(ShippedCatalogue, DecimalCasesAreMirrorsOfChiralFigures) {
  const Shipped& s = shipped();
  for (const auto& [value, c] : s.byCase) {
    if (value % 10 == 0) continue;
    const DecodedCase& original = s.byCase.at(value / 10 * 10);
    const std::vector<Cell> cells = cellsOf(decodedCubes(original.figure));
    const std::vector<Cell> mirror = cellsOf(decodedCubes(c.figure));
    EXPECT_TRUE(isChiral(cells)) << caseName(value);
    EXPECT_EQ(normalizedCells(mirror),
              normalizedCells(cellsOf(mirroredFigure(decodedCubes(original.figure)))))
        << caseName(value);
    EXPECT_EQ(c.fields.RecordSolutionValue, original.fields.RecordSolutionValue);
  }
}

TEST(ShippedCatalogue, EncodingEachFigureGivesItsRecordDigitsAndDecodesBack) {
  for (const auto& [value, c] : shipped().byCase) {
    const std::vector<FigureCube> cubes = decodedCubes(c.figure);
    const auto digits = figureRecordDigits(cubes);
    ASSERT_TRUE(digits.ok()) << caseName(value);
    EXPECT_EQ(c.fields.CellDigits, digits.value() + std::string(300 - digits.value().size(), '0'))
        << caseName(value);
    const auto again = parseFigure(figureMarks(digits.value()));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(decodedCubes(again.value()), cubes);
  }
}

TEST(ShippedCatalogue, DumpReadsBackAsTheSameCatalogue) {
  const Shipped& s = shipped();
  const DumpResult dump = dumpCatalog(s.records, "VEXOLITE.DAT");
  EXPECT_TRUE(dump.problems.empty());
  const auto parsed = parseFigText(dump.figText, "dump.fig");
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  ASSERT_EQ(parsed.value().size(), s.records.size());
  for (const CatalogFigure& f : parsed.value()) {
    ASSERT_EQ(s.byCase.count(f.caseValue), 1u);
    EXPECT_EQ(f.cubes, decodedCubes(s.byCase.at(f.caseValue).figure)) << caseName(f.caseValue);
  }
}

}  // namespace
}  // namespace vexolite::catalog
