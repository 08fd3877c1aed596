// The application icon: a case of the catalogue drawn by the viewer's own renderer.
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

#include "case_library/case_decoding.h"

namespace vexolite::icon {

// The case without decimal digit numbered caseNumber, read from a case file, or the reason why
// it cannot be had: the file is unreadable, a record before it is broken, or no record holds it.
struct FoundCase {
  std::optional<DecodedCase> found;
  std::string problem;
};
FoundCase findCase(const std::filesystem::path& caseFile, int caseNumber);

// The figure of a case on a transparent size × size square, every piece in its colours (as the
// viewer shows case 705), centred. It is drawn at the largest zoom, in eighths, whose drawing
// fits the square less a margin of size / 16 on each side, so that every line stays one sharp
// pixel; only a figure too large even at zoom 1/4 is scaled down, smoothly.
// Precondition: size >= 16.
QImage drawIcon(const DecodedCase& shownCase, int size);

}  // namespace vexolite::icon
