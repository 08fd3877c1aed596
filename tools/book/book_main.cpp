// vexolite-book: the catalogue as a printable PDF book, with a solution of each figure at the back.
// SPDX-License-Identifier: MIT
#include <cairo.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "book_catalogue.h"
#include "book_language.h"
#include "book_options.h"
#include "book_pdf.h"
#include "export/file_replacement.h"

namespace {

using namespace vexolite;
using namespace vexolite::book;

std::optional<std::string> environment(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

int refuse(const std::string& message) {
  std::cerr << "vexolite-book: " << message << "\n";
  return 1;
}

// The book would take the case file's place: the catalogue would be lost.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

// Gives back cairo's caches of fonts and glyphs at the end of the run, once no cairo object is
// left, so that a leak checker sees only what was really lost.
struct CairoCaches {
  CairoCaches() = default;
  CairoCaches(const CairoCaches&) = delete;
  CairoCaches& operator=(const CairoCaches&) = delete;
  ~CairoCaches() { cairo_debug_reset_static_data(); }
};

}  // namespace

int main(int argc, char* argv[]) {
  const CairoCaches caches;
  const ParsedCommandLine parsed = parseCommandLine(argc, argv);
  if (std::holds_alternative<HelpAsked>(parsed)) {
    std::cout << kUsage;
    return 0;
  }
  if (const auto* wrong = std::get_if<UsageError>(&parsed)) {
    std::cerr << "vexolite-book: " << wrong->message << "\n" << kUsage;
    return 2;
  }
  const BookOptions& options = std::get<BookOptions>(parsed);

  const EpochResult epoch = sourceDateEpoch(environment);
  if (const auto* wrong = std::get_if<std::string>(&epoch)) return refuse(*wrong);
  const std::optional<std::int64_t> fixedDate = std::get<std::optional<std::int64_t>>(epoch);
  const std::int64_t seconds = fixedDate ? *fixedDate
                                         : std::chrono::duration_cast<std::chrono::seconds>(
                                               std::chrono::system_clock::now().time_since_epoch())
                                               .count();

  if (sameFile(options.caseFile, options.output)) {
    return refuse(options.output.string() +
                  ": is the case file itself; the book needs a file of "
                  "its own");
  }
  auto all = readCatalogue(options.caseFile);
  if (!all) return refuse(all.error().message);
  auto chosen = chooseCases(std::move(all).value(), options);
  if (!chosen) return refuse(chosen.error().message);

  BookRequest request;
  request.cases = std::move(chosen).value();
  request.paper = options.paper ? *options.paper : paperFromLocale(environment);
  request.solutions = options.solutions;
  request.date = isoDateTime(seconds);
  request.translate = bookLanguage(options.language, environment);
  const RenderedBook book = renderBook(request);
  if (!book.error.empty()) {
    return refuse(options.output.string() + ": the PDF could not be made (" + book.error + ")");
  }
  if (auto reason = replaceFileContents(options.output, book.bytes)) {
    const Translate english = messageLanguage();
    return refuse("cannot write " + options.output.string() + ": " +
                  fillIn(english(reason->pattern), reason->parts));
  }
  return 0;
}
