// The .fig figure text: what it reads, the errors it names, and the text it writes back.
#include <gtest/gtest.h>

#include "fig_text.h"
#include "support/case_file_writer.h"

namespace vexolite::catalog {
namespace {

TEST(FigText, ReadsCasesLayersRowsAndCells) {
  const auto parsed = parseFigText(
      "# a comment before any case\n"
      "case 12\n"
      "x.x\n"
      "\n"
      "# comments do not end a layer\n"
      ".5\n"
      "7\n"
      "case 123.4\r\n"
      "xx  \r\n"
      "\n"
      "\n"
      "case 999\n",
      "a.fig");
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  const auto& figures = parsed.value();
  ASSERT_EQ(figures.size(), 3u);
  EXPECT_EQ(figures[0].caseValue, 120);
  EXPECT_EQ(figures[0].line, 2);
  EXPECT_EQ(figures[0].cubes,
            (std::vector<FigureCube>{
                {Cell{1, 1, 1}, 0}, {Cell{1, 1, 3}, 0}, {Cell{2, 1, 2}, 5}, {Cell{2, 2, 1}, 7}}));
  EXPECT_EQ(figures[1].caseValue, 1234);
  EXPECT_EQ(figures[1].cubes, (std::vector<FigureCube>{{Cell{1, 1, 1}, 0}, {Cell{1, 1, 2}, 0}}));
  EXPECT_EQ(figures[2].caseValue, 9990);
  EXPECT_TRUE(figures[2].cubes.empty());
}

TEST(FigText, NamesTheFileTheLineAndWhatWasExpected) {
  struct Bad {
    const char* text;
    const char* message;
  };
  const std::string sixteen(16, 'x');
  const std::string seventeenRows = [] {
    std::string rows = "case 3\n";
    for (int n = 0; n < 17; ++n)
      rows += "x\n";
    return rows;
  }();
  const std::string seventeenLayers = [] {
    std::string layers = "case 4\n";
    for (int n = 0; n < 17; ++n)
      layers += "x\n\n";
    return layers;
  }();
  const Bad cases[] = {
      {"case 1\nxxq\n",
       "figures.fig:2: expected a row of \".\", \"x\" or \"1\"..\"7\", found \"q\""},
      {"case 1\nxx\nx8\n",
       "figures.fig:3: expected a row of \".\", \"x\" or \"1\"..\"7\", found \"8\""},
      {"case 1\nx x\n",
       "figures.fig:2: expected a row of \".\", \"x\" or \"1\"..\"7\", found \" \""},
      {"xxx\n", "figures.fig:1: expected a \"case N\" line before the first row, found \"xxx\""},
      {"case 0\n",
       "figures.fig:1: expected \"case N\" or \"case N.D\" with N 1 to 999 and D 1 to 9, found "
       "\"case 0\""},
      {"# c\ncase 1000\n",
       "figures.fig:2: expected \"case N\" or \"case N.D\" with N 1 to 999 and D 1 to 9, found "
       "\"case 1000\""},
      {"case 12.0\n",
       "figures.fig:1: expected \"case N\" or \"case N.D\" with N 1 to 999 and D 1 to 9, found "
       "\"case 12.0\""},
      {"case 12.34\n",
       "figures.fig:1: expected \"case N\" or \"case N.D\" with N 1 to 999 and D 1 to 9, found "
       "\"case 12.34\""},
      {"case 012\n",
       "figures.fig:1: expected \"case N\" or \"case N.D\" with N 1 to 999 and D 1 to 9, found "
       "\"case 012\""},
      {"case\n",
       "figures.fig:1: expected \"case N\" or \"case N.D\" with N 1 to 999 and D 1 to 9, found "
       "\"case\""},
      {"case 5x\n",
       "figures.fig:1: expected \"case N\" or \"case N.D\" with N 1 to 999 and D 1 to 9, found "
       "\"case 5x\""},
  };
  for (const Bad& bad : cases) {
    const auto parsed = parseFigText(bad.text, "figures.fig");
    ASSERT_FALSE(parsed.ok()) << bad.text;
    EXPECT_EQ(parsed.error().message, bad.message);
  }
  EXPECT_TRUE(parseFigText("case 2\n" + sixteen + "\n", "f.fig").ok());
  const auto longRow = parseFigText("case 2\n" + sixteen + "x\n", "f.fig");
  ASSERT_FALSE(longRow.ok());
  EXPECT_EQ(longRow.error().message, "f.fig:2: case 2 has a row of more than 16 cells");
  const auto manyRows = parseFigText(seventeenRows, "f.fig");
  ASSERT_FALSE(manyRows.ok());
  EXPECT_EQ(manyRows.error().message, "f.fig:18: case 3 has a layer of more than 16 rows");
  const auto manyLayers = parseFigText(seventeenLayers, "f.fig");
  ASSERT_FALSE(manyLayers.ok());
  EXPECT_EQ(manyLayers.error().message, "f.fig:34: case 4 has more than 16 layers");
}

TEST(FigText, AMissingFileIsNamed) {
  test::TempFolder folder;
  const auto parsed = readFigFile(folder / "none.fig");
  ASSERT_FALSE(parsed.ok());
  EXPECT_EQ(parsed.error().message, (folder / "none.fig").string() + ": cannot open the file");
}

TEST(FigText, WrittenTextIsTheBoundingBoxAndReadsBack) {
  const CatalogFigure figure{1231, 0, {{Cell{1, 1, 2}, 0}, {Cell{1, 2, 1}, 5}, {Cell{3, 2, 3}, 7}}};
  const std::string text = figText(figure, {"a note"});
  EXPECT_EQ(text,
            "case 123.1\n# a note\n"
            ".x.\n5..\n\n...\n...\n\n...\n..7\n\n");
  const auto parsed = parseFigText(text + figText(CatalogFigure{50, 0, {}}), "t.fig");
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  ASSERT_EQ(parsed.value().size(), 2u);
  EXPECT_EQ(parsed.value()[0].caseValue, 1231);
  EXPECT_EQ(parsed.value()[0].cubes, figure.cubes);
  EXPECT_EQ(parsed.value()[1].caseValue, 50);
}

}  // namespace
}  // namespace vexolite::catalog
