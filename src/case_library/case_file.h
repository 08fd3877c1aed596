// The case file's one read-only channel: open, length, read a record by number, close.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "case_library/record_format.h"
#include "case_library/translatable.h"

namespace vexolite {

// The channel's reason that carries a part (the system's cause); the others are marked where
// they are given.
inline constexpr std::string_view kCannotOpenBecause =
    QT_TRANSLATE_NOOP("vexolite", "no se puede abrir (%1)");

// Opened and closed within each operation, never held between user actions. The file is only
// ever opened for reading. Failures come back as a reason: a marked pattern and its parts.
class CaseChannel {
 public:
  // Closes any channel that is open, then opens path. Returns a reason when it cannot.
  std::optional<Reason> open(const std::filesystem::path& path);
  void close();  // closing a channel that is not open does nothing
  bool isOpen() const { return stream_.is_open(); }

  // Length of the open file in bytes, as measured now.
  std::optional<std::uint64_t> length();

  // Reads record number (1-based) into out. Returns a reason when the record is not whole in
  // the file, or the read fails.
  std::optional<Reason> read(std::uint64_t record, RawRecord& out);

  // Reads up to count whole records from record first (1-based) into out, in one read; out
  // holds fewer when the file ends sooner. Returns a reason when the read itself fails.
  std::optional<Reason> readRecords(std::uint64_t first, std::uint64_t count,
                                    std::vector<RawRecord>& out);

 private:
  std::ifstream stream_;
};

// Where to look for the case file, in order: the working folder, the folder of the executable,
// the installed data folder. Empty entries are skipped.
struct CaseFileSearch {
  std::filesystem::path workingFolder;
  std::filesystem::path programFolder;
  std::filesystem::path dataFolder;
};

// The first "VEXOLITE.DAT" that exists as a file along the search, or nothing.
std::optional<std::filesystem::path> locateCaseFile(const CaseFileSearch& search);

// The folders of the search, for a message that names where the file was looked for.
std::vector<std::filesystem::path> searchedFolders(const CaseFileSearch& search);

}  // namespace vexolite
