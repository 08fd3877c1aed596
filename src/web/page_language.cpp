// The page's language: Spanish or English, from the address, else from the browser.
// SPDX-License-Identifier: MIT
#include "web/page_language.h"

namespace vexolite {

std::string pageLanguage(std::string_view query, std::string_view firstBrowserLanguage) {
  if (query.starts_with('?')) query.remove_prefix(1);
  while (!query.empty()) {
    const std::size_t end = query.find('&');
    const std::string_view parameter = query.substr(0, end);
    if (parameter == "lang=es") return "es";
    if (parameter == "lang=en") return "en";
    if (end == std::string_view::npos) break;
    query.remove_prefix(end + 1);
  }
  if (firstBrowserLanguage.empty()) return "es";
  const bool spanish = firstBrowserLanguage.substr(0, 2) == "es" &&
                       (firstBrowserLanguage.size() == 2 || firstBrowserLanguage[2] == '-');
  return spanish ? "es" : "en";
}

}  // namespace vexolite
