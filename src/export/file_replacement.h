// Writing a whole file so that a good file is never replaced by a half-written one.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "case_library/translatable.h"

namespace vexolite {

// The reasons replaceFileContents gives, with their parts (names and the system's causes).
inline constexpr std::string_view kCannotCreateTemporary =
    QT_TRANSLATE_NOOP("vexolite", "no se puede crear el archivo temporal %1");
inline constexpr std::string_view kCannotCreateTemporaryBecause =
    QT_TRANSLATE_NOOP("vexolite", "no se puede crear el archivo temporal %1 (%2)");
inline constexpr std::string_view kNotWrittenWhole =
    QT_TRANSLATE_NOOP("vexolite", "no se pudo escribir entero");
inline constexpr std::string_view kNotWrittenWholeBecause =
    QT_TRANSLATE_NOOP("vexolite", "no se pudo escribir entero (%1)");
inline constexpr std::string_view kCannotPutInPlaceBecause =
    QT_TRANSLATE_NOOP("vexolite", "no se puede poner en su sitio (%1)");

// The temporary file beside path that its new content goes to first: "." + name + ".tmp",
// hidden, and never matching a listing pattern that ends in the name's extension.
std::filesystem::path temporaryNameFor(const std::filesystem::path& path);

// Writes bytes as the whole content of path: into the temporary file, which then takes the
// name, replacing a file of that name. When any step fails, path is left as it was, the
// temporary file is removed, and the reason comes back. A temporary file left by an earlier
// run that ended half-way is replaced.
std::optional<Reason> replaceFileContents(const std::filesystem::path& path,
                                          const std::vector<std::uint8_t>& bytes);

}  // namespace vexolite
