// Building and checking case files: a small catalogue built, checked, tampered with in a
// temporary folder and checked again; build refusals; identical rebuilds, by library and tool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "case_library/case_decoding.h"
#include "catalog_build.h"
#include "catalog_check.h"
#include "fig_text.h"
#include "figure_record.h"
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

bool mentions(const std::vector<std::string>& problems, const std::string& text) {
  for (const std::string& p : problems) {
    if (p.find(text) != std::string::npos) return true;
  }
  return false;
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
  // The stored digits of case 705 are its pieces as given.
  const auto first = decodeRecord(file[0]);
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(first.value().fields.FigureString.substr(0, 15), "1102220333044|1");
}

TEST(CatalogBuild, TwoBuildsAreByteIdentical) {
  EXPECT_EQ(built(kSource), built(kSource));
}

TEST(CatalogCheck, FindsEveryKindOfTampering) {
  const std::vector<RawRecord> good = records(built(kSource));
  ASSERT_EQ(good.size(), 5u);
  const auto decodedSlab = decodeRecord(good[4]);
  ASSERT_TRUE(decodedSlab.ok());
  const std::string slabDigits = decodedSlab.value().fields.CellDigits;

  struct Tamper {
    const char* name;
    std::vector<RawRecord> file;
    const char* expected;
  };
  std::vector<Tamper> tampers;
  {
    auto file = good;
    file[4] = rewritten(file[4], slabDigits, 3068);
    tampers.push_back({"wrong count", file,
                       "VEXOLITE.DAT: record 5 (case 4): stores 3068 solutions, a fresh count "
                       "gives 3069"});
  }
  {
    auto file = good;
    std::string digits = slabDigits;
    const std::size_t one = digits.find('1'), two = digits.find('2');
    std::swap(digits[one], digits[two]);
    file[4] = rewritten(file[4], digits, 3069);
    tampers.push_back(
        {"broken filling", file, "VEXOLITE.DAT: record 5 (case 4): the cubes stored as piece "});
  }
  {
    auto file = good;
    std::swap(file[1], file[2]);
    tampers.push_back({"wrong order", file,
                       "VEXOLITE.DAT: record 3 (case 3.1, 7 solutions) is out of order after "
                       "record 2 (case 2, 8 solutions)"});
  }
  {
    auto file = good;
    file[3][0] = 20;  // case 1 becomes a second case 2
    tampers.push_back(
        {"duplicate case", file, "VEXOLITE.DAT: record 4: case 2 is given twice (also record 3)"});
  }
  {
    auto file = good;
    file.erase(file.begin());
    tampers.push_back({"missing 705", file, "VEXOLITE.DAT: case 705 is missing"});
  }
  {
    auto file = good;
    file[2][153] = 200;
    tampers.push_back({"outside the data model", file,
                       "VEXOLITE.DAT: record 3: el byte alto vale 200, 128 o mas (byte 153 of "
                       "the record, 461 of the file)"});
  }
  {
    auto file = good;
    std::string digits = slabDigits;
    digits[digits.find_first_of("1234567")] = '0';
    file[4] = rewritten(file[4], digits, 3069);
    tampers.push_back(
        {"a cube short", file, "VEXOLITE.DAT: record 5 (case 4): holds 26 cubes, not 27"});
  }
  for (const Tamper& t : tampers) {
    SCOPED_TRACE(t.name);
    const auto problems = checkCatalog(t.file, "VEXOLITE.DAT");
    EXPECT_TRUE(mentions(problems, t.expected)) << (problems.empty() ? "" : problems.front());
  }
}

TEST(CatalogCheck, ATruncatedFileIsNotAWholeNumberOfRecords) {
  std::vector<std::uint8_t> bytes = built(kSource);
  bytes.resize(bytes.size() - 3);
  const auto split = splitRecords(bytes, "VEXOLITE.DAT");
  ASSERT_FALSE(split.ok());
  EXPECT_EQ(split.error().message,
            "VEXOLITE.DAT: 767 bytes, not a whole number of 154-byte records (the last one is "
            "cut short at byte 616)");
}

TEST(CatalogBuild, RefusesNamingTheCaseAndTheReason) {
  const std::string farCubes = [] {
    // 27 cubes in the far corners of 14 layers: each layer needs 48 digits.
    std::string text = "case 9\n";
    for (int layer = 0; layer < 14; ++layer) {
      if (layer > 0) text += "\n";
      for (int row = 1; row <= 16; ++row) {
        text +=
            row < 15 ? "." : (layer == 13 && row == 16 ? "..............." : "...............x");
        text += "\n";
      }
    }
    return text;
  }();
  struct Refusal {
    std::string source;
    const char* message;
  };
  const Refusal refusals[] = {
      {"case 7\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxx.\n",
       "small.fig:1: case 7 has 26 cubes, not 27"},
      {"case 8\nxxxxxxxxxxxxxx\nxxxxxxxxxxxxx\n", "small.fig:1: case 8 has no solution"},
      {farCubes, "small.fig:1: case 9 needs 655 record digits, more than 300"},
      {std::string(kSource) + "case 2\nx\n",
       "small.fig:68: case 2 is given twice (also at line 13)"},
      {"case 6\nxxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n",
       "small.fig:1: case 6 fixes pieces, which only case 705 may do"},
      {"case 705\nxxx\nxxx\nxxx\n\nxxx\nx7x\nxxx\n\nxxx\nxxx\nxx5\n",
       "small.fig:1: case 705 must give the piece of every cube"},
  };
  for (const Refusal& r : refusals) {
    const auto bytes = buildCatalog(figures(r.source), "small.fig");
    ASSERT_FALSE(bytes.ok()) << r.message;
    EXPECT_EQ(bytes.error().message.substr(0, std::string(r.message).size()), r.message);
  }
}

TEST(CatalogDump, ReadsBackAsTheStoredFillings) {
  const std::vector<RawRecord> file = records(built(kSource));
  const DumpResult dump = dumpCatalog(file, "VEXOLITE.DAT");
  EXPECT_TRUE(dump.problems.empty());
  const auto parsed = parseFigText(dump.figText, "dump.fig");
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  ASSERT_EQ(parsed.value().size(), file.size());
  for (std::size_t n = 0; n < file.size(); ++n) {
    const auto decoded = decodeRecord(file[n]);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(parsed.value()[n].caseValue, decoded.value().fields.RecordCaseValue);
    EXPECT_EQ(parsed.value()[n].cubes, decodedCubes(decoded.value().figure));
  }
  EXPECT_NE(dump.figText.find("case 4\n# 3069 solutions, record 5\n"), std::string::npos);
}

// The tool itself, run on real files.
int runTool(const std::string& arguments) {
  return std::system(
      (std::string(VEXOLITE_CATALOG_TOOL) + " " + arguments + " 2>/dev/null >/dev/null").c_str());
}

TEST(CatalogTool, BuildsIdenticalFilesAndNeverReplacesAGoodOneOnFailure) {
  test::TempFolder folder;
  {
    std::ofstream(folder / "good.fig") << kSource;
    std::ofstream(folder / "bad.fig") << kSource << "case 8\nxxxxxxxxxxxxxx\nxxxxxxxxxxxxx\n";
  }
  const std::string good = (folder / "good.fig").string(), bad = (folder / "bad.fig").string();
  const std::string first = (folder / "first.DAT").string(),
                    second = (folder / "second.DAT").string();
  ASSERT_EQ(runTool("build " + good + " -o " + first), 0);
  ASSERT_EQ(runTool("build " + good + " -o " + second), 0);
  EXPECT_EQ(readAll(first), readAll(second));
  EXPECT_EQ(readAll(first).size(), 5u * 154u);
  EXPECT_EQ(runTool("check " + first), 0);

  EXPECT_NE(runTool("build " + bad + " -o " + first), 0);
  EXPECT_EQ(readAll(first), readAll(second));
  EXPECT_FALSE(std::filesystem::exists(folder / "first.DAT.tmp"));

  auto tampered = readAll(first);
  tampered[152 + 154 * 4] ^= 1;  // the slab's count
  test::writeFile(folder / "tampered.DAT", tampered);
  EXPECT_NE(runTool("check " + (folder / "tampered.DAT").string()), 0);
  EXPECT_NE(runTool("dump " + (folder / "missing.DAT").string()), 0);
}

}  // namespace
}  // namespace vexolite::catalog
