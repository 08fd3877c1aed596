// The page's language: Spanish or English, from the address, else from the browser.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace vexolite {

// "es" or "en". A "lang=es" or "lang=en" parameter of query (the address's "?..." part)
// decides; otherwise Spanish when the browser's first language is Spanish ("es", "es-AR"...),
// English when it is any other, Spanish when the browser names none.
std::string pageLanguage(std::string_view query, std::string_view firstBrowserLanguage);

}  // namespace vexolite
