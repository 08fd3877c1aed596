// The build step: every figure checked, solved on every core, sorted and encoded.
// SPDX-License-Identifier: MIT
#include "catalog_build.h"

#include <algorithm>
#include <cassert>
#include <fstream>
#include <map>
#include <system_error>

#include "fig_text.h"
#include "figure_record.h"

namespace vexolite::catalog {
namespace {

std::string where(const std::string& sourceName, const CatalogFigure& figure) {
  return sourceName + ":" + std::to_string(figure.line) + ": case " + caseName(figure.caseValue);
}

// True when the viewer's own figure parsing reads the digits back as exactly these cubes.
[[maybe_unused]] bool decodesTo(const std::string& digits, std::vector<FigureCube> cubes) {
  auto decoded = parseFigure(figureMarks(digits));
  if (!decoded) return false;
  std::vector<FigureCube> back = decodedCubes(decoded.value());
  std::sort(back.begin(), back.end());
  std::sort(cubes.begin(), cubes.end());
  return back == cubes;
}

struct BuiltRecord {
  int caseValue = 0;
  int solutions = 0;
  RawRecord record{};
};

}  // namespace

std::string figureShapeProblem(const CatalogFigure& figure) {
  if (figure.cubes.size() != static_cast<std::size_t>(27)) {
    return "has " + std::to_string(figure.cubes.size()) + " cubes, not 27";
  }
  const Extent extent = extentOf(figure.cubes);
  const std::string beyond =
      ", more than the " + std::to_string(kLargestExtent) + " a record can hold";
  if (extent.layers > kLargestExtent)
    return "has " + std::to_string(extent.layers) + " layers" + beyond;
  if (extent.rows > kLargestExtent)
    return "has a layer of " + std::to_string(extent.rows) + " rows" + beyond;
  if (extent.columns > kLargestExtent)
    return "has a row of " + std::to_string(extent.columns) + " cells" + beyond;
  const bool anyFixed = std::any_of(figure.cubes.begin(), figure.cubes.end(),
                                    [](const FigureCube& c) { return c.piece != 0; });
  const bool allFixed = std::all_of(figure.cubes.begin(), figure.cubes.end(),
                                    [](const FigureCube& c) { return c.piece != 0; });
  if (figure.caseValue == kCase705Value && !allFixed) {
    return "must give the piece of every cube, as it shows the seven pieces apart";
  }
  if (figure.caseValue != kCase705Value && anyFixed) {
    return "fixes pieces, which only case 705 may do (the case file cannot say which cubes "
           "were fixed, so check recounts every other case with its cubes free)";
  }
  // The digits of the figure with any piece in every cube have the same length as the stored
  // filling's.
  std::vector<FigureCube> filled = figure.cubes;
  for (FigureCube& cube : filled)
    cube.piece = cube.piece == 0 ? 1 : cube.piece;
  if (auto digits = figureRecordDigits(filled); !digits) return digits.error().message;
  return "";
}

Outcome<std::vector<std::uint8_t>> buildCatalog(const std::vector<CatalogFigure>& figures,
                                                const std::string& sourceName,
                                                const CountProgress& progress) {
  if (figures.empty()) return CatalogError{sourceName + ": holds no figure to build"};
  std::map<int, const CatalogFigure*> seen;
  for (const CatalogFigure& figure : figures) {
    const auto [at, fresh] = seen.emplace(figure.caseValue, &figure);
    if (!fresh) {
      return CatalogError{where(sourceName, figure) + " is given twice (also at line " +
                          std::to_string(at->second->line) + ")"};
    }
    if (std::string problem = figureShapeProblem(figure); !problem.empty()) {
      return CatalogError{where(sourceName, figure) + " " + problem};
    }
  }

  std::vector<std::vector<FigureCube>> shapes;
  shapes.reserve(figures.size());
  for (const CatalogFigure& figure : figures)
    shapes.push_back(figure.cubes);
  const std::vector<FigureCount> counts = countFigures(shapes, 0, progress);

  std::vector<BuiltRecord> records;
  records.reserve(figures.size());
  for (std::size_t n = 0; n < figures.size(); ++n) {
    const FigureCount& count = counts[n];
    if (count.solutions == 0)
      return CatalogError{where(sourceName, figures[n]) + " has no solution"};
    if (count.solutions > static_cast<std::uint64_t>(kLargestSolutionCount)) {
      return CatalogError{where(sourceName, figures[n]) + " has " +
                          std::to_string(count.solutions) + " solutions, more than 32767"};
    }
    auto digits = figureRecordDigits(count.firstFilling);
    if (!digits) return CatalogError{where(sourceName, figures[n]) + " " + digits.error().message};
    assert(decodesTo(digits.value(), count.firstFilling));
    const int solutions = static_cast<int>(count.solutions);
    records.push_back(BuiltRecord{figures[n].caseValue, solutions,
                                  encodeRecord(figures[n].caseValue, digits.value(), solutions)});
  }
  std::sort(records.begin(), records.end(), [](const BuiltRecord& a, const BuiltRecord& b) {
    return recordGoesBefore(a.solutions, a.caseValue, b.solutions, b.caseValue);
  });
  std::vector<std::uint8_t> bytes;
  bytes.reserve(records.size() * kRecordSize);
  for (const BuiltRecord& r : records)
    bytes.insert(bytes.end(), r.record.begin(), r.record.end());
  return bytes;
}

Outcome<bool> replaceFile(const std::filesystem::path& destination,
                          const std::vector<std::uint8_t>& bytes) {
  std::filesystem::path temporary = destination;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return CatalogError{temporary.string() + ": cannot create the file"};
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return CatalogError{temporary.string() + ": cannot write the file"};
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, destination, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return CatalogError{destination.string() + ": cannot replace the file: " + error.message()};
  }
  return true;
}

}  // namespace vexolite::catalog
