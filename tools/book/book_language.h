// The book's language, chosen as the viewer chooses it, and its words through Qt's translation.
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "book_options.h"
#include "book_pdf.h"

namespace vexolite::book {

// The marked texts in the language that --language names, else the one the locale gives the
// viewer: Spanish as written, English from the viewer's embedded translation.
Translate bookLanguage(const std::optional<std::string>& option, const EnvironmentLookup& env);

// The marked texts in English, the language of the tool's own messages.
Translate messageLanguage();

}  // namespace vexolite::book
