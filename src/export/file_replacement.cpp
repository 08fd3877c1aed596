// Writing a whole file so that a good file is never replaced by a half-written one.
// SPDX-License-Identifier: MIT
#include "export/file_replacement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

namespace vexolite {

namespace {

// The reason, with the system's cause where there is one.
Reason withCause(std::string_view plain, std::string_view withCause, int error,
                 std::initializer_list<std::string> parts) {
  if (error == 0) return Reason{plain, parts};
  std::vector<std::string> all(parts);
  all.emplace_back(std::strerror(error));
  return Reason{withCause, std::move(all)};
}

// "x": the temporary file must be new, so nothing already at its name (a link, a file another
// program is writing) is written through.
std::FILE* createNew(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "wbx");
}

}  // namespace

std::filesystem::path temporaryNameFor(const std::filesystem::path& path) {
  return path.parent_path() / ("." + path.filename().string() + ".tmp");
}

std::optional<Reason> replaceFileContents(const std::filesystem::path& path,
                                          const std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path temporary = temporaryNameFor(path);
  std::error_code ignored;
  errno = 0;
  std::FILE* out = createNew(temporary);
  if (out == nullptr && errno == EEXIST) {
    std::filesystem::remove(temporary, ignored);
    errno = 0;
    out = createNew(temporary);
  }
  if (out == nullptr) {
    return withCause(kCannotCreateTemporary, kCannotCreateTemporaryBecause, errno,
                     {temporary.string()});
  }

  errno = 0;
  bool failed = !bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size();
  int cause = failed ? errno : 0;
  if (std::fflush(out) != 0 && !failed) {
    failed = true;
    cause = errno;
  }
  if (std::fclose(out) != 0 && !failed) {
    failed = true;
    cause = errno;
  }
  if (failed) {
    std::filesystem::remove(temporary, ignored);
    return withCause(kNotWrittenWhole, kNotWrittenWholeBecause, cause, {});
  }

  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, ignored);
    return Reason{kCannotPutInPlaceBecause, {error.message()}};
  }
  return std::nullopt;
}

}  // namespace vexolite
