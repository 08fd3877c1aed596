// Source errors, build refusals, check of tampered files, the tool itself, the shipped catalogue.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>

#include <sys/wait.h>

#include "case_library/case_decoding.h"
#include "catalog_build.h"
#include "catalog_check.h"
#include "cube_transforms.h"
#include "fig_text.h"
#include "support/case_file_writer.h"

namespace vexolite::catalog {
namespace {

const char kUsageStart[] = "usage: vexolite-catalog count FILE.fig...\n";
const char kCube[] = "\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n";  // after "case N"

// The cube (240 solutions), a slab (3069) and 705.
const char kSource[] =
    "case 1\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n"
    "case 2\n..xx\nxxxx\nxxxx\nxxxx\n\n..xx\n.xxx\nxxxx\nxxxx\n"
    "case 705\n11.222.333.44..\n1..2....3...44.\n...............\n66..55...77....\n"
    "6...5....7.....\n\n...............\n...............\n...............\n"
    ".6.......7.....\n....5..........\n";

// What reading, then building, the source finds wrong; a refusal up to its first comma.
std::string problem(const std::string& text) {
  const auto parsed = parseFigText(text, "f.fig");
  if (!parsed.ok()) return parsed.error().message;
  const auto built = buildCatalog(parsed.value(), "f.fig");
  return built.ok() ? "" : built.error().message.substr(0, built.error().message.find(','));
}

TEST(CatalogBuildAndCheck, NameTheLineOrRecordAndWhatIsWrong) {
  const std::string caseLine = "expected \"case N\" or \"case N.D\" with N 0 to 999 and D 1 to 9";
  for (const std::string wrong :
       {"case 1000", "case 12.0", "case 12.34", "case 012", "case 5x", "case7"})
    EXPECT_EQ(problem("#\n" + wrong), "f.fig:2: " + caseLine + ", found \"" + wrong + "\"");
  EXPECT_EQ(problem("case 999.9" + std::string(kCube)), "") << "the largest case a line can name";

  // 13 layers of two cubes at the end of rows 1 and 2 of 10 cells, 22 record digits each, then a
  // cube at cell 13 or 14 of one row: 300 digits fit a record, 301 do not.
  std::string spread = "case 9\n";
  for (int layer = 0; layer < 13; ++layer)
    spread += ".........x\n.........x\n\n";
  EXPECT_EQ(problem(spread + "............x\n"), "f.fig:1: case 9 has no solution");
  EXPECT_EQ(problem(spread + ".............x\n"), "f.fig:1: case 9 needs 301 record digits");
  const std::string fixed = "\nxxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n";
  EXPECT_EQ(problem(std::string(kSource) + "case 2" + std::string(kCube)),
            "f.fig:35: case 2 is given twice (also at line 13)");
  // Beyond the record's 16 rows or cells, a figure is read, but not built.
  EXPECT_EQ(problem("case 9\n" + std::string(17, 'x') + "\n" + std::string(10, 'x')),
            "f.fig:1: case 9 has a row of 17 cells");
  std::string rows = "case 9\n";
  for (int row = 0; row < 17; ++row)
    rows += row < 10 ? "xx\n" : "x\n";
  EXPECT_EQ(problem(rows), "f.fig:1: case 9 has a layer of 17 rows");
  EXPECT_EQ(problem(std::string(40, 'x')),  // a line of 40 characters is quoted whole
            "f.fig:1: expected a \"case N\" line before the first row, found \"" +
                std::string(40, 'x') + "\"");
  EXPECT_EQ(problem("\xEF\xBB\xBF" + std::string(kSource)), "") << "a byte-order mark";
  EXPECT_EQ(problem("case 6" + fixed), "f.fig:1: case 6 fixes pieces");
  EXPECT_EQ(problem("case 705" + fixed), "f.fig:1: case 705 must give the piece of every cube");

  const std::vector<RawRecord> good =
      splitRecords(buildCatalog(parseFigText(kSource, "").value(), "").value(), "").value();
  const std::string slab = decodeRecord(good[2]).value().texts.cellDigits;
  // The slab's record rebuilt by the tests' own writer with other figure digits or count.
  auto withSlab = [&](std::string digits, int solutions) {
    return [digits, solutions](auto f) {
      const auto bytes = test::recordBytes(readField(f[2], 0), digits, solutions);
      std::copy(bytes.begin(), bytes.end(), f[2].begin());
      return f;
    };
  };
  using Records = std::vector<RawRecord>;
  const std::pair<std::function<Records(Records)>, std::string> tampers[] = {
      {withSlab(std::string(slab).replace(slab.find('1'), 1, "2"), 3069),
       "record 3 (case 2): the cubes stored as piece 1 do not form that piece"},
      {[](auto f) { return std::swap(f[1], f[2]), f; },
       "record 3 (case 1, 240 solutions) is out of order after record 2 (case 2, 3069 solutions)"},
      {[](auto f) { return f[2][0] = 10, f; }, "record 3: case 1 is given twice (also record 2)"},
      {[](auto f) { return f.erase(f.begin()), f; }, "case 705 is missing"},
      {[](auto f) { return f[1][153] = 200, f; },
       "record 2: high byte 200 is 128 or more (byte 153 of the record, 307 of the file)"},
  };
  for (const auto& [tamper, expected] : tampers) {
    std::string problems;
    for (const std::string& problem : checkCatalog(tamper(good), "V.DAT"))
      problems += problem + "\n";
    EXPECT_NE(problems.find("V.DAT: " + expected), std::string::npos) << problems;
  }
}

struct ToolRun {
  int status = 0;
  std::string out, err;  // standard output and standard error
};

// Runs the tool in the folder, its output kept in files beside the ones it reads.
ToolRun runToolIn(const test::TempFolder& folder, const std::string& arguments) {
  const std::string command = "cd " + folder.path().string() + " && " VEXOLITE_CATALOG_TOOL " " +
                              arguments + " >tool.out 2>tool.err";
  const int status = WEXITSTATUS(std::system(command.c_str()));
  auto text = [](const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = test::readFile(path);
    return std::string(bytes.begin(), bytes.end());
  };
  return {status, text(folder / "tool.out"), text(folder / "tool.err")};
}

TEST(CatalogTool, AnswersEveryCommandAndNamesTheFileAndLineOfBadInput) {
  test::TempFolder folder;
  // The slab of kSource given a half turn, and mirrored; in asked.fig also with one cube moved.
  const std::string slabTurnedAndMirrored =
      "case 1\nxxxx\nxxxx\nxxxx\nxx..\n\nxxxx\nxxxx\nxxx.\nxx..\n"
      "case 2\nxx..\nxxxx\nxxxx\nxxxx\n\nxx..\nxxx.\nxxxx\nxxxx\n";
  const std::pair<const char*, std::string> sources[] = {
      {"good.fig", kSource},
      {"bad.fig", std::string(kSource) + "case 8\nxxxxxxxxxxxxxx\nxxxxxxxxxxxxx\n"},
      // The seven pieces stood on end one above the other, 17 layers high: one filling.
      {"tall.fig",
       "case 92\nxx\n\nx.\n\nxx\n\nx.\n\nx.\n\nx.\n\nxx\n\nx.\n\nx.\n\nxx\n\n.x\n\nxx\nx.\n\n"
       "..\nx.\n\nxx\nx.\n\n.x\n..\n\nxx\nx.\n\nx.\n"},
      {"short.fig", "#\ncase 7" + std::string(kCube).substr(0, 37)},
      {"long.fig", "case 5" + std::string(kCube) + "x\n"},
      {"empty.fig", "# no figure yet\n"},
      {"none.fig", "case 8\nxxxxxxxxx\nxxxxxxxxx\nxxxxxxxxx\n"},
      {"two.fig", "case 3" + std::string(kCube) + "case 4.1" + kCube},
      {"pins.fig", "# fixed cubes\ncase 9" + std::string(kCube) +
                       "case 10\n111\nxx1\nxx1\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n"
                       "case 11\n7xx\nxxx\nxx7\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n"},
      {"found.fig", slabTurnedAndMirrored},
      {"asked.fig",
       slabTurnedAndMirrored + "case 3\n..xx\nxxxx\nxxxx\nxxx.\n\n..xx\nxxxx\nxxxx\nxxxx\n"},
  };
  for (const auto& [name, text] : sources)
    std::ofstream(folder / name) << text;
  std::filesystem::create_directory(folder / "folder.fig");
  ASSERT_EQ(runToolIn(folder, "build good.fig -o V.DAT").status, 0);
  const std::vector<std::uint8_t> built = test::readFile(folder / "V.DAT");
  EXPECT_EQ(built, buildCatalog(parseFigText(kSource, "").value(), "").value());
  std::vector<std::uint8_t> bytes = built;
  const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
  bytes[152 + 154 * 2] ^= 1;  // the slab's count
  test::writeFile(folder / "tampered.DAT", bytes);
  bytes[152 + 154 * 2] ^= 1;
  bytes[153] = 200;  // case 705's
  test::writeFile(folder / "broken.DAT", bytes);
  test::writeFile(folder / "short.DAT",
                  std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100));
  test::writeFile(folder / "empty.DAT", {});
  const std::string
      usage = kUsageStart,
      found = "case 1: turned: case 2; mirrored: none\ncase 2: turned: none; mirrored: case 2\n";
  // Standard output and error as they are, or as they start where the text ends in "...".
  const struct {
    std::string arguments;
    int status;
    std::string out, err;
  } runs[] = {
      {"--help", 0, usage + "...", ""},
      {"count -h", 0, usage + "...", ""},
      {"dump", 2, "", usage + "..."},
      {"build tall.fig", 2, "", usage + "..."},
      {"check V.DAT", 0, "V.DAT: 3 records, all checks pass\n", ""},
      {"dump V.DAT", 0, "# V.DAT: 3 records...", ""},
      {"check tampered.DAT", 1, "",
       "tampered.DAT: record 3 (case 2): stores 3068 solutions, a fresh count gives 3069..."},
      {"build bad.fig -o V.DAT", 1, "",
       "bad.fig:35: case 8 has no solution\nV.DAT was not written\n"},
      {"build tall.fig -o new.DAT", 1, "",
       "tall.fig:1: case 92 has 17 layers, more than the 16 a record can hold\n..."},
      {"build empty.fig -o new.DAT", 1, "", "empty.fig: holds no figure to build\n..."},
      {"generate --count 0 --mirrors 3 --seed 5 --first 9", 0, "", ""},
      {"generate --count 0 --first 1x", 2, "", usage + "..."},          // not a number
      {"generate --count 0 --first 4294967297", 2, "", usage + "..."},  // too large, not wrapped
      {"generate --first 999 --count 2", 2, "",
       "generate: cases 999 to 1000 do not fit in 1 to 999\n"},
      {"count tall.fig", 0, "case 92: 1 solution, 1 filling, symmetry group of order 1\n", ""},
      {"count short.fig", 1, "", "short.fig:2: case 7 has 26 cubes, not 27\n"},
      {"count pins.fig", 1, "case 9: 240 solutions, 11520 fillings, symmetry group of order 48\n",
       "pins.fig:14: case 10: no placement of piece 1 covers all the cubes marked 1\n"
       "pins.fig:26: case 11: no placement of piece 7 covers all the cubes marked 7\n"},
      {"solutions none.fig", 0, "# case 8: no solution\n", ""},
      {"solutions pins.fig --case 10", 1, "",
       "pins.fig:14: case 10: no placement of piece 1 covers all the cubes marked 1\n"},
      {"solutions two.fig --case 5", 1, "", "two.fig: holds no case 5\n"},
      {"solutions none.fig two.fig --case 8", 0, "# case 8: no solution\n", ""},
      {"solutions long.fig", 1, "", "long.fig:1: case 5 has 28 cubes, not 27\n"},
      {"solutions missing.fig", 1, "", "missing.fig: cannot open the file\n"},
      {"solutions folder.fig", 1, "", "folder.fig: is a folder, not a file\n"},
      {"solutions two.fig --limit 0", 2, "", usage + "..."},
      {"solutions two.fig --case 5.0", 2, "", usage + "..."},
      {"solutions --case 3", 2, "", usage + "..."},
      {"find asked.fig V.DAT", 0, found + "case 3: turned: none; mirrored: none; nearest: case 2\n",
       ""},
      {"find --near found.fig V.DAT", 0,
       "case 1: turned: case 2; mirrored: none; nearest: none\n"
       "case 2: turned: none; mirrored: case 2; nearest: none\n",
       ""},
      // A broken record is named; the others still answer.
      {"find found.fig broken.DAT", 1, found, "broken.DAT: record 1: high byte 200 i..."},
      {"find found.fig short.DAT", 1, "",
       "short.DAT: 100 bytes, not a whole number of 154-byte records (th..."},
      {"find found.fig missing.DAT", 1, "", "missing.DAT: cannot read the file\n"},
      {"find missing.fig short.DAT", 1, "", "missing.fig: cannot open the file\n"},
      {"find found.fig empty.DAT", 1, "", "empty.DAT: holds no records\n"},
      {"find found.fig", 2, "", usage + "..."},
      {"find found.fig broken.DAT short.DAT", 2, "", usage + "..."},
  };
  auto starts = [](const std::string& text, const std::string& expected) {
    return expected.ends_with("...") ? text.starts_with(expected.substr(0, expected.size() - 3))
                                     : text == expected;
  };
  for (const auto& run : runs) {
    const ToolRun result = runToolIn(folder, run.arguments);
    EXPECT_EQ(result.status, run.status) << run.arguments;
    EXPECT_TRUE(starts(result.out, run.out)) << run.arguments << ":\n" << result.out;
    EXPECT_TRUE(starts(result.err, run.err)) << run.arguments << ":\n" << result.err;
  }
  EXPECT_EQ(test::readFile(folder / "V.DAT"), built);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), entries + 4)
      << "a refused build writes nothing, and leaves no temporary file";
}

TEST(CatalogTool, ListsSolutionsThatCountReadsBackOneByOne) {
  test::TempFolder folder;
  std::ofstream(folder / "two.fig") << "case 3" << kCube << "case 4.1" << kCube;
  const ToolRun limited = runToolIn(folder, "solutions --limit 2 two.fig");
  ASSERT_EQ(limited.status, 0) << limited.err;
  std::ofstream(folder / "listed.fig") << limited.out;
  const std::string one = ": 1 solution, 1 filling, symmetry group of order 1\n";
  EXPECT_EQ(runToolIn(folder, "count listed.fig").out,
            "case 3" + one + "case 3" + one + "case 4.1" + one + "case 4.1" + one);
  // The same two blocks of each figure, numbered, then how many there are in all.
  const std::string cube = limited.out.substr(0, limited.out.find("case 4.1\n"));
  std::string other = limited.out.substr(cube.size());
  for (std::size_t at = 0; (at = other.find("4.1", at)) != std::string::npos;)
    other.replace(at, 3, "3");
  EXPECT_EQ(other, cube);
  EXPECT_TRUE(cube.starts_with("case 3\n# solution 1 of 240\n") &&
              cube.find("case 3\n# solution 2 of 240\n") != std::string::npos &&
              cube.ends_with("\n# case 3: 240 solutions in all, the first 2 shown\n"))
      << cube;
}

TEST(ShippedCatalogue, IsItsSourceBuiltAndKeepsTheCataloguesPromises) {
  const std::vector<std::uint8_t> shipped = test::readFile(VEXOLITE_DATA_FOLDER "/VEXOLITE.DAT");
  const std::vector<CatalogFigure> source =
      readFigFile(VEXOLITE_DATA_FOLDER "/figures.fig").value();
  EXPECT_EQ(buildCatalog(source, "figures.fig").value(), shipped);

  // Cases 1 to 705, their decimal cases mirror images of chiral figures, no two of the rest the
  // same figure turned or mirrored, all face-connected but 705, which shows the pieces apart.
  std::map<int, std::vector<FigureCube>> cases;
  for (const CatalogFigure& f : source)
    cases.emplace(f.caseValue, f.cubes);
  std::set<std::vector<Cell>> forms;
  for (const auto& [value, cubes] : cases) {
    const std::vector<FigureCube>& base = cases.at(value / 10 * 10);
    EXPECT_EQ(isFaceConnected(cellsOf(cubes)), value != kCase705Value) << caseName(value);
    EXPECT_TRUE(value % 10 == 0 ? forms.insert(canonicalForm(cellsOf(cubes))).second
                                : isChiral(cellsOf(base)) && normalizedCells(cellsOf(cubes)) ==
                                                                 cellsOf(mirroredFigure(base)))
        << caseName(value);
  }
  EXPECT_TRUE(forms.size() == 705u && cases.begin()->first == 10 &&
              cases.rbegin()->first == kCase705Value);

  // The dump, through the tool, builds back into the same file.
  test::TempFolder folder;
  ASSERT_EQ(runToolIn(folder, "dump " VEXOLITE_DATA_FOLDER "/VEXOLITE.DAT").status, 0);
  std::filesystem::rename(folder / "tool.out", folder / "dump.fig");
  ASSERT_EQ(runToolIn(folder, "build dump.fig -o V.DAT").status, 0);
  EXPECT_EQ(test::readFile(folder / "V.DAT"), shipped);
}

}  // namespace
}  // namespace vexolite::catalog
