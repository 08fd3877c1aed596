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
  for (const std::string wrong : {"case 1000", "case 12.0", "case 12.34", "case 012", "case 5x"})
    EXPECT_EQ(problem("#\n" + wrong), "f.fig:2: " + caseLine + ", found \"" + wrong + "\"");

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
  EXPECT_EQ(problem("# no figure\n"), "f.fig: holds no figure to build");
  EXPECT_EQ(problem(std::string(40, 'x')),  // a line of 40 characters is quoted whole
            "f.fig:1: expected a \"case N\" line before the first row, found \"" +
                std::string(40, 'x') + "\"");
  EXPECT_EQ(problem("case7" + std::string(kCube)),
            "f.fig:1: expected \"case N\" or \"case N.D\" with N 0 to 999 and D 1 to 9, found "
            "\"case7\"");
  EXPECT_EQ(problem("\xEF\xBB\xBF" + std::string(kSource)), "") << "a byte-order mark";
  EXPECT_EQ(problem("case 7" + fixed.substr(0, 37)), "f.fig:1: case 7 has 26 cubes, not 27");
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
      {withSlab(slab, 3068), "record 3 (case 2): stores 3068 solutions, a fresh count gives 3069"},
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

int runTool(const std::string& arguments) {
  const std::string command = VEXOLITE_CATALOG_TOOL " " + arguments + " >/dev/null 2>&1";
  return WEXITSTATUS(std::system(command.c_str()));
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

TEST(CatalogTool, BuildsChecksDumpsAndNeverReplacesAGoodFileOnFailure) {
  test::TempFolder folder;
  std::ofstream(folder / "good.fig") << kSource;
  std::ofstream(folder / "bad.fig") << kSource << "case 8\nxxxxxxxxxxxxxx\nxxxxxxxxxxxxx\n";
  const std::string dat = (folder / "V.DAT").string();
  std::vector<std::uint8_t> built = buildCatalog(parseFigText(kSource, "").value(), "").value();
  ASSERT_EQ(runTool("build " + (folder / "good.fig").string() + " -o " + dat), 0);
  EXPECT_EQ(runTool("check " + dat), 0);
  EXPECT_EQ(runTool("dump " + dat), 0);
  EXPECT_EQ(runTool("build " + (folder / "bad.fig").string() + " -o " + dat), 1);
  EXPECT_EQ(test::readFile(dat), built);
  built[152 + 154 * 2] ^= 1;  // the slab's count
  test::writeFile(folder / "tampered.DAT", built);
  EXPECT_EQ(runTool("check " + (folder / "tampered.DAT").string()), 1);
  const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
  EXPECT_EQ(entries, 4) << "no temporary file is left behind";

  EXPECT_EQ(runTool("generate --count 0 --mirrors 3 --seed 5 --first 9"), 0);
  EXPECT_EQ(runTool("generate --count 0 --first 1x"), 2) << "not a number";
  EXPECT_EQ(runTool("generate --count 0 --first 4294967297"), 2) << "too large, not wrapped";
}

TEST(CatalogTool, HelpsOnAskingReadsAnyFigureOf27CubesAndBuildsOnlyWhatARecordHolds) {
  test::TempFolder folder;
  // The seven pieces stood on end one above the other, 17 layers high: one filling.
  std::ofstream(folder / "tall.fig") << "case 92\nxx\n\nx.\n\nxx\n\nx.\n\nx.\n\nx.\n\nxx\n\nx.\n\n"
                                        "x.\n\nxx\n\n.x\n\nxx\nx.\n\n..\nx.\n\nxx\nx.\n\n.x\n..\n\n"
                                        "xx\nx.\n\nx.\n";
  std::ofstream(folder / "short.fig") << "#\ncase 7" << std::string(kCube).substr(0, 37);
  std::ofstream(folder / "empty.fig") << "# no figure yet\n";
  const struct {
    std::string arguments;
    int status;
    std::string ToolRun::*stream;
    std::string expected;
  } runs[] = {
      {"--help", 0, &ToolRun::out, "usage: vexolite-catalog count FILE.fig...\n"},
      {"count -h", 0, &ToolRun::out, "\n  -h, --help "},
      {"dump", 2, &ToolRun::err, "usage: vexolite-catalog count FILE.fig...\n"},
      {"build tall.fig", 2, &ToolRun::err, "usage: vexolite-catalog count FILE.fig...\n"},
      {"generate --first 999 --count 2", 2, &ToolRun::err, "cases 999 to 1000 do not fit"},
      {"count tall.fig", 0, &ToolRun::out, "case 92: 1 solution, 1 filling,"},
      {"count short.fig", 1, &ToolRun::err, "short.fig:2: case 7 has 26 cubes, not 27\n"},
      {"build tall.fig -o new.DAT", 1, &ToolRun::err,
       "tall.fig:1: case 92 has 17 layers, more than the 16 a record can hold\n"},
      {"build empty.fig -o new.DAT", 1, &ToolRun::err, "empty.fig: holds no figure to build\n"},
  };
  for (const auto& run : runs) {
    const ToolRun result = runToolIn(folder, run.arguments);
    EXPECT_EQ(result.status, run.status) << run.arguments;
    EXPECT_NE((result.*run.stream).find(run.expected), std::string::npos) << run.arguments << ":\n"
                                                                          << result.*run.stream;
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "new.DAT"));
}

TEST(CatalogTool, ListsSolutionsThatCountReadsBackOneByOne) {
  test::TempFolder folder;
  std::ofstream(folder / "two.fig") << "case 3" << kCube << "case 4.1" << kCube;
  const ToolRun cube = runToolIn(folder, "solutions two.fig --case 3");
  ASSERT_EQ(cube.status, 0) << cube.err;
  std::ofstream(folder / "listed.fig") << cube.out;
  const ToolRun recount = runToolIn(folder, "count listed.fig");
  ASSERT_EQ(recount.status, 0) << recount.err;
  std::string each;
  for (int n = 0; n < 240; ++n)
    each += "case 3: 1 solution, 1 filling, symmetry group of order 1\n";
  EXPECT_EQ(recount.out, each);
  EXPECT_EQ(cube.out.substr(0, 27), "case 3\n# solution 1 of 240\n");

  const ToolRun limited = runToolIn(folder, "solutions --limit 2 two.fig");
  EXPECT_EQ(limited.status, 0);
  const std::string firstTwo = cube.out.substr(0, cube.out.find("case 3\n# solution 3 of"));
  std::string other = firstTwo;
  for (std::size_t at = 0; (at = other.find("case 3\n", at)) != std::string::npos; at += 8)
    other.replace(at, 7, "case 4.1\n");
  EXPECT_EQ(limited.out, firstTwo + "# case 3: 240 solutions in all, the first 2 shown\n" + other +
                             "# case 4.1: 240 solutions in all, the first 2 shown\n");

  // No solution: one line; bad input: the file and the line, case or piece, status 1.
  std::ofstream(folder / "none.fig") << "case 8\nxxxxxxxxx\nxxxxxxxxx\nxxxxxxxxx\n";
  std::ofstream(folder / "pins.fig")
      << "# fixed cubes\ncase 9" << kCube << "case 10"
      << "\n111\nxx1\nxx1\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n"
      << "case 11\n7xx\nxxx\nxx7\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n";
  std::ofstream(folder / "long.fig") << "case 5" << kCube << "x\n";
  std::filesystem::create_directory(folder / "folder.fig");
  const struct {
    std::string arguments;
    int status;
    std::string out, err;
  } runs[] = {
      {"solutions none.fig", 0, "# case 8: no solution\n", ""},
      {"solutions pins.fig --case 10", 1, "",
       "pins.fig:14: case 10: no placement of piece 1 covers all the cubes marked 1\n"},
      {"count pins.fig", 1, "case 9: 240 solutions, 11520 fillings, symmetry group of order 48\n",
       "pins.fig:14: case 10: no placement of piece 1 covers all the cubes marked 1\n"
       "pins.fig:26: case 11: no placement of piece 7 covers all the cubes marked 7\n"},
      {"solutions two.fig --case 5", 1, "", "two.fig: holds no case 5\n"},
      {"solutions none.fig two.fig --case 8", 0, "# case 8: no solution\n", ""},
      {"solutions long.fig", 1, "", "long.fig:1: case 5 has 28 cubes, not 27\n"},
      {"solutions missing.fig", 1, "", "missing.fig: cannot open the file\n"},
      {"solutions folder.fig", 1, "", "folder.fig: is a folder, not a file\n"},
      {"solutions two.fig --limit 0", 2, "", std::string(kUsageStart)},
      {"solutions two.fig --case 5.0", 2, "", std::string(kUsageStart)},
      {"solutions --case 3", 2, "", std::string(kUsageStart)},
  };
  for (const auto& run : runs) {
    const ToolRun result = runToolIn(folder, run.arguments);
    EXPECT_EQ(result.status, run.status) << run.arguments;
    EXPECT_EQ(result.out, run.out) << run.arguments;
    EXPECT_EQ(result.err.substr(0, run.err.size()), run.err) << run.arguments;
  }
}

TEST(CatalogTool, FindsAFigureTurnedOrMirroredAndNamesTheNearestWhenNew) {
  test::TempFolder folder;
  std::vector<CatalogFigure> asked;
  const auto shipped = readFigFile(VEXOLITE_DATA_FOLDER "/figures.fig");
  for (const CatalogFigure& f : shipped.value()) {
    if (f.caseValue == 2740) asked.assign(3, f);
  }
  ASSERT_EQ(asked.size(), 3u);
  // Case 274 turned, mirrored, and with its top cube moved to the side of the bottom layer.
  for (int n = 0; n < 3; ++n) {
    std::vector<Cell> cells = cellsOf(asked[n].cubes);
    if (n == 2) *std::max_element(cells.begin(), cells.end()) = Cell{1, 1, 1};
    asked[n].caseValue = 10 * (n + 1);
    asked[n].cubes.clear();
    for (const Cell& c : transformedCells(cubeTransforms()[n == 1 ? 30 : 5], cells))
      asked[n].cubes.push_back(FigureCube{c, 0});
  }
  std::ofstream(folder / "found.fig") << figText(asked[0]) << figText(asked[1]);
  std::ofstream(folder / "asked.fig")
      << figText(asked[0]) << figText(asked[1]) << figText(asked[2]);
  // A catalogue of every eighth record of the shipped one, and case 274.
  const std::vector<std::uint8_t> shippedBytes =
      test::readFile(VEXOLITE_DATA_FOLDER "/VEXOLITE.DAT");
  const std::vector<RawRecord> records = splitRecords(shippedBytes, "").value();
  std::vector<std::uint8_t> bytes;
  for (std::size_t r = 0; r < records.size(); ++r) {
    if (r % 8 == 0 || decodeRecord(records[r]).value().texts.recordCaseValue == 2740)
      bytes.insert(bytes.end(), records[r].begin(), records[r].end());
  }
  test::writeFile(folder / "some.DAT", bytes);
  const std::string dat = "some.DAT";
  const ToolRun found = runToolIn(folder, "find asked.fig " + dat);
  EXPECT_EQ(found.status, 0) << found.err;
  const std::string firstTwo =
      "case 1: turned: case 274; mirrored: none\ncase 2: turned: none; mirrored: case 274\n";
  EXPECT_EQ(found.out.substr(0, firstTwo.size()), firstTwo);
  const std::string third = found.out.substr(std::min(found.out.size(), firstTwo.size()));
  EXPECT_EQ(third.substr(0, 41), "case 3: turned: none; mirrored: none; nea");
  EXPECT_NE(third.find("case 274"), std::string::npos) << third;
  const ToolRun near = runToolIn(folder, "find --near asked.fig " + dat);
  EXPECT_EQ(near.out.substr(0, 51), "case 1: turned: case 274; mirrored: none; nearest: ");

  // A broken record is named; the others still answer.
  bytes[153] = 200;
  test::writeFile(folder / "broken.DAT", bytes);
  bytes.resize(100);
  test::writeFile(folder / "short.DAT", bytes);
  const ToolRun broken = runToolIn(folder, "find found.fig broken.DAT");
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.out, firstTwo);
  EXPECT_EQ(broken.err.substr(0, 37), "broken.DAT: record 1: high byte 200 i");
  const ToolRun cut = runToolIn(folder, "find found.fig short.DAT");
  EXPECT_EQ(cut.status, 1);
  EXPECT_EQ(cut.err.substr(0, 64),
            "short.DAT: 100 bytes, not a whole number of 154-byte records (th");
  EXPECT_EQ(runToolIn(folder, "find found.fig missing.DAT").err,
            "missing.DAT: cannot read the file\n");
  EXPECT_EQ(runToolIn(folder, "find missing.fig short.DAT").err,
            "missing.fig: cannot open the file\n");
  test::writeFile(folder / "empty.DAT", {});
  EXPECT_EQ(runToolIn(folder, "find found.fig empty.DAT").err, "empty.DAT: holds no records\n");
  EXPECT_EQ(runToolIn(folder, "find found.fig").status, 2);
  EXPECT_EQ(runToolIn(folder, "find found.fig broken.DAT short.DAT").status, 2);
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
    EXPECT_EQ(isFaceConnected(cellsOf(cubes)), value != kCase705Value) << caseName(value);
    if (value % 10 == 0) {
      forms.insert(canonicalForm(cellsOf(cubes)));
    } else {
      EXPECT_TRUE(isChiral(cellsOf(cases.at(value / 10 * 10))));
      EXPECT_EQ(normalizedCells(cellsOf(cubes)),
                cellsOf(mirroredFigure(cases.at(value / 10 * 10))));
    }
  }
  EXPECT_EQ(forms.size(), 705u);
  EXPECT_TRUE(cases.begin()->first == 10 && cases.rbegin()->first == kCase705Value);

  // The dump, through the tool, builds back into the same file.
  test::TempFolder folder;
  ASSERT_EQ(runToolIn(folder, "dump " VEXOLITE_DATA_FOLDER "/VEXOLITE.DAT").status, 0);
  std::filesystem::rename(folder / "tool.out", folder / "dump.fig");
  ASSERT_EQ(runToolIn(folder, "build dump.fig -o V.DAT").status, 0);
  EXPECT_EQ(test::readFile(folder / "V.DAT"), shipped);
}

}  // namespace
}  // namespace vexolite::catalog
