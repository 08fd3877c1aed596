// Reading a case file back: its records as figure text (dump) and the full check of a catalogue.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "case_library/record_format.h"
#include "catalog_figure.h"
#include "catalog_outcome.h"
#include "parallel_count.h"

namespace vexolite::catalog {

// The whole records of a file's bytes. Fails, naming the file, when the length is not a whole
// number of 154-byte records.
Outcome<std::vector<RawRecord>> splitRecords(const std::vector<std::uint8_t>& bytes,
                                             const std::string& fileName);

// The figure of record `number` (1-based) with its case value and each cube's stored piece, or
// the message naming the record and why it is outside the data model.
Outcome<CatalogFigure> recordFigure(const RawRecord& record, const std::string& fileName,
                                    std::size_t number);

struct DumpResult {
  std::string figText;                // every record inside the data model, as .fig text
  std::vector<std::string> problems;  // one message per record outside it
};

// What the dump marks each cube with.
enum class DumpCubes {
  AsSource,    // "x", but case 705 with its pieces: the text builds back into the same file
  WithFilling  // the piece of the stored filling, "1".."7"
};

// A comment line naming the file and its number of records, then every record in file order as
// a figure with its solution count and record number in a comment. Records outside the data
// model are named with the reason and byte offset instead.
DumpResult dumpCatalog(const std::vector<RawRecord>& records, const std::string& fileName,
                       DumpCubes cubes = DumpCubes::AsSource);

// Every fault found, one message each, naming the file and the record: records outside the data
// model, stored fillings that are not fillings, stored counts that differ from a fresh count,
// records out of order, a case value given twice, case 705 missing. Empty when all is well.
// Case 705 is recounted with its stored pieces fixed, every other case with its cubes free.
std::vector<std::string> checkCatalog(const std::vector<RawRecord>& records,
                                      const std::string& fileName,
                                      const CountProgress& progress = {});

}  // namespace vexolite::catalog
