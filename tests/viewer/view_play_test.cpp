// Playing with the shown case: quarter turns, hiding cubes from the schematic, the help options.
#include <gtest/gtest.h>

#include "support/case_file_writer.h"
#include "support/fake_controls.h"
#include "viewer/key_codes.h"
#include "viewer/viewer.h"

namespace vexolite {
namespace {

using test::FakeControls;
using test::recordBytes;
using test::TempFolder;

// Two layers: a row of four cubes of piece 4, then three cubes of pieces 1, 2, 3 above them:
// 4 wide (X), 1 deep (Y), 2 high (Z).
const std::string kSteps = test::figureDigits({"4444", "123"});

struct Play : testing::Test {
  explicit Play(int solutions = 12) {
    test::writeFile(work / "VEXOLITE.DAT",
                    test::caseFileBytes({recordBytes(80, kSteps, solutions),
                                         recordBytes(90, kSteps, solutions - 1)}));
    viewer.Form_Load();
  }
  int redraws() const { return controls.picturesShown[FakeControls::index(Control::Picture1)]; }
  std::int16_t stateOf(int cube) const {
    return viewer.state().CubeletTable[static_cast<std::size_t>(cube)][kStateColumn];
  }
  // The top-left corner of a cube's square in the schematic.
  std::pair<int, int> squareOf(int cube) const {
    const auto& row = viewer.state().CubeletTable[static_cast<std::size_t>(cube)];
    return {row[kSquareXColumn], row[kSquareYColumn]};
  }
  bool enabled(Control c) const { return controls.enabled[FakeControls::index(c)]; }
  bool pictureHas(Rgb colour) const {
    for (Rgb p : controls.lastPicture.at(Control::Picture1).pixels()) {
      if (p == colour) return true;
    }
    return false;
  }

  TempFolder work;
  FakeControls controls;
  Viewer viewer{controls, CaseFileSearch{work.path(), {}, {}}};
};

TEST_F(Play, ClicksBeforeTheFirstCaseDoNothing) {
  viewer.Picture1_MouseDown(0, 0);
  viewer.Picture1_MouseDown(635, 475);
  EXPECT_EQ(redraws(), 0);
}

TEST_F(Play, TheSquaresBoundsAreInclusiveOnBothSides) {
  viewer.Form_KeyDown(key::kEnter);
  const auto [gx, gy] = squareOf(2);
  const int before = redraws();
  viewer.Picture1_MouseDown(gx + 6, gy);  // the gap after the square
  viewer.Picture1_MouseDown(gx - 1, gy + 5);
  EXPECT_EQ(redraws(), before);
  EXPECT_EQ(stateOf(2), kCubeShown);

  viewer.Picture1_MouseDown(gx + 5, gy + 5);
  EXPECT_EQ(stateOf(2), kCubeHidden);
  EXPECT_EQ(redraws(), before + 1);
  // Its square is drawn empty, light grey inside, at the same place.
  EXPECT_EQ(controls.lastPicture.at(Control::Picture1).pixel(gx + 2, gy + 2), (Rgb{192, 192, 192}));
  EXPECT_EQ(squareOf(2), std::make_pair(gx, gy));

  viewer.Picture1_MouseDown(gx, gy);
  EXPECT_EQ(stateOf(2), kCubeShown);
  EXPECT_EQ(redraws(), before + 2);
  EXPECT_EQ(controls.lastPicture.at(Control::Picture1).pixel(gx + 2, gy + 2), (Rgb{128, 128, 128}));
}

TEST_F(Play, HiddenCubesSurviveTurnsAndZoomUntilTheNextLoad) {
  viewer.Form_KeyDown(key::kEnter);
  const auto [gx, gy] = squareOf(5);
  viewer.Picture1_MouseDown(gx + 1, gy + 1);
  ASSERT_EQ(stateOf(5), kCubeHidden);
  const CellGrid stored = viewer.state().CellMatrix;

  viewer.Form_KeyDown(key::kUp);
  EXPECT_NE(viewer.state().CellMatrix, stored);
  viewer.Form_KeyDown(key::kKeypadPlus);
  EXPECT_EQ(stateOf(5), kCubeHidden);
  // Its square moved with the figure; the new square shows it hidden.
  const auto [hx, hy] = squareOf(5);
  EXPECT_EQ(controls.lastPicture.at(Control::Picture1).pixel(hx + 2, hy + 2), (Rgb{192, 192, 192}));

  viewer.Form_KeyDown(key::kEnter);  // the same case read again
  EXPECT_EQ(stateOf(5), kCubeShown);
  EXPECT_EQ(viewer.state().CellMatrix, stored);
  EXPECT_EQ(viewer.state().ZoomFactor, 1);  // the zoom stays
}

// The figure is 4 along X, 1 along Y and 2 along Z; a turn about Y exchanges X and Z, a turn
// about Z exchanges X and Y, and four equal turns give back the stored figure.
TEST_F(Play, TurnsExchangeTheSizeCaptions) {
  viewer.Form_KeyDown(key::kEnter);
  const CellGrid stored = viewer.state().CellMatrix;
  EXPECT_EQ(controls.text(Control::Label7), "X: 4");
  EXPECT_EQ(controls.text(Control::Label8), "Y: 1");
  EXPECT_EQ(controls.text(Control::Label9), "Z: 2");
  EXPECT_TRUE(controls.isChecked(Control::Check2));   // a row: its own mirror across Y
  EXPECT_FALSE(controls.isChecked(Control::Check1));  // the upper layer is not centred on X

  viewer.CommandClick(3);  // "Arriba"
  EXPECT_EQ(controls.text(Control::Label7), "X: 2");
  EXPECT_EQ(controls.text(Control::Label9), "Z: 4");
  EXPECT_FALSE(controls.isChecked(Control::Check3));
  EXPECT_TRUE(controls.isChecked(Control::Check2));
  viewer.CommandClick(4);  // "Abajo" undoes it
  EXPECT_EQ(viewer.state().CellMatrix, stored);

  viewer.Form_KeyDown(key::kLeft);
  EXPECT_EQ(controls.text(Control::Label7), "X: 1");
  EXPECT_EQ(controls.text(Control::Label8), "Y: 4");
  EXPECT_TRUE(controls.isChecked(Control::Check1));
  EXPECT_FALSE(controls.isChecked(Control::Check2));
  viewer.CommandClick(6);  // "Derecha" undoes it
  EXPECT_EQ(viewer.state().CellMatrix, stored);

  for (int n = 0; n < 4; ++n)
    viewer.CommandClick(5);
  EXPECT_EQ(viewer.state().CellMatrix, stored);
  EXPECT_EQ(controls.focus, Control::Text1);
}

TEST_F(Play, TheHelpOptionsEndInAFinalChoiceOfOnePiece) {
  viewer.Form_KeyDown(key::kEnter);
  EXPECT_FALSE(enabled(Control::Frame1));
  controls.checked[FakeControls::index(Control::Option9)] = true;
  viewer.OptionClick(9);
  EXPECT_TRUE(enabled(Control::Frame1));
  controls.checked[FakeControls::index(Control::Option8)] = true;
  controls.checked[FakeControls::index(Control::Option9)] = false;
  viewer.OptionClick(8);
  EXPECT_FALSE(enabled(Control::Frame1));
  EXPECT_FALSE(pictureHas(Rgb{255, 0, 0}));

  controls.checked[FakeControls::index(Control::Option8)] = false;
  controls.checked[FakeControls::index(Control::Option9)] = true;
  viewer.OptionClick(9);
  const int before = redraws();
  controls.checked[FakeControls::index(Control::Option4)] = true;
  viewer.OptionClick(4);
  EXPECT_EQ(redraws(), before + 1);
  EXPECT_TRUE(pictureHas(Rgb{255, 0, 0}));  // piece 4's top faces, 12 solutions
  for (int n = 1; n <= 9; ++n)
    EXPECT_EQ(enabled(Option(n)), n == 4) << n;
  EXPECT_TRUE(enabled(Control::Frame1));

  viewer.Form_KeyDown(key::kPageUp);  // the other record: 11 solutions, still coloured
  EXPECT_TRUE(pictureHas(Rgb{255, 0, 0}));
}

struct PlayAtTenSolutions : Play {
  PlayAtTenSolutions() : Play(11) {}
};

TEST_F(PlayAtTenSolutions, TheHelpPieceWaitsForACaseOfMoreThanTenSolutions) {
  controls.checked[FakeControls::index(Control::Option9)] = true;
  controls.checked[FakeControls::index(Control::Option3)] = true;
  viewer.OptionClick(3);
  viewer.Form_KeyDown(key::kPageUp);  // record 1: 11 solutions
  EXPECT_TRUE(pictureHas(Rgb{0, 255, 255}));
  viewer.Form_KeyDown(key::kPageDown);  // record 2: 10 solutions
  EXPECT_FALSE(pictureHas(Rgb{0, 255, 255}));
  viewer.Form_KeyDown(key::kPageDown);
  EXPECT_TRUE(pictureHas(Rgb{0, 255, 255}));
}

}  // namespace
}  // namespace vexolite
