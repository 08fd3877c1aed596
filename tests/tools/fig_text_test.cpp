// The .fig figure text: what it reads, the errors it names, and the text it writes back.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "fig_text.h"
#include "support/case_file_writer.h"

namespace vexolite::catalog {
namespace {

TEST(FigText, ReadsCasesLayersRowsAndCellsAndWritesThemBack) {
  const auto parsed = parseFigText(
      "# a comment before any case\ncase 12\nx.x\n\n# comments do not end a layer\n.5\n7\n"
      "case 123.4\r\nxx  \r\n\n\ncase 999\n",
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

  // Written as the bounding box, and read back the same.
  const CatalogFigure figure{1231, 0, {{Cell{1, 1, 2}, 0}, {Cell{1, 2, 1}, 5}, {Cell{3, 2, 3}, 7}}};
  const std::string text = figText(figure, {"a note"});
  EXPECT_EQ(text, "case 123.1\n# a note\n.x.\n5..\n\n...\n...\n\n...\n..7\n\n");
  const auto again = parseFigText(text + figText(CatalogFigure{50, 0, {}}), "t.fig");
  ASSERT_TRUE(again.ok()) << again.error().message;
  ASSERT_EQ(again.value().size(), 2u);
  EXPECT_EQ(again.value()[0].caseValue, 1231);
  EXPECT_EQ(again.value()[0].cubes, figure.cubes);
  EXPECT_EQ(again.value()[1].caseValue, 50);
  EXPECT_TRUE(parseFigText("case 2\n" + std::string(16, 'x') + "\n", "f.fig").ok()) << "16 cells";
}

TEST(FigText, NamesTheFileTheLineAndWhatWasExpected) {
  std::string seventeenRows = "case 3\n", seventeenLayers = "case 4\n";
  for (int n = 0; n < 17; ++n) {
    seventeenRows += "x\n";
    seventeenLayers += "x\n\n";
  }
  const std::string row = "expected a row of \".\", \"x\" or \"1\"..\"7\", found ";
  const std::string caseLine =
      "expected \"case N\" or \"case N.D\" with N 0 to 999 and D 1 to 9, found ";
  const std::pair<std::string, std::string> cases[] = {
      {"case 1\nxxq\n", "2: " + row + "\"q\""},
      {"case 1\nxx\nx8\n", "3: " + row + "\"8\""},
      {"case 1\nx x\n", "2: " + row + "\" \""},
      {"xxx\n", "1: expected a \"case N\" line before the first row, found \"xxx\""},
      {"case 00\n", "1: " + caseLine + "\"case 00\""},
      {"# c\ncase 1000\n", "2: " + caseLine + "\"case 1000\""},
      {"case 12.0\n", "1: " + caseLine + "\"case 12.0\""},
      {"case 12.34\n", "1: " + caseLine + "\"case 12.34\""},
      {"case 012\n", "1: " + caseLine + "\"case 012\""},
      {"case\n", "1: " + caseLine + "\"case\""},
      {"case 5x\n", "1: " + caseLine + "\"case 5x\""},
      {"case 2\n" + std::string(17, 'x') + "\n", "2: case 2 has a row of more than 16 cells"},
      {seventeenRows, "18: case 3 has a layer of more than 16 rows"},
      {seventeenLayers, "34: case 4 has more than 16 layers"},
  };
  for (const auto& [text, message] : cases) {
    const auto parsed = parseFigText(text, "figures.fig");
    ASSERT_FALSE(parsed.ok()) << text;
    EXPECT_EQ(parsed.error().message, "figures.fig:" + message);
  }
  test::TempFolder folder;
  const auto missing = readFigFile(folder / "none.fig");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().message, (folder / "none.fig").string() + ": cannot open the file");
}

}  // namespace
}  // namespace vexolite::catalog
