// Loading records from broken, missing and changing case files: a message, and no harm done.
#include <gtest/gtest.h>

#include <functional>

#include "support/case_file_writer.h"
#include "support/fake_controls.h"
#include "support/viewer_run.h"
#include "viewer/key_codes.h"
#include "viewer/viewer.h"

namespace vexolite {
namespace {

using test::FakeControls;
using test::recordBytes;
using test::TempFolder;
using test::ViewerRun;

const std::string kCube = test::figureDigits({"123/456/712", "123/456/712", "123/456/712"});

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(MissingOrEmptyCaseFile, IsNamedAtStartAndEnterLoadsNothing) {
  struct Case {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    const char* says;
  };
  const Case cases[] = {
      {"missing", [](const auto&) {}, "No se encuentra el archivo VEXOLITE.DAT"},
      {"a folder", [](const auto& p) { std::filesystem::create_directory(p); }, "es una carpeta"},
      {"empty", [](const auto& p) { test::writeFile(p, {}); }, "esta vacio"},
      {"shorter than a record",
       [](const auto& p) { test::writeFile(p, std::vector<std::uint8_t>(100, 1)); },
       "menos que un caso"},
  };
  for (const Case& c : cases) {
    ViewerRun run;
    c.make(run.file());
    run.viewer.Form_Load();
    ASSERT_EQ(run.controls.messages.size(), 2u) << c.what;
    const std::string problem = run.controls.messages[0].text;
    EXPECT_TRUE(contains(problem, c.says)) << c.what << ": " << problem;
    EXPECT_TRUE(contains(problem, "VEXOLITE.DAT")) << problem;
    EXPECT_EQ(run.controls.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(run.controls.messages[1].icon, MessageIcon::Exclamation);  // the start message
    EXPECT_EQ(run.viewer.state().RecordCount, 0);

    run.viewer.Form_KeyDown(key::kEnter);
    run.viewer.CommandClick(1);
    run.viewer.Form_KeyDown(key::kF1);
    EXPECT_EQ(run.controls.messages.size(), 6u) << c.what;  // the problem again, each time
    EXPECT_EQ(run.controls.messages[2].text, problem);
    EXPECT_EQ(run.controls.text(Control::Label1), "");
  }
}

TEST(MissingCaseFile, MessageNamesEveryFolderSearched) {
  TempFolder work, program, data;
  FakeControls controls;
  Viewer viewer(controls, CaseFileSearch{work.path(), program.path(), data.path()});
  viewer.Form_Load();
  const std::string& problem = controls.messages.at(0).text;
  EXPECT_TRUE(contains(problem, work.path().string())) << problem;
  EXPECT_TRUE(contains(problem, program.path().string())) << problem;
  EXPECT_TRUE(contains(problem, data.path().string())) << problem;
}

TEST(PartialRecord, IsReportedOnceAndTheWholeRecordsLoad) {
  ViewerRun run;
  auto bytes = test::caseFileBytes({recordBytes(10, "19", 1), recordBytes(20, kCube, 240)});
  bytes.resize(bytes.size() + 50, 7);
  test::writeFile(run.file(), bytes);
  run.viewer.Form_Load();
  ASSERT_EQ(run.controls.messages.size(), 2u);
  EXPECT_TRUE(contains(run.controls.messages[0].text, "no es multiplo de 154"));
  EXPECT_TRUE(contains(run.controls.messages[0].text, "se ignoran los 50 bytes"));
  EXPECT_EQ(run.viewer.state().RecordCount, 2);
  run.viewer.Form_KeyDown(key::kEnter);
  EXPECT_EQ(run.controls.messages.size(), 2u);
  EXPECT_EQ(run.controls.text(Control::Label1), " CASO:   002   ");
  EXPECT_EQ(run.viewer.state().CubeCount, 27);
}

TEST(RecordOutsideTheDataModel, IsNamedAndLeavesTheShownCaseAsItWas) {
  const std::string row14(14, '1');
  const std::vector<std::uint8_t> badRecords[] = {
      recordBytes(30, row14 + "8" + row14 + "9", 2),                               // 28 cubes
      recordBytes(30, row14 + "8" + row14 + "8" + std::string(12, '2') + "9", 2),  // 40 cubes
      recordBytes(30, test::figureDigits(std::vector<std::string>(17, "1")), 2),   // 17 layers
      recordBytes(30, "1" + std::string(16, '8') + "19", 2),                       // 17 rows
      recordBytes(30, std::string(16, '0') + "19", 2),                             // 17 cells
      std::vector<std::uint8_t>(154, 0),                                           // all zero
      std::vector<std::uint8_t>(154, 0xff),                                        // all 0xFF
  };
  for (const auto& bad : badRecords) {
    ViewerRun run;
    test::writeFile(run.file(), test::caseFileBytes({recordBytes(1231, kCube, 240), bad}));
    run.viewer.Form_Load();
    run.viewer.state().CurrentRecord = 1;
    run.viewer.LEERARCHIVO();
    const ViewerState before = run.viewer.state();

    run.viewer.state().CurrentRecord = 2;
    run.viewer.LEERARCHIVO();
    ASSERT_EQ(run.controls.messages.size(), 2u);
    const std::string message = run.controls.messages[1].text;
    EXPECT_TRUE(contains(message, "El registro 2 del archivo")) << message;
    EXPECT_TRUE(contains(message, "(byte ")) << message;
    EXPECT_EQ(run.controls.text(Control::Label1), " CASO:   123.1 ");
    EXPECT_EQ(run.viewer.state().CellMatrix, before.CellMatrix);
    EXPECT_EQ(run.viewer.state().CubeletTable, before.CubeletTable);
    EXPECT_EQ(run.viewer.state().CaseCode, "1231");
    EXPECT_EQ(run.viewer.state().CubeSide, 4);
  }
}

TEST(CaseFileChangingUnderTheViewer, ARecordNoLongerThereIsNamed) {
  ViewerRun run;
  test::writeFile(run.file(),
                  test::caseFileBytes({recordBytes(10, "19", 1), recordBytes(20, "29", 2),
                                       recordBytes(30, "39", 3)}));
  run.viewer.Form_Load();
  test::writeFile(run.file(), recordBytes(10, "19", 1));  // shrinks to one record
  run.viewer.Form_KeyDown(key::kEnter);
  ASSERT_EQ(run.controls.messages.size(), 2u);
  EXPECT_TRUE(contains(run.controls.messages[1].text, "No se puede leer el registro 3"));
  EXPECT_TRUE(contains(run.controls.messages[1].text, "termina antes"));
  EXPECT_EQ(run.controls.text(Control::Label1), "");

  std::filesystem::remove(run.file());  // and then disappears
  run.viewer.state().CurrentRecord = 1;
  run.viewer.LEERARCHIVO();
  ASSERT_EQ(run.controls.messages.size(), 3u);
  EXPECT_TRUE(contains(run.controls.messages[2].text, "No se puede leer el archivo"));
}

TEST(CaseFile, IsLeftUntouchedByLoading) {
  ViewerRun run;
  const auto bytes = test::caseFileBytes({recordBytes(10, kCube, 1), recordBytes(20, kCube, 2)});
  test::writeFile(run.file(), bytes);
  const auto written = std::filesystem::last_write_time(run.file());
  run.viewer.Form_Load();
  for (double record : {1.0, 2.0}) {
    run.viewer.state().CurrentRecord = record;
    run.viewer.LEERARCHIVO();
  }
  run.viewer.AYUDA();
  EXPECT_EQ(std::filesystem::last_write_time(run.file()), written);
  EXPECT_EQ(std::filesystem::file_size(run.file()), bytes.size());
}

}  // namespace
}  // namespace vexolite
