// The viewer's export buttons over a stand-in window and toolkit: order, stops and the cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "fake_export_platform.h"
#include "support/case_file_writer.h"
#include "support/viewer_run.h"
#include "viewer/key_codes.h"
#include "viewer/viewer.h"

namespace vexolite {
namespace {

using test::ExportingControls;
using test::recordBytes;

const std::string kCube = test::figureDigits({"111/222/333", "444/555/666", "777/777/777"});

struct ExportRun {
  explicit ExportRun(const std::vector<std::vector<std::uint8_t>>& records) {
    test::writeFile(work / "VEXOLITE.DAT", test::caseFileBytes(records));
    viewer.Form_Load();
    controls.messages.clear();  // the start message
  }
  // Everything in the working folder but the case file, sorted.
  std::vector<std::string> written() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(work.path())) {
      const std::string name = entry.path().filename().string();
      if (name != "VEXOLITE.DAT") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  int logged(const std::string& what) const {
    const auto& log = controls.platform.log;
    return static_cast<int>(std::count(log.begin(), log.end(), what));
  }

  test::TempFolder work;
  ExportingControls controls;
  Viewer viewer{controls, CaseFileSearch{work.path(), {}, {}}};
};

std::vector<std::vector<std::uint8_t>> threeCases() {
  return {recordBytes(10, kCube, 1), recordBytes(20, kCube, 2), recordBytes(30, kCube, 3)};
}

TEST(BatchExport, EveryRecordOnceFromTheOneAfterTheShownBackToIt) {
  ExportRun run(threeCases());
  run.viewer.state().CurrentRecord = 2;
  run.viewer.Form_KeyDown(key::kEnter);
  std::vector<std::string> exported;
  run.controls.platform.onEncode = [&] { exported.push_back(run.controls.text(Control::Label3)); };
  run.viewer.CommandClick(14);

  EXPECT_EQ(exported, (std::vector<std::string>{"003   ", "001   ", "002   "}));
  EXPECT_EQ(run.viewer.state().CurrentRecord, 2);
  EXPECT_EQ(run.controls.text(Control::Label1), " CASO:   002   ");
  EXPECT_EQ(run.written(),
            (std::vector<std::string>{"S00001-001 .bmp", "S00002-002 .bmp", "S00003-003 .bmp",
                                      "caso001 .BMP", "caso002 .BMP", "caso003 .BMP"}));
  EXPECT_TRUE(run.controls.messages.empty());
  const auto& log = run.controls.platform.log;
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "busy");
  EXPECT_EQ(log.back(), "idle");
  EXPECT_EQ(run.logged("busy"), 1);
  // The caption box holds the last caption stamped: the solution text of the last case.
  EXPECT_EQ(run.controls.text(Control::RichTextBox1), "    2");
}

// A record that cannot be shown stops the run at once: its own message is the only one, and
// the case shown (and exported) before it stays the one an export would write.
TEST(BatchExport, ARecordThatCannotBeShownStopsTheRun) {
  ExportRun run(
      {recordBytes(10, kCube, 1), recordBytes(10000, kCube, 2), recordBytes(30, kCube, 3)});
  run.viewer.Form_KeyDown(key::kEnter);  // the last record, case 3
  run.viewer.CommandClick(14);

  ASSERT_EQ(run.controls.messages.size(), 1u);
  EXPECT_NE(run.controls.messages[0].text.find("no es un caso valido"), std::string::npos)
      << run.controls.messages[0].text;
  EXPECT_EQ(run.written(), (std::vector<std::string>{"S00001-001 .bmp", "caso001 .BMP"}));
  EXPECT_EQ(run.viewer.state().LoopIndexExport, 2);
  EXPECT_EQ(run.viewer.state().CaseCodeCopy, "001 ");
  EXPECT_EQ(run.controls.platform.log.back(), "idle");
}

TEST(BatchExport, TheFirstFileThatCannotBeWrittenStopsTheRunWithOneMessage) {
  ExportRun run(threeCases());
  run.viewer.Form_KeyDown(key::kEnter);
  std::filesystem::create_directory(run.work / "caso001 .BMP");
  run.viewer.CommandClick(14);

  ASSERT_EQ(run.controls.messages.size(), 1u);
  const std::string& text = run.controls.messages[0].text;
  EXPECT_EQ(
      text.rfind("No se puede escribir el archivo " + (run.work / "caso001 .BMP").string() + ": ",
                 0),
      0u)
      << text;
  EXPECT_NE(text.find("La generacion de los BMP de todos los casos se detiene aqui."),
            std::string::npos);
  EXPECT_EQ(run.controls.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(run.written(), std::vector<std::string>{"caso001 .BMP"});  // the folder in the way
  EXPECT_EQ(run.logged("encode"), 1);
  EXPECT_EQ(run.controls.platform.log.back(), "idle");
}

TEST(CaseImageButton, BeforeAnyCaseIsDrawnItSaysSoAndWritesNothing) {
  ExportRun run(threeCases());
  run.viewer.CommandClick(13);
  ASSERT_EQ(run.controls.messages.size(), 1u);
  EXPECT_EQ(run.controls.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_NE(run.controls.messages[0].text.find("pulsar enter"), std::string::npos);
  EXPECT_TRUE(run.written().empty());
  EXPECT_EQ(run.logged("encode"), 0);
}

// A window without the toolkit's export side: the three buttons leave files and state alone.
TEST(ExportButtons, DoNothingWhereTheWindowCannotExport) {
  test::ViewerRun run(threeCases());
  run.viewer.Form_KeyDown(key::kEnter);
  const std::size_t messages = run.controls.messages.size();
  for (int button : {13, 14, 15})
    run.viewer.CommandClick(button);
  EXPECT_EQ(run.controls.messages.size(), messages);
  EXPECT_EQ(run.viewer.state().CurrentRecord, 3);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(run.work.path()),
                          std::filesystem::directory_iterator()),
            1);
}

// The wait cursor covers the whole composition; the messages come after it has gone.
TEST(PageComposition, WaitCursorFirstMessagesAfter) {
  ExportRun run(threeCases());
  run.viewer.Form_KeyDown(key::kEnter);
  run.viewer.CommandClick(14);
  test::writeFile(run.work / "caso999.bmp", {'n', 'o'});
  run.controls.platform.log.clear();
  std::size_t messagesWhenIdle = 99;
  run.controls.platform.onBusy = [&](bool busy) {
    if (!busy) messagesWhenIdle = run.controls.messages.size();
  };
  run.viewer.CommandClick(15);

  const auto& log = run.controls.platform.log;
  EXPECT_EQ(log,
            (std::vector<std::string>{"busy", "load caso001 .BMP", "load caso002 .BMP",
                                      "load caso003 .BMP", "load caso999.bmp", "encode", "idle"}));
  EXPECT_EQ(messagesWhenIdle, 0u);
  ASSERT_EQ(run.controls.messages.size(), 1u);
  EXPECT_EQ(run.controls.messages[0].text,
            "No se pueden leer como imagen 1 archivo, que no entra en las paginas: caso999.bmp "
            "(no es una imagen).");
  EXPECT_EQ(run.viewer.state().PageNumber, 1);
  EXPECT_TRUE(std::filesystem::exists(run.work / "vexo-pag01.bmp"));
}

}  // namespace
}  // namespace vexolite
