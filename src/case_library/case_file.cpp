// The case file channel and the search for the case file.
// SPDX-License-Identifier: MIT
#include "case_library/case_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace vexolite {

std::optional<Reason> CaseChannel::open(const std::filesystem::path& path) {
  close();
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    return Reason{QT_TRANSLATE_NOOP("vexolite", "es una carpeta")};
  errno = 0;
  stream_.open(path, std::ios::in | std::ios::binary);
  if (!stream_.is_open()) {
    const int cause = errno;
    if (cause == 0) return Reason{QT_TRANSLATE_NOOP("vexolite", "no se puede abrir")};
    return Reason{kCannotOpenBecause, {std::strerror(cause)}};
  }
  return std::nullopt;
}

void CaseChannel::close() {
  if (stream_.is_open()) stream_.close();
  stream_.clear();
}

std::optional<std::uint64_t> CaseChannel::length() {
  if (!stream_.is_open()) return std::nullopt;
  stream_.clear();
  stream_.seekg(0, std::ios::end);
  const std::streamoff end = stream_.tellg();
  if (!stream_ || end < 0) {
    stream_.clear();
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(end);
}

std::optional<Reason> CaseChannel::read(std::uint64_t record, RawRecord& out) {
  if (!stream_.is_open())
    return Reason{QT_TRANSLATE_NOOP("vexolite", "el archivo no esta abierto")};
  if (record < 1) return Reason{QT_TRANSLATE_NOOP("vexolite", "no existe el registro 0")};
  const std::optional<std::uint64_t> size = length();
  if (!size) return Reason{QT_TRANSLATE_NOOP("vexolite", "no se puede medir su longitud")};
  const std::uint64_t start = (record - 1) * kRecordSize;
  if (start + kRecordSize > *size) {
    return Reason{
        QT_TRANSLATE_NOOP("vexolite", "el archivo termina antes del final de ese registro")};
  }
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(start));
  stream_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (stream_.gcount() != static_cast<std::streamsize>(out.size())) {
    stream_.clear();
    return Reason{QT_TRANSLATE_NOOP("vexolite", "la lectura del registro fallo")};
  }
  return std::nullopt;
}

std::optional<Reason> CaseChannel::readRecords(std::uint64_t first, std::uint64_t count,
                                               std::vector<RawRecord>& out) {
  out.clear();
  if (!stream_.is_open())
    return Reason{QT_TRANSLATE_NOOP("vexolite", "el archivo no esta abierto")};
  if (first < 1) return Reason{QT_TRANSLATE_NOOP("vexolite", "no existe el registro 0")};
  const std::optional<std::uint64_t> size = length();
  if (!size) return Reason{QT_TRANSLATE_NOOP("vexolite", "no se puede medir su longitud")};
  const std::uint64_t whole = *size / kRecordSize;
  if (first > whole) return std::nullopt;
  out.resize(static_cast<std::size_t>(std::min(count, whole - first + 1)));
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>((first - 1) * kRecordSize));
  const auto bytes = static_cast<std::streamsize>(out.size() * kRecordSize);
  stream_.read(reinterpret_cast<char*>(out.data()), bytes);
  if (stream_.gcount() != bytes) {
    stream_.clear();
    out.clear();
    return Reason{QT_TRANSLATE_NOOP("vexolite", "la lectura de los registros fallo")};
  }
  return std::nullopt;
}

std::vector<std::filesystem::path> searchedFolders(const CaseFileSearch& search) {
  std::vector<std::filesystem::path> folders;
  for (const auto* folder : {&search.workingFolder, &search.programFolder, &search.dataFolder}) {
    if (!folder->empty()) folders.push_back(*folder);
  }
  return folders;
}

std::optional<std::filesystem::path> locateCaseFile(const CaseFileSearch& search) {
  for (const std::filesystem::path& folder : searchedFolders(search)) {
    std::filesystem::path candidate = folder / kCaseFileName;
    std::error_code error;
    if (std::filesystem::exists(candidate, error)) return candidate;
  }
  return std::nullopt;
}

}  // namespace vexolite
