// Start-up, loading and showing a case: captions, indicators, zoom, the picture, broken files.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/viewer_run.h"
#include "viewer/keys.h"

namespace vexolite {
namespace {

using test::recordBytes;
using test::ViewerRun;

const std::string kCube = test::figureDigits({"123/456/712", "123/456/712", "123/456/712"});

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(FormLoad, SetsTheStartValuesAndShowsTheStartMessage) {
  ViewerRun s({recordBytes(10, "19", 1), recordBytes(20, "29", 5), recordBytes(1231, "39", 12)});
  const ViewerState& state = s.viewer.state();
  EXPECT_EQ(state.catalogue.recordCount, 3);
  EXPECT_EQ(state.catalogue.currentRecord, 3);
  EXPECT_EQ(state.view.zoom, 0.5);
  EXPECT_EQ(s.controls.text(Control::ZoomBox), "0.5");
  EXPECT_FALSE(s.enabled(Control::PiecePanel));
  EXPECT_FALSE(s.controls.visible[test::FakeControls::index(Control::HelpBox)]);
  ASSERT_EQ(s.controls.messages.size(), 1u);
  EXPECT_EQ(s.controls.messages[0].text,
            "En proxima pantalla pulsar enter para dar comienzo al sistema");
  EXPECT_EQ(s.controls.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(s.controls.text(Control::CaseLabel), "");  // nothing is shown before Enter
}

TEST(MissingOrEmptyCaseFile, IsNamedAtStartAndEnterLoadsNothing) {
  const struct {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    const char* says;
  } cases[] = {
      {"missing", [](const auto&) {}, "No se encuentra el archivo VEXOLITE.DAT"},
      {"a folder", [](const auto& p) { std::filesystem::create_directory(p); }, "es una carpeta"},
      {"empty", [](const auto& p) { test::writeFile(p, {}); }, "esta vacio"},
      {"shorter than a record",
       [](const auto& p) { test::writeFile(p, std::vector<std::uint8_t>(100, 1)); },
       "menos que un caso"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ViewerRun run;
    c.make(run.file());
    run.viewer.start();
    ASSERT_EQ(run.controls.messages.size(), 2u);
    const std::string problem = run.controls.messages[0].text;
    EXPECT_TRUE(contains(problem, c.says)) << problem;
    EXPECT_TRUE(contains(problem, "VEXOLITE.DAT")) << problem;
    EXPECT_EQ(run.controls.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(run.controls.messages[1].icon, MessageIcon::Exclamation);  // the start message
    EXPECT_EQ(run.viewer.state().catalogue.recordCount, 0);

    run.viewer.keyPressed(Key::Enter);
    run.viewer.run(Command::Draw);
    run.viewer.keyPressed(Key::F1);
    EXPECT_EQ(run.controls.messages.size(), 6u);  // the problem again, each time
    EXPECT_EQ(run.controls.messages[2].text, problem);
    EXPECT_EQ(run.controls.text(Control::CaseLabel), "");
  }
}

TEST(PartialRecord, IsReportedOnceAndTheWholeRecordsLoad) {
  ViewerRun run;
  auto bytes = test::caseFileBytes({recordBytes(10, "19", 1), recordBytes(20, kCube, 240)});
  bytes.resize(bytes.size() + 50, 7);
  test::writeFile(run.file(), bytes);
  run.viewer.start();
  ASSERT_EQ(run.controls.messages.size(), 2u);
  EXPECT_TRUE(contains(run.controls.messages[0].text, "no es multiplo de 154"));
  EXPECT_TRUE(contains(run.controls.messages[0].text, "se ignoran los 50 bytes"));
  EXPECT_EQ(run.viewer.state().catalogue.recordCount, 2);
  run.viewer.keyPressed(Key::Enter);
  EXPECT_EQ(run.controls.messages.size(), 2u);
  EXPECT_EQ(run.controls.text(Control::CaseLabel), " CASO:   002   ");
  int cubes = 0;
  const FigureFields& figure = run.viewer.state().figure;
  for (int i = 1; i <= figure.cubeSide; ++i)
    for (int j = 1; j <= figure.cubeSide; ++j)
      for (int k = 1; k <= figure.cubeSide; ++k)
        cubes += figure.cells(i, j, k) != 0;
  EXPECT_EQ(cubes, 27);
}

TEST(RecordOutsideTheDataModel, IsNamedAndLeavesTheShownCaseAsItWas) {
  const std::string row14(14, '1');
  std::vector<std::uint8_t> group11 = recordBytes(30, "19", 2);
  group11[22] = 0x10;  // cell group 11 holds 10000
  group11[23] = 0x27;
  const std::pair<std::vector<std::uint8_t>, std::string> badRecords[] = {
      {recordBytes(30, row14 + "8" + row14 + "9", 2), "la figura tiene mas de 27 cubitos (byte 16"},
      {recordBytes(30, row14 + "8" + row14 + "8" + std::string(12, '2') + "9", 2),
       "la figura tiene mas de 27 cubitos (byte 16"},
      {recordBytes(30, test::figureDigits(std::vector<std::string>(17, "1")), 2),
       "la figura tiene mas de 16 capas (byte 18"},
      {recordBytes(30, "1" + std::string(16, '8') + "19", 2),
       "una capa tiene mas de 16 filas (byte 10"},
      {recordBytes(30, std::string(16, '0') + "19", 2), "una fila tiene mas de 16 celdas (byte 10"},
      {std::vector<std::uint8_t>(154, 0), "una fila tiene mas de 16 celdas (byte 10"},
      {std::vector<std::uint8_t>(154, 0xff), "el byte alto vale 255, 128 o mas (byte 1"},
      {recordBytes(10000, "19", 2), "el valor de caso 10000 tiene mas de 4 cifras (byte 0"},
      {group11, "el grupo de celdas 11 vale 10000, mas de 4 cifras (byte 22"},
  };
  for (const auto& [bad, reason] : badRecords) {
    SCOPED_TRACE(reason);
    ViewerRun run({recordBytes(1231, kCube, 240), bad});
    run.viewer.state().catalogue.currentRecord = 1;
    run.viewer.showCurrentRecord();
    const ViewerState before = run.viewer.state();

    run.viewer.state().catalogue.currentRecord = 2;
    run.viewer.showCurrentRecord();
    ASSERT_EQ(run.controls.messages.size(), 2u);
    const std::string message = run.controls.messages[1].text;
    EXPECT_EQ(message, "El registro 2 del archivo " + run.file().string() +
                           " no es un caso valido: " + reason + " del registro).");
    EXPECT_EQ(run.controls.text(Control::CaseLabel), " CASO:   123.1 ");
    EXPECT_EQ(run.viewer.state().figure.cells, before.figure.cells);
    EXPECT_EQ(run.viewer.state().figure.cubes, before.figure.cubes);
    EXPECT_EQ(run.viewer.state().shownCase.caseCode, "1231");
    EXPECT_EQ(run.viewer.state().figure.cubeSide, 4);
  }
}

TEST(ChosenLanguage, MessagesReasonsAndLabelWordsGoThroughTheWindowsTranslator) {
  ViewerRun run;
  run.controls.translations = {
      {"No se puede leer el archivo %1: %2.", "Cannot read %1 (%2)."},
      {"es una carpeta", "a folder"},
      {"El registro %1 del archivo %2 no es un caso valido: %3 (byte %4 del registro).",
       "%2, record %1, byte %4: %3."},
      {"el byte alto vale %1, 128 o mas", "high byte %1"},
      {" CASO:", " CASE:"},
      {" SOLU:", " SOLUTIONS:"},  // wider than the label: not used
  };
  std::filesystem::create_directory(run.file());
  run.viewer.start();
  ASSERT_EQ(run.controls.messages.size(), 2u) << "the problem, then the start message";
  EXPECT_EQ(run.controls.messages[0].text, "Cannot read " + run.file().string() + " (a folder).");

  ViewerRun loaded({recordBytes(1231, kCube, 240), std::vector<std::uint8_t>(154, 0xff)});
  loaded.controls.translations = run.controls.translations;
  loaded.viewer.showCurrentRecord();
  ASSERT_EQ(loaded.controls.messages.size(), 2u);
  EXPECT_EQ(loaded.controls.messages[1].text,
            loaded.file().string() + ", record 2, byte 1: high byte 255.");
  loaded.viewer.state().catalogue.currentRecord = 1;
  loaded.viewer.showCurrentRecord();
  EXPECT_EQ(loaded.controls.text(Control::CaseLabel), " CASE:   123.1 ");
  EXPECT_EQ(loaded.controls.text(Control::SolutionsLabel), " SOLU:   240 ");
}

TEST(CaseFileChangingUnderTheViewer, ARecordNoLongerThereIsNamed) {
  ViewerRun run({recordBytes(10, "19", 1), recordBytes(20, "29", 2), recordBytes(30, "39", 3)});
  test::writeFile(run.file(), recordBytes(10, "19", 1));  // shrinks to one record
  run.viewer.keyPressed(Key::Enter);
  ASSERT_EQ(run.controls.messages.size(), 2u);
  EXPECT_TRUE(contains(run.controls.messages[1].text, "No se puede leer el registro 3"));
  EXPECT_TRUE(contains(run.controls.messages[1].text, "termina antes"));
  EXPECT_EQ(run.controls.text(Control::CaseLabel), "");

  std::filesystem::remove(run.file());  // and then disappears
  run.viewer.state().catalogue.currentRecord = 1;
  run.viewer.showCurrentRecord();
  ASSERT_EQ(run.controls.messages.size(), 3u);
  EXPECT_TRUE(contains(run.controls.messages[2].text, "No se puede leer el archivo"));
}

constexpr Rgb kGrey{128, 128, 128};

TEST(LoadAndShow, EnterShowsTheLastRecordComplete) {
  ViewerRun run({recordBytes(10, "1", 1), recordBytes(20, kCube, 4)});
  EXPECT_EQ(run.redraws(), 0);
  run.viewer.keyPressed(Key::Enter);

  EXPECT_EQ(run.controls.text(Control::CaseLabel), " CASO:   002   ");
  EXPECT_EQ(run.controls.text(Control::SizeX), "X: 3");
  EXPECT_EQ(run.controls.text(Control::SizeY), "Y: 3");
  EXPECT_EQ(run.controls.text(Control::SizeZ), "Z: 3");
  for (Control mirror :
       {Control::MirrorX, Control::MirrorY, Control::MirrorZ, Control::MirrorXYSlash,
        Control::MirrorXYBackslash, Control::MirrorXZSlash, Control::MirrorXZBackslash,
        Control::MirrorYZSlash, Control::MirrorYZBackslash})
    EXPECT_TRUE(run.controls.isChecked(mirror)) << static_cast<int>(mirror);
  EXPECT_EQ(run.controls.focus, Control::CaseNumberBox);
  EXPECT_EQ(run.controls.text(Control::ZoomBox), "0.5");

  // Three layers of three rows and three cells: the plan's corner square at (555, 458), the
  // first cube's square recorded there, and its grey outline and interior on the picture.
  const RasterSurface& picture = run.shown(Control::FigureView);
  ASSERT_EQ(picture.width(), 640);
  ASSERT_EQ(picture.height(), 480);
  EXPECT_EQ(run.viewer.state().figure.cubes[1][kSquareXColumn], 555);
  EXPECT_EQ(run.viewer.state().figure.cubes[1][kSquareYColumn], 458);
  EXPECT_EQ(picture.pixel(555, 458), kGrey);
  EXPECT_EQ(picture.pixel(558, 461), kGrey);
  EXPECT_EQ(picture.pixel(576, 458), kWhite);  // the gap after the first layer
  // The drawing starts at pixel (1, 1): column and row 0 stay white, a black edge touches both
  // column 1 and row 1.
  bool leftEdge = false, topEdge = false;
  for (int n = 0; n < 640; ++n) {
    EXPECT_EQ(picture.pixel(n, 0), kWhite);
    topEdge = topEdge || picture.pixel(n, 1) == kBlack;
    if (n >= 480) continue;
    EXPECT_EQ(picture.pixel(0, n), kWhite);
    leftEdge = leftEdge || picture.pixel(1, n) == kBlack;
  }
  EXPECT_TRUE(leftEdge);
  EXPECT_TRUE(topEdge);
  EXPECT_EQ(run.shown(Control::PlanSurface).width(), 143);
}

// The 3 x 3 x 3 block is 457 pixels high at zoom 4.5 and 508 at 5: eight steps up fit, the
// ninth is refused with a beep (and still redraws); stepping down stops at 0.5 with a beep.
TEST(LoadAndShow, ZoomStepsAndTheirRefusals) {
  ViewerRun run({recordBytes(10, kCube, 4)});
  run.viewer.keyPressed(Key::Enter);
  for (int n = 1; n <= 8; ++n)
    run.viewer.keyPressed(Key::KeypadPlus);
  EXPECT_EQ(run.controls.text(Control::ZoomBox), "4.5");
  EXPECT_EQ(run.controls.beeps, 0);
  EXPECT_EQ(run.viewer.measureAtCurrentZoom().height, 457);
  run.viewer.run(Command::ZoomIn);
  EXPECT_EQ(run.controls.text(Control::ZoomBox), "4.5");
  EXPECT_EQ(run.viewer.state().view.zoom, 4.5);
  EXPECT_EQ(run.controls.beeps, 1);
  EXPECT_EQ(run.redraws(), 10);

  for (int n = 1; n <= 8; ++n)
    run.viewer.run(Command::ZoomOut);
  EXPECT_EQ(run.controls.text(Control::ZoomBox), "0.5");
  EXPECT_EQ(run.controls.beeps, 1);
  run.viewer.keyPressed(Key::KeypadMinus);
  EXPECT_EQ(run.viewer.state().view.zoom, 0.5);
  EXPECT_EQ(run.controls.beeps, 2);
  EXPECT_EQ(run.controls.focus, Control::CaseNumberBox);
}

// A tall figure loaded at a zoom where it does not fit brings the zoom down in 0.5 steps.
TEST(LoadAndShow, LoadingShrinksTheZoomUntilTheFigureFits) {
  const std::string tower = test::figureDigits(
      {"1", "1", "1", "2", "2", "2", "2", "3", "3", "3", "3", "4", "4", "4", "4"});
  ViewerRun run({recordBytes(10, tower, 1), recordBytes(20, kCube, 4)});
  run.viewer.keyPressed(Key::Enter);
  for (int n = 1; n <= 8; ++n)
    run.viewer.keyPressed(Key::KeypadPlus);
  ASSERT_EQ(run.viewer.state().view.zoom, 4.5);
  run.viewer.state().catalogue.currentRecord = 1;
  run.viewer.keyPressed(Key::Enter);
  // 15 layers: height 15 h + 16z + 1; at zoom 1.5 that is 430, at 2 it is 573.
  EXPECT_EQ(run.controls.text(Control::ZoomBox), "1.5");
  EXPECT_EQ(run.viewer.measureAtCurrentZoom().height, 430);
  EXPECT_EQ(run.controls.text(Control::SizeZ), "Z:15");
}

TEST(LoadAndShow, ACubeWithoutStateEndsTheProgramNamingItsCell) {
  ViewerRun run({recordBytes(10, kCube, 4)});
  run.viewer.keyPressed(Key::Enter);
  const int shown = run.redraws();
  const std::int16_t cube = run.viewer.state().figure.cells(2, 3, 1);
  run.viewer.state().figure.cubes[static_cast<std::size_t>(cube)][kStateColumn] = 0;
  testing::internal::CaptureStderr();
  run.viewer.paintFigure();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(run.controls.ended);
  EXPECT_NE(said.find("(2, 3, 1)"), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
  EXPECT_EQ(run.redraws(), shown);
  run.viewer.keyPressed(Key::Enter);  // nothing runs once the program is ending
  EXPECT_EQ(run.redraws(), shown);
}

}  // namespace
}  // namespace vexolite
