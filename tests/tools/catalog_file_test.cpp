// Building, checking and dumping case files: a small catalogue, tampered copies, build refusals,
// and the tool itself on files in a temporary folder.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <tuple>

#include "case_library/case_decoding.h"
#include "catalog_build.h"
#include "catalog_check.h"
#include "fig_text.h"
#include "support/case_file_writer.h"

namespace vexolite::catalog {
namespace {

// Five cases of different counts (cube 240, a stack 8, a pyramid 7, a slab 3069) and 705.
const char kSource[] =
    "case 1\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n"
    "case 2\n.......\n.x.....\n.xxxxxx\n.x.xx..\n\n....x..\n....x..\n.xxxx..\nxxxxx..\n\n"
    ".......\n....x..\n..xxx..\n...xx..\n"
    "case 3.1\n.xxx.\nxxxxx\nxxxxx\nxxxxx\n.xxx.\n\n.....\n..x..\n.xxx.\n..x..\n.....\n\n"
    ".....\n.....\n..x..\n.....\n.....\n"
    "case 4\n..xx\nxxxx\nxxxx\nxxxx\n\n..xx\n.xxx\nxxxx\nxxxx\n"
    "case 705\n11.222.333.44..\n1..2....3...44.\n...............\n66..55...77....\n"
    "6...5....7.....\n\n...............\n...............\n...............\n"
    ".6.......7.....\n....5..........\n";

std::vector<CatalogFigure> figures(const std::string& text) {
  auto parsed = parseFigText(text, "small.fig");
  EXPECT_TRUE(parsed.ok()) << (parsed.ok() ? "" : parsed.error().message);
  return parsed.ok() ? parsed.value() : std::vector<CatalogFigure>{};
}

std::vector<std::uint8_t> built(const std::string& text) {
  auto bytes = buildCatalog(figures(text), "small.fig");
  EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().message);
  return bytes.ok() ? bytes.value() : std::vector<std::uint8_t>{};
}

std::vector<RawRecord> records(const std::vector<std::uint8_t>& bytes) {
  auto split = splitRecords(bytes, "VEXOLITE.DAT");
  EXPECT_TRUE(split.ok());
  return split.ok() ? split.value() : std::vector<RawRecord>{};
}

std::vector<std::uint8_t> readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A record rebuilt by the tests' own writer with other figure digits or count.
RawRecord rewritten(const RawRecord& record, const std::string& digits, int solutions) {
  const auto bytes = test::recordBytes(readField(record, 0), digits, solutions);
  RawRecord out{};
  std::copy(bytes.begin(), bytes.end(), out.begin());
  return out;
}

TEST(CatalogBuild, SortsByCountThenCaseValueAndChecksClean) {
  const std::vector<RawRecord> file = records(built(kSource));
  ASSERT_EQ(file.size(), 5u);
  std::vector<std::pair<int, int>> order;  // (case value, solutions)
  for (const RawRecord& r : file)
    order.emplace_back(readField(r, 0), readField(r, 152));
  EXPECT_EQ(order,
            (std::vector<std::pair<int, int>>{{7050, 1}, {31, 7}, {20, 8}, {10, 240}, {40, 3069}}));
  EXPECT_TRUE(checkCatalog(file, "VEXOLITE.DAT").empty());

  const DumpResult dump = dumpCatalog(file, "VEXOLITE.DAT");
  EXPECT_TRUE(dump.problems.empty());
  EXPECT_NE(dump.figText.find("case 4\n# 3069 solutions, record 5\n"), std::string::npos);
  // Case 705 keeps its pieces as given.
  EXPECT_EQ(decodeRecord(file[0]).value().texts.figureString.substr(0, 15), "1102220333044|1");
}

TEST(CatalogCheck, FindsEveryKindOfTampering) {
  const std::vector<RawRecord> good = records(built(kSource));
  ASSERT_EQ(good.size(), 5u);
  const std::string slab = decodeRecord(good[4]).value().texts.cellDigits;
  auto withSlab = [&](std::string digits, int solutions) {
    return [digits, solutions](std::vector<RawRecord>& file) {
      file[4] = rewritten(file[4], digits, solutions);
    };
  };
  std::string swapped = slab, short26 = slab;
  std::swap(swapped[swapped.find('1')], swapped[swapped.find('2')]);
  short26[short26.find_first_of("1234567")] = '0';
  const std::string file = "VEXOLITE.DAT: ";
  const std::tuple<const char*, std::function<void(std::vector<RawRecord>&)>, std::string>
      tampers[] = {
          {"wrong count", withSlab(slab, 3068),
           file + "record 5 (case 4): stores 3068 solutions, a fresh count gives 3069"},
          {"broken filling", withSlab(swapped, 3069),
           file + "record 5 (case 4): the cubes stored as piece "},
          {"a cube short", withSlab(short26, 3069),
           file + "record 5 (case 4): holds 26 cubes, not 27"},
          {"wrong order", [](auto& f) { std::swap(f[1], f[2]); },
           file + "record 3 (case 3.1, 7 solutions) is out of order after record 2 (case 2, 8 "
                  "solutions)"},
          {"duplicate case", [](auto& f) { f[3][0] = 20; },
           file + "record 4: case 2 is given twice (also record 3)"},
          {"missing 705", [](auto& f) { f.erase(f.begin()); }, file + "case 705 is missing"},
          {"outside the data model", [](auto& f) { f[2][153] = 200; },
           file + "record 3: high byte 200 is 128 or more (byte 153 of the record, 461 of the "
                  "file)"},
          {"28 cubes", withSlab(std::string(14, '1') + "8" + std::string(14, '1') + "9", 3069),
           file + "record 5: the figure has more than 27 cubes (byte 16 of the record, 632 of "
                  "the file)"},
      };
  for (const auto& [name, tamper, expected] : tampers) {
    SCOPED_TRACE(name);
    std::vector<RawRecord> tampered = good;
    tamper(tampered);
    const auto problems = checkCatalog(tampered, "VEXOLITE.DAT");
    EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [&](const std::string& p) {
      return p.find(expected) != std::string::npos;
    })) << (problems.empty() ? "" : problems.front());
  }
  std::vector<std::uint8_t> cut = built(kSource);
  cut.resize(cut.size() - 3);
  const auto split = splitRecords(cut, "VEXOLITE.DAT");
  ASSERT_FALSE(split.ok());
  EXPECT_EQ(split.error().message,
            file +
                "767 bytes, not a whole number of 154-byte records (the last one is cut short "
                "at byte 616)");
}

TEST(CatalogDump, CaseValuesBelowTenReadBack) {
  // Case 0 and 0.1 to 0.9: a record holds them and the viewer shows them.
  std::vector<RawRecord> file(2);
  file[1][0] = 7;
  for (RawRecord& record : file)
    record = rewritten(record, "1208039", 1);
  const DumpResult dump = dumpCatalog(file, "VEXOLITE.DAT");
  ASSERT_TRUE(dump.problems.empty());
  const auto back = parseFigText(dump.figText, "dump.fig");
  ASSERT_TRUE(back.ok()) << back.error().message;
  ASSERT_EQ(back.value().size(), 2u);
  const std::vector<FigureCube> cubes{{Cell{1, 1, 1}, 1}, {Cell{1, 1, 2}, 2}, {Cell{1, 2, 2}, 3}};
  for (std::size_t n = 0; n < 2; ++n) {
    EXPECT_EQ(back.value()[n].caseValue, readField(file[n], 0));
    EXPECT_EQ(back.value()[n].cubes, cubes);
  }
}

TEST(CatalogBuild, RefusesNamingTheCaseAndTheReason) {
  // 27 cubes in the far corners of 14 layers of 16 rows: each layer needs 48 digits.
  std::string farCubes = "case 9\n";
  for (int layer = 0; layer < 14; ++layer) {
    if (layer > 0) farCubes += "\n";
    for (int row = 1; row <= 16; ++row)
      farCubes += row < 15                   ? ".\n"
                  : layer == 13 && row == 16 ? "...............\n"
                                             : "...............x\n";
  }
  const std::pair<std::string, std::string> refusals[] = {
      {"case 7\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxx.\n",
       "1: case 7 has 26 cubes, not 27"},
      {"case 8\nxxxxxxxxxxxxxx\nxxxxxxxxxxxxx\n", "1: case 8 has no solution"},
      {farCubes, "1: case 9 needs 655 record digits, more than 300"},
      {std::string(kSource) + "case 2\nx\n", "68: case 2 is given twice (also at line 13)"},
      {"case 6\nxxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n",
       "1: case 6 fixes pieces, which only case 705 may do"},
      {"case 705\nxxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n",
       "1: case 705 must give the piece of every cube"},
  };
  for (const auto& [source, message] : refusals) {
    const auto bytes = buildCatalog(figures(source), "small.fig");
    ASSERT_FALSE(bytes.ok()) << message;
    EXPECT_EQ(bytes.error().message.substr(0, message.size() + 10), "small.fig:" + message);
  }
}

// The tool itself, run on real files.
int runTool(const std::string& arguments) {
  return std::system(
      (std::string(VEXOLITE_CATALOG_TOOL) + " " + arguments + " 2>/dev/null >/dev/null").c_str());
}

TEST(CatalogTool, BuildsIdenticalFilesAndNeverReplacesAGoodOneOnFailure) {
  test::TempFolder folder;
  std::ofstream(folder / "good.fig") << kSource;
  std::ofstream(folder / "bad.fig") << kSource << "case 8\nxxxxxxxxxxxxxx\nxxxxxxxxxxxxx\n";
  const std::string good = (folder / "good.fig").string(), first = (folder / "first.DAT").string();
  ASSERT_EQ(runTool("build " + good + " -o " + first), 0);
  ASSERT_EQ(runTool("build " + good + " -o " + (folder / "second.DAT").string()), 0);
  EXPECT_EQ(readAll(first), readAll(folder / "second.DAT"));
  EXPECT_EQ(readAll(first), built(kSource));
  EXPECT_EQ(runTool("check " + first), 0);
  EXPECT_EQ(runTool("dump " + first), 0);

  EXPECT_NE(runTool("build " + (folder / "bad.fig").string() + " -o " + first), 0);
  EXPECT_EQ(readAll(first), built(kSource));
  const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
  EXPECT_EQ(entries, 4) << "no temporary file is left behind";

  auto tampered = readAll(first);
  tampered[152 + 154 * 4] ^= 1;  // the slab's count
  test::writeFile(folder / "tampered.DAT", tampered);
  EXPECT_NE(runTool("check " + (folder / "tampered.DAT").string()), 0);
  EXPECT_NE(runTool("dump " + (folder / "missing.DAT").string()), 0);
}

}  // namespace
}  // namespace vexolite::catalog
