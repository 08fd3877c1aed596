// Writing through a temporary file: new files, replaced files, and failures that keep the old.
#include "export/file_replacement.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/case_file_writer.h"
#include "support/file_size_limit.h"

namespace vexolite {
namespace {

using test::TempFolder;

std::vector<std::uint8_t> contentOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

const std::vector<std::uint8_t> kOld{'o', 'l', 'd'};

TEST(FileReplacement, WritesANewFileAndReplacesAnOldOneLeavingNothingElse) {
  TempFolder folder;
  const auto path = folder / "caso123 .BMP";
  const std::vector<std::uint8_t> first(5000, 7);
  EXPECT_EQ(replaceFileContents(path, first), std::nullopt);
  EXPECT_EQ(contentOf(path), first);
  EXPECT_EQ(replaceFileContents(path, kOld), std::nullopt);
  EXPECT_EQ(contentOf(path), kOld);
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"caso123 .BMP"});
  EXPECT_EQ(temporaryNameFor(path), folder / ".caso123 .BMP.tmp");
}

TEST(FileReplacement, ALeftoverTemporaryFileIsReplaced) {
  TempFolder folder;
  const auto path = folder / "vexo-pag01.bmp";
  test::writeFile(temporaryNameFor(path), {'h', 'a', 'l', 'f'});
  EXPECT_EQ(replaceFileContents(path, kOld), std::nullopt);
  EXPECT_EQ(contentOf(path), kOld);
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"vexo-pag01.bmp"});
}

TEST(FileReplacement, ANameHeldByAFolderIsReportedAndTheFolderKept) {
  TempFolder folder;
  const auto path = folder / "caso123 .BMP";
  std::filesystem::create_directory(path);
  const std::optional<std::string> reason = replaceFileContents(path, kOld);
  ASSERT_TRUE(reason);
  EXPECT_NE(reason->find("no se puede poner en su sitio"), std::string::npos) << *reason;
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"caso123 .BMP"});
}

TEST(FileReplacement, AMissingFolderIsReported) {
  TempFolder folder;
  const std::optional<std::string> reason =
      replaceFileContents(folder / "gone" / "caso123 .BMP", kOld);
  ASSERT_TRUE(reason);
  EXPECT_NE(reason->find("no se puede crear el archivo temporal"), std::string::npos) << *reason;
  EXPECT_NE(reason->find("gone"), std::string::npos) << *reason;
}

// The file-size limit makes the write stop part-way, as a full disk would; the good file of
// that name stays exactly as it was.
TEST(FileReplacement, AWriteThatStopsHalfWayLeavesTheGoodFile) {
  TempFolder folder;
  const auto path = folder / "caso123 .BMP";
  const std::vector<std::uint8_t> good(3000, 1);
  test::writeFile(path, good);

  std::optional<std::string> reason;
  {
    const test::FileSizeLimit limit(1000);
    ASSERT_TRUE(limit.active());
    reason = replaceFileContents(path, std::vector<std::uint8_t>(49734, 2));
  }

  ASSERT_TRUE(reason);
  EXPECT_NE(reason->find("no se pudo escribir entero"), std::string::npos) << *reason;
  EXPECT_EQ(contentOf(path), good);
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"caso123 .BMP"});
}

}  // namespace
}  // namespace vexolite
