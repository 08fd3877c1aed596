// Writing through a temporary file: new files, replaced files, and failures that keep the old.
// SPDX-License-Identifier: MIT
#include "export/file_replacement.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/case_file_writer.h"
#include "support/file_size_limit.h"

namespace vexolite {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes contentOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

const Bytes kOld{'o', 'l', 'd'};

// A new file, the same file replaced, and a leftover temporary file replaced: nothing else
// stays in the folder.
TEST(FileReplacement, WritesNewFilesAndReplacesOldOnesLeavingNothingElse) {
  test::TempFolder folder;
  const auto path = folder / "caso123 .BMP";
  EXPECT_EQ(temporaryNameFor(path), folder / ".caso123 .BMP.tmp");
  test::writeFile(temporaryNameFor(path), {'h', 'a', 'l', 'f'});
  for (const Bytes& content : {Bytes(5000, 7), kOld}) {
    EXPECT_EQ(replaceFileContents(path, content), std::nullopt);
    EXPECT_EQ(contentOf(path), content);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"caso123 .BMP"});
  }
}

// The reason in Spanish, as the user reads it; nothing when there is none.
std::optional<std::string> said(const std::optional<Reason>& reason) {
  if (!reason) return std::nullopt;
  return reason->text();
}

TEST(FileReplacement, FailuresAreReportedAndKeepWhatWasThere) {
  test::TempFolder folder;
  const auto path = folder / "caso123 .BMP";
  std::optional<std::string> reason =
      said(replaceFileContents(folder / "gone" / "caso123 .BMP", kOld));
  ASSERT_TRUE(reason);
  EXPECT_NE(reason->find("no se puede crear el archivo temporal"), std::string::npos) << *reason;
  EXPECT_NE(reason->find("gone"), std::string::npos) << *reason;

  std::filesystem::create_directory(path);  // the name held by a folder
  reason = said(replaceFileContents(path, kOld));
  ASSERT_TRUE(reason);
  EXPECT_NE(reason->find("no se puede poner en su sitio"), std::string::npos) << *reason;
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"caso123 .BMP"});
  std::filesystem::remove(path);

  // The file-size limit stops the write part-way, as a full disk would; the good file stays.
  const Bytes good(3000, 1);
  test::writeFile(path, good);
  {
    const test::FileSizeLimit limit(1000);
    ASSERT_TRUE(limit.active());
    reason = said(replaceFileContents(path, Bytes(49734, 2)));
  }
  ASSERT_TRUE(reason);
  EXPECT_NE(reason->find("no se pudo escribir entero"), std::string::npos) << *reason;
  EXPECT_EQ(contentOf(path), good);
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"caso123 .BMP"});
}

}  // namespace
}  // namespace vexolite
