// dump and check: the case file read through the viewer's own record decoding.
// SPDX-License-Identifier: MIT
#include "catalog_check.h"

#include <map>
#include <optional>

#include "case_library/case_decoding.h"
#include "catalog_build.h"
#include "catalog_figure.h"
#include "fig_text.h"
#include "figure_record.h"
#include "piece_shapes.h"
#include "record_fault_text.h"

namespace vexolite::catalog {
namespace {

std::string recordName(const std::string& fileName, std::size_t number) {
  return fileName + ": record " + std::to_string(number);
}

// The record's figure, or the message naming why it is outside the data model.
Outcome<DecodedCase> decoded(const RawRecord& record, const std::string& fileName,
                             std::size_t number) {
  auto result = decodeRecord(record);
  if (result) return std::move(result).value();
  const RecordFault& fault = result.error();
  return CatalogError{recordName(fileName, number) + ": " + recordFaultText(fault) + " (byte " +
                      std::to_string(fault.byteOffset) + " of the record, " +
                      std::to_string((number - 1) * kRecordSize + fault.byteOffset) +
                      " of the file)"};
}

// What is wrong with the stored filling, or "".
std::string fillingProblem(const std::vector<FigureCube>& cubes) {
  if (cubes.size() != static_cast<std::size_t>(kFigureCubes)) {
    return "holds " + std::to_string(cubes.size()) + " cubes, not 27";
  }
  for (int piece = 1; piece <= kPieceTotal; ++piece) {
    std::vector<Cell> cells;
    for (const FigureCube& cube : cubes) {
      if (cube.piece == piece) cells.push_back(cube.cell);
    }
    if (!formsPiece(cells, piece)) {
      return "the cubes stored as piece " + std::to_string(piece) + " do not form that piece";
    }
  }
  return "";
}

}  // namespace

Outcome<CatalogFigure> recordFigure(const RawRecord& record, const std::string& fileName,
                                    std::size_t number) {
  auto decodedCase = decoded(record, fileName, number);
  if (!decodedCase) return decodedCase.error();
  return CatalogFigure{decodedCase.value().texts.recordCaseValue, 0,
                       decodedCubes(decodedCase.value().figure)};
}

Outcome<std::vector<RawRecord>> splitRecords(const std::vector<std::uint8_t>& bytes,
                                             const std::string& fileName) {
  if (bytes.size() % kRecordSize != 0) {
    return CatalogError{fileName + ": " + std::to_string(bytes.size()) +
                        " bytes, not a whole number of 154-byte records (the last one is cut "
                        "short at byte " +
                        std::to_string(bytes.size() - bytes.size() % kRecordSize) + ")"};
  }
  std::vector<RawRecord> records(bytes.size() / kRecordSize);
  for (std::size_t r = 0; r < records.size(); ++r) {
    std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(r * kRecordSize),
              bytes.begin() + static_cast<std::ptrdiff_t>((r + 1) * kRecordSize),
              records[r].begin());
  }
  return records;
}

DumpResult dumpCatalog(const std::vector<RawRecord>& records, const std::string& fileName,
                       DumpCubes cubes) {
  DumpResult result;
  result.figText = "# " + fileName + ": " + std::to_string(records.size()) + " records\n";
  for (std::size_t r = 0; r < records.size(); ++r) {
    auto decodedCase = decoded(records[r], fileName, r + 1);
    if (!decodedCase) {
      result.problems.push_back(decodedCase.error().message);
      continue;
    }
    const DecodedCase& c = decodedCase.value();
    const int solutions = c.texts.recordSolutionValue;
    CatalogFigure figure{c.texts.recordCaseValue, 0, decodedCubes(c.figure)};
    if (cubes == DumpCubes::AsSource && figure.caseValue != kCase705Value) {
      for (FigureCube& cube : figure.cubes)
        cube.piece = 0;
    }
    result.figText += "\n" + figText(figure, {std::to_string(solutions) +
                                              (solutions == 1 ? " solution" : " solutions") +
                                              ", record " + std::to_string(r + 1)});
  }
  return result;
}

std::vector<std::string> checkCatalog(const std::vector<RawRecord>& records,
                                      const std::string& fileName, const CountProgress& progress) {
  std::vector<std::string> problems;
  if (records.empty()) problems.push_back(fileName + ": holds no records");

  struct Good {
    std::size_t number = 0;  // 1-based
    int caseValue = 0;
    int solutions = 0;
  };
  std::vector<Good> good;
  std::vector<std::vector<FigureCube>> toCount;
  for (std::size_t r = 0; r < records.size(); ++r) {
    auto decodedCase = decoded(records[r], fileName, r + 1);
    if (!decodedCase) {
      problems.push_back(decodedCase.error().message);
      continue;
    }
    const DecodedCase& c = decodedCase.value();
    std::vector<FigureCube> cubes = decodedCubes(c.figure);
    const std::string what =
        recordName(fileName, r + 1) + " (case " + caseName(c.texts.recordCaseValue) + ")";
    if (std::string problem = fillingProblem(cubes); !problem.empty()) {
      problems.push_back(what + ": " + problem);
      continue;
    }
    if (c.texts.recordCaseValue != kCase705Value) {
      for (FigureCube& cube : cubes)
        cube.piece = 0;
    }
    good.push_back(Good{r + 1, c.texts.recordCaseValue, c.texts.recordSolutionValue});
    toCount.push_back(std::move(cubes));
  }

  const std::vector<FigureCount> counts = countFigures(toCount, 0, progress);
  for (std::size_t n = 0; n < good.size(); ++n) {
    if (counts[n].solutions != static_cast<std::uint64_t>(good[n].solutions)) {
      problems.push_back(recordName(fileName, good[n].number) + " (case " +
                         caseName(good[n].caseValue) + "): stores " +
                         std::to_string(good[n].solutions) + " solutions, a fresh count gives " +
                         std::to_string(counts[n].solutions));
    }
  }

  // Order and uniqueness, over the records that decode.
  std::map<int, std::size_t> firstRecordOf;
  for (std::size_t n = 0; n < good.size(); ++n) {
    const Good& g = good[n];
    if (n > 0) {
      const Good& before = good[n - 1];
      const bool inOrder =
          recordGoesBefore(before.solutions, before.caseValue, g.solutions, g.caseValue);
      if (!inOrder && before.caseValue != g.caseValue) {
        problems.push_back(recordName(fileName, g.number) + " (case " + caseName(g.caseValue) +
                           ", " + std::to_string(g.solutions) +
                           " solutions) is out of order after record " +
                           std::to_string(before.number) + " (case " + caseName(before.caseValue) +
                           ", " + std::to_string(before.solutions) +
                           " solutions): records go by solution count, then case value");
      }
    }
    const auto [at, fresh] = firstRecordOf.emplace(g.caseValue, g.number);
    if (!fresh) {
      problems.push_back(recordName(fileName, g.number) + ": case " + caseName(g.caseValue) +
                         " is given twice (also record " + std::to_string(at->second) + ")");
    }
  }
  if (firstRecordOf.count(kCase705Value) == 0) {
    problems.push_back(fileName + ": case 705 is missing");
  }
  return problems;
}

}  // namespace vexolite::catalog
