// Fuzz target: the input is a case file for the catalogue tool's dump and check. Every record
// the dump writes as figure text must read back as the same figure.
// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <vector>

#include "case_library/case_decoding.h"
#include "catalog_check.h"
#include "fig_text.h"
#include "figure_record.h"
#include "fuzz_entry.h"

namespace {

using namespace vexolite;
using namespace vexolite::catalog;

void require(bool holds) {
  if (!holds) std::abort();
}

// The dump's text parses back to the records that decode, in file order, with their case values
// and stored pieces.
void checkDumpReadsBack(const std::vector<RawRecord>& records, const DumpResult& dump) {
  std::vector<DecodedCase> decoded;
  for (const RawRecord& record : records) {
    auto result = decodeRecord(record);
    if (!result) continue;
    decoded.push_back(std::move(result).value());
  }
  require(decoded.size() + dump.problems.size() == records.size());
  auto back = parseFigText(dump.figText, "dump.fig");
  require(back.ok() && back.value().size() == decoded.size());
  for (std::size_t n = 0; n < decoded.size(); ++n) {
    require(back.value()[n].caseValue == decoded[n].texts.recordCaseValue);
    require(back.value()[n].cubes == decodedCubes(decoded[n].figure));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto records = splitRecords(std::vector<std::uint8_t>(data, data + size), "fuzz.dat");
  if (!records) return 0;
  checkDumpReadsBack(records.value(), dumpCatalog(records.value(), "fuzz.dat"));
  checkCatalog(records.value(), "fuzz.dat");
  return 0;
}
