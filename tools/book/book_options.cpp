// The book's command line and what the environment chooses for it: paper, language, date.
// SPDX-License-Identifier: MIT
#include "book_options.h"

#include <array>
#include <charconv>

namespace vexolite::book {

const char kUsage[] =
    "usage: vexolite-book CATALOGUE.DAT -o BOOK.pdf [options]\n"
    "       vexolite-book -h | --help\n"
    "\n"
    "Writes the catalogue as a printable PDF book: a title page with the seven pieces, the\n"
    "figures with their case numbers, solution counts, extents and layer plans, and one\n"
    "solution of each at the back.\n"
    "\n"
    "options:\n"
    "  -o BOOK.pdf                 the book to write (replaced only once complete)\n"
    "  --order number|solutions    the figures by case number (default) or in the file's\n"
    "                              order of solutions\n"
    "  --cases FROM-TO             only the cases numbered FROM to TO (123 takes 123.1 too)\n"
    "  --paper a4|letter           the paper (default: the locale's, LC_PAPER; Letter for the\n"
    "                              United States and Canada, A4 elsewhere)\n"
    "  --language es|en            the book's language (default: as the viewer chooses it\n"
    "                              from LANGUAGE, LC_ALL, LC_MESSAGES, LANG; Spanish for a\n"
    "                              Spanish locale or none)\n"
    "  --no-solutions              leave the solution pages out\n"
    "  -h, --help                  print this help and exit\n"
    "\n"
    "With SOURCE_DATE_EPOCH set, the book's dates come from it and the same input gives the\n"
    "same bytes. Exit status: 0 written, 1 a file refused or not written, 2 a wrong option.\n";

namespace {

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

// The country of a locale name such as "en_US.UTF-8" or "fr_CA@euro"; "" when it has none.
std::string_view countryOf(std::string_view locale) {
  const std::size_t underscore = locale.find('_');
  if (underscore == std::string_view::npos) return {};
  const std::string_view rest = locale.substr(underscore + 1);
  return rest.substr(0, rest.find_first_of(".@"));
}

}  // namespace

ParsedCommandLine parseCommandLine(int argc, const char* const* argv) {
  BookOptions options;
  bool haveFile = false;
  for (int n = 1; n < argc; ++n) {
    std::string argument = argv[n];
    if (argument == "-h" || argument == "--help") return HelpAsked{};
    std::optional<std::string> attached;
    if (argument.starts_with("--") && argument.find('=') != std::string::npos) {
      attached = argument.substr(argument.find('=') + 1);
      argument = argument.substr(0, argument.find('='));
    }
    const bool takesValue = argument == "-o" || argument == "--order" || argument == "--cases" ||
                            argument == "--paper" || argument == "--language";
    if (attached && !takesValue) return UsageError{argument + " takes no value"};
    std::string value;
    if (takesValue) {
      if (attached) {
        value = *attached;
      } else if (n + 1 < argc) {
        value = argv[++n];
      } else {
        return UsageError{argument + " needs a value"};
      }
    }
    if (argument == "-o") {
      if (value.empty()) return UsageError{"-o needs a file name"};
      options.output = value;
    } else if (argument == "--order") {
      if (value == "number") {
        options.order = Order::ByNumber;
      } else if (value == "solutions") {
        options.order = Order::BySolutions;
      } else {
        return UsageError{"--order takes number or solutions, not \"" + value + "\""};
      }
    } else if (argument == "--cases") {
      const std::size_t dash = value.find('-');
      const auto from = wholeNumber(std::string_view(value).substr(0, dash));
      const auto to = dash == std::string::npos
                          ? std::nullopt
                          : wholeNumber(std::string_view(value).substr(dash + 1));
      if (!from || !to || *from > *to) {
        return UsageError{"--cases takes FROM-TO, two case numbers with FROM not above TO, not \"" +
                          value + "\""};
      }
      options.firstCase = from;
      options.lastCase = to;
    } else if (argument == "--paper") {
      if (value == "a4" || value == "A4") {
        options.paper = Paper::A4;
      } else if (value == "letter") {
        options.paper = Paper::Letter;
      } else {
        return UsageError{"--paper takes a4 or letter, not \"" + value + "\""};
      }
    } else if (argument == "--language") {
      if (value != "es" && value != "en") {
        return UsageError{"--language takes es or en, not \"" + value + "\""};
      }
      options.language = value;
    } else if (argument == "--no-solutions") {
      options.solutions = false;
    } else if (argument.size() > 1 && argument[0] == '-') {
      return UsageError{"unknown option " + argument};
    } else if (haveFile) {
      return UsageError{"one case file only; \"" + argument + "\" is one too many"};
    } else {
      options.caseFile = argument;
      haveFile = true;
    }
  }
  if (!haveFile) return UsageError{"no case file given"};
  if (options.output.empty()) return UsageError{"no book given: -o BOOK.pdf"};
  return options;
}

Paper paperFromLocale(const EnvironmentLookup& env) {
  constexpr std::array<std::string_view, 5> kVariables{"LC_ALL", "LC_PAPER", "LANGUAGE",
                                                       "LC_MESSAGES", "LANG"};
  for (std::string_view variable : kVariables) {
    std::optional<std::string> value = env(variable);
    if (!value) continue;
    // LANGUAGE lists languages by preference, separated by colons; the first one decides.
    if (variable == "LANGUAGE") *value = value->substr(0, value->find(':'));
    if (value->empty()) continue;
    const std::string_view country = countryOf(*value);
    return country == "US" || country == "CA" ? Paper::Letter : Paper::A4;
  }
  return Paper::A4;
}

EpochResult sourceDateEpoch(const EnvironmentLookup& env) {
  const std::optional<std::string> value = env("SOURCE_DATE_EPOCH");
  if (!value || value->empty()) return std::optional<std::int64_t>{};
  std::int64_t seconds = 0;
  const char* end = value->data() + value->size();
  const auto [stop, error] = std::from_chars(value->data(), end, seconds);
  // 253402300799 is 9999-12-31T23:59:59, the last date four digits of year can write.
  if (error != std::errc() || stop != end || seconds < 0 || seconds > 253402300799) {
    return "SOURCE_DATE_EPOCH is \"" + *value +
           "\", not a number of seconds since 1970 up to the year 9999";
  }
  return std::optional<std::int64_t>{seconds};
}

std::string isoDateTime(std::int64_t seconds) {
  // Days since 1970-01-01 to a civil date (proleptic Gregorian), without the C library's time
  // zone or its range limits.
  const std::int64_t days = seconds / 86400;
  const std::int64_t rest = seconds % 86400;
  const std::int64_t z = days + 719468;
  const std::int64_t era = z / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  const auto digits = [](std::int64_t value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
  };
  return digits(year, 4) + "-" + digits(month, 2) + "-" + digits(day, 2) + "T" +
         digits(rest / 3600, 2) + ":" + digits(rest / 60 % 60, 2) + ":" + digits(rest % 60, 2);
}

}  // namespace vexolite::book
