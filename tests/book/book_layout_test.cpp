// The book's choices before any PDF: options, paper and dates from the environment, the layout.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <map>

#include "book_catalogue.h"
#include "book_layout.h"
#include "book_options.h"

namespace vexolite::book {
namespace {

const std::filesystem::path kShippedCatalogue = VEXOLITE_DATA_FOLDER "/VEXOLITE.DAT";

EnvironmentLookup environmentOf(std::map<std::string, std::string> variables) {
  return [variables](std::string_view name) -> std::optional<std::string> {
    const auto found = variables.find(std::string(name));
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

TEST(BookOptions, PaperFromLcPaperElseTheLanguagesCountryLetterOnlyForTheUsAndCanada) {
  const std::pair<std::map<std::string, std::string>, Paper> cases[] = {
      {{}, Paper::A4},
      {{{"LANG", "en_US.UTF-8"}}, Paper::Letter},
      {{{"LANG", "fr_CA.UTF-8"}}, Paper::Letter},
      {{{"LANG", "en_GB.UTF-8"}}, Paper::A4},
      {{{"LANG", "es_MX.UTF-8"}}, Paper::A4},
      {{{"LANG", "C"}}, Paper::A4},
      {{{"LANG", "en_US.UTF-8"}, {"LC_PAPER", "de_DE.UTF-8"}}, Paper::A4},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_PAPER", "en_CA"}}, Paper::Letter},
      {{{"LC_PAPER", "en_CA"}, {"LC_ALL", "es_ES.UTF-8"}}, Paper::A4},
      {{{"LANGUAGE", "en_US:en"}, {"LANG", "de_DE"}}, Paper::Letter},
      {{{"LC_PAPER", ""}, {"LC_MESSAGES", "en_US@euro"}}, Paper::Letter},
  };
  for (const auto& [variables, paper] : cases) {
    EXPECT_EQ(paperFromLocale(environmentOf(variables)), paper)
        << (variables.empty() ? "" : variables.begin()->first + "=" + variables.begin()->second);
  }
}

TEST(BookOptions, CommandLineTakesEachOptionAndRefusesWhatItDoesNotKnow) {
  const auto parse = [](std::vector<const char*> args) {
    args.insert(args.begin(), "vexolite-book");
    return parseCommandLine(static_cast<int>(args.size()), args.data());
  };
  const ParsedCommandLine full =
      parse({"in.DAT", "-o", "out.pdf", "--order", "solutions", "--cases=10-20", "--paper",
             "letter", "--language", "en", "--no-solutions"});
  ASSERT_TRUE(std::holds_alternative<BookOptions>(full));
  const auto& options = std::get<BookOptions>(full);
  EXPECT_EQ(options.caseFile, "in.DAT");
  EXPECT_EQ(options.output, "out.pdf");
  EXPECT_EQ(options.order, Order::BySolutions);
  EXPECT_EQ(options.firstCase, 10);
  EXPECT_EQ(options.lastCase, 20);
  EXPECT_EQ(options.paper, Paper::Letter);
  EXPECT_EQ(options.language, "en");
  EXPECT_FALSE(options.solutions);
  EXPECT_TRUE(std::holds_alternative<HelpAsked>(parse({"in.DAT", "--help"})));
  for (const auto& wrong :
       std::vector<std::vector<const char*>>{{"in.DAT"},
                                             {"-o", "out.pdf"},
                                             {"in.DAT", "-o"},
                                             {"in.DAT", "-o", "out.pdf", "--cases", "20-10"},
                                             {"in.DAT", "-o", "out.pdf", "--cases", "7"},
                                             {"in.DAT", "-o", "out.pdf", "--cases", "1-x"},
                                             {"in.DAT", "-o", "out.pdf", "--paper", "a3"},
                                             {"in.DAT", "-o", "out.pdf", "--order", "size"},
                                             {"in.DAT", "-o", "out.pdf", "--language", "fr"},
                                             {"in.DAT", "-o", "out.pdf", "--no-solutions=1"},
                                             {"in.DAT", "two.DAT", "-o", "out.pdf"},
                                             {"in.DAT", "-o", "out.pdf", "--colour"}}) {
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse(wrong))) << wrong.back();
  }
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
  EXPECT_EQ(isoDateTime(951782400), "2000-02-29T00:00:00");
  EXPECT_EQ(isoDateTime(253402300799), "9999-12-31T23:59:59");

  EXPECT_EQ(std::get<std::optional<std::int64_t>>(sourceDateEpoch(environmentOf({}))),
            std::nullopt);
  EXPECT_EQ(std::get<std::optional<std::int64_t>>(
                sourceDateEpoch(environmentOf({{"SOURCE_DATE_EPOCH", "1700000000"}}))),
            1700000000);
  for (const char* wrong : {"-1", "12a", "1.5", " 7", "253402300800", "99999999999999999999"}) {
    EXPECT_TRUE(std::holds_alternative<std::string>(
        sourceDateEpoch(environmentOf({{"SOURCE_DATE_EPOCH", wrong}}))))
        << wrong;
  }
}

bool inside(double x, double y, double w, double h, double ox, double oy, double ow, double oh) {
  constexpr double e = 1e-6;
  return x >= ox - e && y >= oy - e && x + w <= ox + ow + e && y + h <= oy + oh + e;
}

// Every figure of the shipped catalogue on A4 and Letter: its box inside the page's area and
// apart from every other box on the page, its drawing and plan inside the box, no cube edge
// under 2 mm; about 20 figures to an A4 page.
TEST(BookLayout, EveryShippedFigureWholeInItsOwnBoxWithEdgesOfAtLeastTwoMillimetres) {
  auto cases = readCatalogue(kShippedCatalogue);
  ASSERT_TRUE(cases);
  std::vector<FigureMeasure> measures;
  for (const BookCase& c : cases.value()) {
    FigureFields figure;
    applyFigure(c.decoded.figure, figure);
    measures.push_back(measureFigure(figure));
  }
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
        EXPECT_EQ(box.planSquare, kPlanSquare);
        EXPECT_TRUE(inside(box.planX, box.planY, planWidth, planHeight, box.x, box.y, box.width,
                           box.height))
            << "figure " << box.figure;
        EXPECT_GE(box.planY, box.drawingY + m.drawingHeight * box.scale);
        // The shortest edge, the top face's, is sqrt(16^2 + 8^2) units: 2 mm is 5.669 pt.
        EXPECT_GE(std::sqrt(16 * 16 + 8 * 8) * box.scale, 2 / 25.4 * 72) << "figure " << box.figure;
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

// A figure as large as a record allows still fits one page whole.
TEST(BookLayout, TheLargestFigureARecordHoldsFitsAPage) {
  FigureFields figure;
  figure.cubeSide = 16;
  for (int n = 1; n <= 16; ++n) {
    figure.cells(n, 1, 1) = 1;
    figure.cells(1, n, 16) = 1;
    figure.cells(16, 16, n) = 1;
  }
  const std::vector<FigureMeasure> one{measureFigure(figure)};
  EXPECT_EQ(one[0].layers, 16);
  for (Paper paper : {Paper::A4, Paper::Letter}) {
    const auto pages = layOutFigures(one, paper);
    ASSERT_EQ(pages.size(), 1u);
    const FigureBox& box = pages[0][0];
    EXPECT_LE(box.y + box.height, paperSize(paper).height - kAreaBottomMargin + 1e-6);
    EXPECT_LE(box.drawingX + one[0].drawingWidth * box.scale, box.x + box.width + 1e-6);
  }
}

}  // namespace
}  // namespace vexolite::book
