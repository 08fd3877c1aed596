// The book's choices before any PDF: options, paper and dates from the environment, the layout.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <map>
#include <sstream>

#include "book_catalogue.h"
#include "book_layout.h"
#include "book_options.h"

namespace vexolite::book {
namespace {

const std::filesystem::path kShippedCatalogue = VEXOLITE_DATA_FOLDER "/VEXOLITE.DAT";

std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> all;
  std::istringstream in(line);
  for (std::string word; in >> word;)
    all.push_back(word);
  return all;
}

// An environment written "LANG=C LC_PAPER=en_CA"; a variable may be set to "".
EnvironmentLookup environmentOf(const std::string& assignments) {
  std::map<std::string, std::string> variables;
  for (const std::string& word : words(assignments))
    variables[word.substr(0, word.find('='))] = word.substr(word.find('=') + 1);
  return [variables](std::string_view name) -> std::optional<std::string> {
    const auto found = variables.find(std::string(name));
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

TEST(BookOptions, PaperFromLcPaperElseTheLanguagesCountryLetterOnlyForTheUsAndCanada) {
  for (const char* a4 : {"", "LANG=en_GB.UTF-8", "LANG=C", "LANG=en_US.UTF-8 LC_PAPER=de_DE.UTF-8",
                         "LC_PAPER=en_CA LC_ALL=es_ES.UTF-8"})
    EXPECT_EQ(paperFromLocale(environmentOf(a4)), Paper::A4) << a4;
  for (const char* letter :
       {"LANG=en_US.UTF-8", "LANG=fr_CA.UTF-8", "LANG=de_DE.UTF-8 LC_PAPER=en_CA",
        "LANGUAGE=en_US:en LANG=de_DE", "LC_PAPER= LC_MESSAGES=en_US@euro"})
    EXPECT_EQ(paperFromLocale(environmentOf(letter)), Paper::Letter) << letter;
}

TEST(BookOptions, CommandLineTakesEachOptionAndRefusesWhatItDoesNotKnow) {
  const auto parse = [](const std::string& line) {
    const std::vector<std::string> all = words("vexolite-book " + line);
    std::vector<const char*> args;
    for (const std::string& word : all)
      args.push_back(word.c_str());
    return parseCommandLine(static_cast<int>(args.size()), args.data());
  };
  // Each option's effect is checked on the real book; here the value written after "=".
  const ParsedCommandLine attached = parse("in.DAT -o out.pdf --cases=10-20");
  ASSERT_TRUE(std::holds_alternative<BookOptions>(attached));
  EXPECT_EQ(std::get<BookOptions>(attached).firstCase, 10);
  EXPECT_EQ(std::get<BookOptions>(attached).lastCase, 20);
  EXPECT_TRUE(std::holds_alternative<HelpAsked>(parse("in.DAT --help")));
  const std::string book = "in.DAT -o out.pdf ";
  for (const std::string& wrong :
       {std::string("in.DAT"), std::string("-o out.pdf"), std::string("in.DAT -o"),
        book + "--cases 20-10", book + "--cases 7", book + "--cases 1-x", book + "--paper a3",
        book + "--order size", book + "--language fr", book + "--no-solutions=1", book + "two.DAT",
        book + "--colour"})
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse(wrong))) << wrong;
}

// The C library's own conversion is the oracle for dates it can hold.
TEST(BookOptions, SourceDateEpochGivesTheUtcDateAndRefusesWhatIsNotASecondCount) {
  for (std::int64_t seconds = 0; seconds < 4102444800; seconds += 7654321 + seconds / 1000) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&t, &parts);
    char expected[32];
    std::strftime(expected, sizeof expected, "%Y-%m-%dT%H:%M:%S", &parts);
    ASSERT_EQ(isoDateTime(seconds), expected) << seconds;
  }
  EXPECT_EQ(isoDateTime(253402300799), "9999-12-31T23:59:59");

  const auto epoch = [](const std::string& value) {
    return sourceDateEpoch(environmentOf(value.empty() ? "" : "SOURCE_DATE_EPOCH=" + value));
  };
  EXPECT_EQ(std::get<std::optional<std::int64_t>>(epoch("")), std::nullopt);
  EXPECT_EQ(std::get<std::optional<std::int64_t>>(epoch("1700000000")), 1700000000);
  EXPECT_EQ(std::get<std::optional<std::int64_t>>(epoch("0")), 0);  // 1970 itself
  for (const char* wrong : {"-1", "12a", "1.5", "253402300800", "99999999999999999999"})
    EXPECT_TRUE(std::holds_alternative<std::string>(epoch(wrong))) << wrong;
}

bool inside(double x, double y, double w, double h, double ox, double oy, double ow, double oh) {
  constexpr double e = 1e-6;
  return x >= ox - e && y >= oy - e && x + w <= ox + ow + e && y + h <= oy + oh + e;
}

// Every figure of the shipped catalogue on A4 and Letter: its box inside the page's area and
// apart from every other box on the page, its drawing and plan inside the box, no cube edge
// under 2 mm; about 20 figures to an A4 page. Last, a figure as large as a record allows, rods
// along three far edges of the drawing cube: still whole on a page, drawn and planned smaller.
TEST(BookLayout, EveryShippedFigureWholeInItsOwnBoxWithEdgesOfAtLeastTwoMillimetres) {
  auto cases = readCatalogue(kShippedCatalogue);
  ASSERT_TRUE(cases);
  std::vector<FigureMeasure> measures;
  for (const BookCase& c : cases.value()) {
    FigureFields figure;
    applyFigure(c.decoded.figure, figure);
    measures.push_back(measureFigure(figure));
  }
  FigureFields largest;
  largest.cubeSide = 16;
  for (int n = 1; n <= 16; ++n)
    largest.cells(n, 1, 1) = largest.cells(1, n, 16) = largest.cells(16, 16, n) = 1;
  measures.push_back(measureFigure(largest));
  ASSERT_EQ(measures.back().layers, 16);
  for (Paper paper : {Paper::A4, Paper::Letter}) {
    const PaperSize size = paperSize(paper);
    const double areaHeight = size.height - kAreaTop - kAreaBottomMargin;
    const auto pages = layOutFigures(measures, paper);
    std::size_t next = 0;
    for (const auto& page : pages) {
      ASSERT_FALSE(page.empty());
      for (std::size_t n = 0; n < page.size(); ++n) {
        const FigureBox& box = page[n];
        const FigureMeasure& m = measures[box.figure];
        EXPECT_EQ(box.figure, next++);
        EXPECT_TRUE(inside(box.x, box.y, box.width, box.height, kMargin, kAreaTop,
                           size.width - 2 * kMargin, areaHeight));
        EXPECT_TRUE(inside(box.drawingX, box.drawingY, m.drawingWidth * box.scale,
                           m.drawingHeight * box.scale, box.x, box.y, box.width, box.height));
        const int lines = (m.layers + box.layersPerLine - 1) / box.layersPerLine;
        const double planWidth = (box.layersPerLine * (m.columns + 1) - 1) * box.planSquare;
        const double planHeight = (lines * (m.rows + 1) - 1) * box.planSquare;
        EXPECT_TRUE(inside(box.planX, box.planY, planWidth, planHeight, box.x, box.y, box.width,
                           box.height))
            << "figure " << box.figure;
        EXPECT_GE(box.planY, box.drawingY + m.drawingHeight * box.scale);
        // The shortest edge, the top face's, is sqrt(16^2 + 8^2) units: 2 mm is 5.669 pt.
        if (box.figure + 1 < measures.size()) {
          EXPECT_EQ(box.planSquare, kPlanSquare);
          EXPECT_GE(std::sqrt(16 * 16 + 8 * 8) * box.scale, 2 / 25.4 * 72)
              << "figure " << box.figure;
        }
        for (std::size_t other = 0; other < n; ++other) {
          const FigureBox& o = page[other];
          const bool apart = box.x >= o.x + o.width - 1e-6 || o.x >= box.x + box.width - 1e-6 ||
                             box.y >= o.y + o.height - 1e-6 || o.y >= box.y + box.height - 1e-6;
          EXPECT_TRUE(apart) << "figures " << o.figure << " and " << box.figure;
        }
      }
    }
    EXPECT_EQ(next, measures.size());
    if (paper == Paper::A4) {
      const double perPage = static_cast<double>(measures.size()) / pages.size();
      EXPECT_GE(perPage, 17);
      EXPECT_LE(perPage, 25);
    }
  }
}

}  // namespace
}  // namespace vexolite::book
