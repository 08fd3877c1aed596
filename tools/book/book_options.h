// The book's command line and what the environment chooses for it: paper, language, date.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vexolite::book {

enum class Paper { A4, Letter };
enum class Order { ByNumber, BySolutions };

struct BookOptions {
  std::filesystem::path caseFile;
  std::filesystem::path output;
  Order order = Order::ByNumber;
  std::optional<int> firstCase, lastCase;  // --cases FROM-TO, whole case numbers
  std::optional<Paper> paper;              // --paper; else chosen from the locale
  std::optional<std::string> language;     // --language es|en; else chosen from the locale
  bool solutions = true;                   // --no-solutions clears it
};

// A wrong command line: what is wrong, for a line before the usage.
struct UsageError {
  std::string message;
};
struct HelpAsked {};

using ParsedCommandLine = std::variant<BookOptions, UsageError, HelpAsked>;

// vexolite-book CATALOGUE.DAT -o BOOK.pdf [--order number|solutions] [--cases FROM-TO]
// [--paper a4|letter] [--language es|en] [--no-solutions]; options also as --name=value.
ParsedCommandLine parseCommandLine(int argc, const char* const* argv);

extern const char kUsage[];

// The value of an environment variable; nothing where it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The locale's paper: the first non-empty of LC_ALL, LC_PAPER, then the locale that chooses the
// language (LANGUAGE's first entry, LC_MESSAGES, LANG). Letter when its country is the United
// States or Canada ("en_US.UTF-8", "fr_CA"), A4 for any other and for none.
Paper paperFromLocale(const EnvironmentLookup& env);

// The book's dates from SOURCE_DATE_EPOCH (seconds since 1970, UTC), as reproducible builds
// ask; nothing when it is unset or empty. An error when it is not a whole number of seconds
// that a date of years 1970 to 9999 can hold.
using EpochResult = std::variant<std::optional<std::int64_t>, std::string>;
EpochResult sourceDateEpoch(const EnvironmentLookup& env);

// A time in seconds since 1970 as the ISO 8601 date and time in UTC: "2024-02-29T13:05:00".
std::string isoDateTime(std::int64_t seconds);

}  // namespace vexolite::book
