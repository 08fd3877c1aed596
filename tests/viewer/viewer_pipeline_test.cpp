// Load and show through the viewer: captions, indicators, zoom fitting and steps, the picture.
#include <gtest/gtest.h>

#include "support/case_file_writer.h"
#include "support/fake_controls.h"
#include "support/viewer_run.h"
#include "viewer/key_codes.h"
#include "viewer/viewer.h"

namespace vexolite {
namespace {

using test::FakeControls;
using test::recordBytes;
using test::ViewerRun;

const std::string kCube = test::figureDigits({"123/456/712", "123/456/712", "123/456/712"});
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kRed{255, 0, 0};

bool anyPixel(const RasterSurface& surface, Rgb colour) {
  for (Rgb p : surface.pixels()) {
    if (p == colour) return true;
  }
  return false;
}

TEST(LoadAndShow, EnterShowsTheLastRecordComplete) {
  ViewerRun run({recordBytes(10, "1", 1), recordBytes(20, kCube, 4)});
  EXPECT_EQ(run.controls.picturesShown[FakeControls::index(Control::Picture1)], 0);
  run.viewer.Form_KeyDown(key::kEnter);

  EXPECT_EQ(run.controls.text(Control::Label1), " CASO:   002   ");
  EXPECT_EQ(run.controls.text(Control::Label7), "X: 3");
  EXPECT_EQ(run.controls.text(Control::Label8), "Y: 3");
  EXPECT_EQ(run.controls.text(Control::Label9), "Z: 3");
  for (int n = 1; n <= 9; ++n)
    EXPECT_TRUE(run.controls.isChecked(Check(n))) << n;
  EXPECT_EQ(run.controls.focus, Control::Text1);
  EXPECT_EQ(run.controls.text(Control::Text3), "0.5");

  // Three layers of three rows and three cells: the plan's corner square at (555, 458), the
  // first cube's square recorded there, and its grey outline and interior on the picture.
  const RasterSurface& picture = run.shown(Control::Picture1);
  ASSERT_EQ(picture.width(), 640);
  ASSERT_EQ(picture.height(), 480);
  EXPECT_EQ(run.viewer.state().CubeletTable[1][kSquareXColumn], 555);
  EXPECT_EQ(run.viewer.state().CubeletTable[1][kSquareYColumn], 458);
  EXPECT_EQ(picture.pixel(555, 458), kGrey);
  EXPECT_EQ(picture.pixel(558, 461), kGrey);
  EXPECT_EQ(picture.pixel(576, 458), kWhite);  // the gap after the first layer
  // The drawing starts at pixel (1, 1): column 0 and row 0 stay white, and a black edge
  // touches column 1 and row 1.
  bool leftEdge = false, topEdge = false;
  for (int n = 0; n < 480; ++n) {
    EXPECT_EQ(picture.pixel(0, n), kWhite);
    leftEdge = leftEdge || picture.pixel(1, n) == kBlack;
  }
  for (int n = 0; n < 640; ++n) {
    EXPECT_EQ(picture.pixel(n, 0), kWhite);
    topEdge = topEdge || picture.pixel(n, 1) == kBlack;
  }
  EXPECT_TRUE(leftEdge);
  EXPECT_TRUE(topEdge);
  EXPECT_EQ(run.controls.lastPicture.at(Control::Picture4).width(), 143);
}

// The 3 x 3 x 3 block is 457 pixels high at zoom 4.5 and 508 at 5: eight steps up fit, the
// ninth is refused with a beep; stepping down stops at 0.5 with a beep.
TEST(LoadAndShow, ZoomStepsAndTheirRefusals) {
  ViewerRun run({recordBytes(10, kCube, 4)});
  run.viewer.Form_KeyDown(key::kEnter);
  for (int n = 1; n <= 8; ++n)
    run.viewer.Form_KeyDown(key::kKeypadPlus);
  EXPECT_EQ(run.controls.text(Control::Text3), "4.5");
  EXPECT_EQ(run.controls.beeps, 0);
  EXPECT_EQ(run.viewer.state().DrawingHeight, 457);
  run.viewer.CommandClick(12);
  EXPECT_EQ(run.controls.text(Control::Text3), "4.5");
  EXPECT_EQ(run.viewer.state().ZoomFactor, 4.5);
  EXPECT_EQ(run.controls.beeps, 1);
  const int shown = run.controls.picturesShown[FakeControls::index(Control::Picture1)];
  EXPECT_EQ(shown, 10);  // the refused step redraws too

  for (int n = 1; n <= 8; ++n)
    run.viewer.CommandClick(11);
  EXPECT_EQ(run.controls.text(Control::Text3), "0.5");
  EXPECT_EQ(run.controls.beeps, 1);
  run.viewer.Form_KeyDown(key::kKeypadMinus);
  EXPECT_EQ(run.viewer.state().ZoomFactor, 0.5);
  EXPECT_EQ(run.controls.beeps, 2);
  EXPECT_EQ(run.controls.focus, Control::Text1);
}

// A tall figure loaded at a zoom where it does not fit brings the zoom down in 0.5 steps.
TEST(LoadAndShow, LoadingShrinksTheZoomUntilTheFigureFits) {
  const std::string tower = test::figureDigits(
      {"1", "1", "1", "2", "2", "2", "2", "3", "3", "3", "3", "4", "4", "4", "4"});
  ViewerRun run({recordBytes(10, tower, 1), recordBytes(20, kCube, 4)});
  run.viewer.Form_KeyDown(key::kEnter);
  for (int n = 1; n <= 8; ++n)
    run.viewer.Form_KeyDown(key::kKeypadPlus);
  ASSERT_EQ(run.viewer.state().ZoomFactor, 4.5);
  run.viewer.state().CurrentRecord = 1;
  run.viewer.Form_KeyDown(key::kEnter);
  // 15 layers: height 15 h + 16z + 1; at zoom 1.5 that is 430, at 2 it is 573.
  EXPECT_EQ(run.controls.text(Control::Text3), "1.5");
  EXPECT_EQ(run.viewer.state().DrawingHeight, 430);
  EXPECT_EQ(run.controls.text(Control::Label9), "Z:15");
}

TEST(LoadAndShow, HelpColoursTheChosenPieceAboveTenSolutions) {
  const std::string figure = test::figureDigits({"4444", "123"});
  for (const int solutions : {10, 11}) {
    ViewerRun run({recordBytes(10, figure, solutions)});
    run.controls.checked[FakeControls::index(Control::Option9)] = true;
    run.controls.checked[FakeControls::index(Control::Option4)] = true;
    run.viewer.Form_KeyDown(key::kEnter);
    EXPECT_EQ(anyPixel(run.shown(Control::Picture1), kRed), solutions == 11) << solutions;
  }
  ViewerRun allPieces({recordBytes(7050, figure, 1)});
  allPieces.viewer.Form_KeyDown(key::kEnter);
  EXPECT_TRUE(anyPixel(allPieces.shown(Control::Picture1), kRed));
  EXPECT_TRUE(anyPixel(allPieces.shown(Control::Picture1), Rgb{0, 0, 255}));
}

TEST(LoadAndShow, ACubeWithoutStateEndsTheProgramNamingItsCell) {
  ViewerRun run({recordBytes(10, kCube, 4)});
  run.viewer.Form_KeyDown(key::kEnter);
  const int shown = run.controls.picturesShown[FakeControls::index(Control::Picture1)];
  const std::int16_t cube = run.viewer.state().CellMatrix(2, 3, 1);
  run.viewer.state().CubeletTable[static_cast<std::size_t>(cube)][kStateColumn] = 0;
  testing::internal::CaptureStderr();
  run.viewer.DIBUJATODO();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(run.controls.ended);
  EXPECT_NE(said.find("(2, 3, 1)"), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
  EXPECT_EQ(run.controls.picturesShown[FakeControls::index(Control::Picture1)], shown);
  run.viewer.Form_KeyDown(key::kEnter);  // nothing runs once the program is ending
  EXPECT_EQ(run.controls.picturesShown[FakeControls::index(Control::Picture1)], shown);
}

}  // namespace
}  // namespace vexolite
