// The case file channel and the search for the case file, on real files in temporary folders.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "case_library/case_file.h"
#include "support/case_file_writer.h"

namespace vexolite {
namespace {

using test::recordBytes;

TEST(CaseChannel, ReadsWholeRecordsAndRefusesFoldersMissingFilesAndPartialRecords) {
  test::TempFolder folder;
  auto bytes = test::caseFileBytes(
      {recordBytes(10, "19", 1), recordBytes(20, "29", 2), recordBytes(30, "39", 3)});
  test::writeFile(folder / "VEXOLITE.DAT", bytes);
  bytes.resize(154 + 100);
  test::writeFile(folder / "partial.DAT", bytes);
  std::filesystem::create_directory(folder / "folder.DAT");

  CaseChannel channel;
  ASSERT_FALSE(channel.open(folder / "VEXOLITE.DAT").has_value());
  EXPECT_EQ(channel.length(), 3u * 154u);
  RawRecord record{};
  ASSERT_FALSE(channel.read(3, record).has_value());
  EXPECT_EQ(record[0], 30);
  EXPECT_EQ(record[152], 3);
  ASSERT_FALSE(channel.read(1, record).has_value());
  EXPECT_EQ(record[0], 10);
  EXPECT_TRUE(channel.read(4, record).has_value());
  EXPECT_TRUE(channel.read(0, record).has_value());
  channel.close();
  channel.close();  // closing twice does nothing
  EXPECT_FALSE(channel.isOpen());
  EXPECT_TRUE(channel.read(1, record).has_value());

  ASSERT_FALSE(channel.open(folder / "partial.DAT").has_value());
  EXPECT_FALSE(channel.read(1, record).has_value());
  const auto cut = channel.read(2, record);
  ASSERT_TRUE(cut.has_value());
  EXPECT_NE(cut->text().find("termina antes"), std::string::npos);
  channel.close();

  const std::optional<Reason> folderReason = channel.open(folder / "folder.DAT");
  ASSERT_TRUE(folderReason.has_value());
  EXPECT_EQ(folderReason->text(), "es una carpeta");
  EXPECT_TRUE(channel.open(folder / "absent.DAT").has_value());
  EXPECT_FALSE(channel.isOpen());
}

TEST(CaseFileSearch, LooksInTheWorkingFolderThenBesideTheProgramThenTheDataFolder) {
  test::TempFolder work, program, data;
  const CaseFileSearch search{work.path(), program.path(), data.path()};
  EXPECT_FALSE(locateCaseFile(search).has_value());
  for (const test::TempFolder* folder : {&data, &program, &work}) {
    test::writeFile(*folder / "VEXOLITE.DAT", recordBytes(10, "19", 1));
    EXPECT_EQ(locateCaseFile(search), *folder / "VEXOLITE.DAT");
  }
  EXPECT_EQ(searchedFolders(CaseFileSearch{work.path(), {}, data.path()}).size(), 2u);
}

}  // namespace
}  // namespace vexolite
