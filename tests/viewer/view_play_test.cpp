// Playing with the shown case: quarter turns, hidden cubes, the help piece and its solutions.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/viewer_run.h"
#include "viewer/keys.h"

namespace vexolite {
namespace {

using test::recordBytes;
using test::ViewerRun;

constexpr Rgb kHiddenGrey{192, 192, 192};

// Two records of one figure, `solutions` and one less: a row of four cubes of piece 4, then
// cubes of pieces 1, 2, 3 above them, 4 wide (X), 1 deep (Y), 2 high (Z).
std::vector<std::vector<std::uint8_t>> stepRecords(int solutions) {
  const std::string steps = test::figureDigits({"4444", "123"});
  return {recordBytes(80, steps, solutions), recordBytes(90, steps, solutions - 1)};
}

struct Play : testing::Test {
  std::int16_t stateOf(int cube) const {
    return run.viewer.state().figure.cubes[static_cast<std::size_t>(cube)][kStateColumn];
  }
  // The top-left corner of a cube's square in the schematic.
  std::pair<int, int> squareOf(int cube) const {
    const auto& row = run.viewer.state().figure.cubes[static_cast<std::size_t>(cube)];
    return {row[kSquareXColumn], row[kSquareYColumn]};
  }
  Rgb pixel(int x, int y) const { return run.shown(Control::FigureView).pixel(x, y); }

  ViewerRun run{stepRecords(12)};
};

TEST_F(Play, HiddenCubesSurviveTurnsAndZoomUntilTheNextLoad) {
  run.viewer.keyPressed(Key::Enter);
  const auto [gx, gy] = squareOf(5);
  run.viewer.pressOnView(gx + 1, gy + 1);
  ASSERT_EQ(stateOf(5), kCubeHidden);
  const CellGrid stored = run.viewer.state().figure.cells;

  run.viewer.keyPressed(Key::Up);
  EXPECT_NE(run.viewer.state().figure.cells, stored);
  run.viewer.keyPressed(Key::KeypadPlus);
  EXPECT_EQ(stateOf(5), kCubeHidden);
  const auto [hx, hy] = squareOf(5);  // moved with the figure, still shown hidden
  EXPECT_EQ(pixel(hx + 2, hy + 2), kHiddenGrey);

  run.viewer.keyPressed(Key::Enter);  // the same case read again
  EXPECT_EQ(stateOf(5), kCubeShown);
  EXPECT_EQ(run.viewer.state().figure.cells, stored);
  EXPECT_EQ(run.viewer.state().view.zoom, 1);  // the zoom stays
}

// A turn about Y exchanges X and Z, a turn about Z exchanges X and Y, the opposite turn undoes
// it, and four equal turns give back the stored figure.
TEST_F(Play, TurnsExchangeTheSizeCaptions) {
  run.viewer.keyPressed(Key::Enter);
  const CellGrid stored = run.viewer.state().figure.cells;
  const auto expectShown = [this](const char* x, const char* y, const char* z, bool c1, bool c2) {
    EXPECT_EQ(run.controls.text(Control::SizeX), x);
    EXPECT_EQ(run.controls.text(Control::SizeY), y);
    EXPECT_EQ(run.controls.text(Control::SizeZ), z);
    EXPECT_EQ(run.controls.isChecked(Control::MirrorX), c1);  // centred on X
    EXPECT_EQ(run.controls.isChecked(Control::MirrorY), c2);  // its own mirror across Y
  };
  expectShown("X: 4", "Y: 1", "Z: 2", false, true);
  run.viewer.run(Command::TurnUp);  // "Arriba"
  expectShown("X: 2", "Y: 1", "Z: 4", false, true);
  EXPECT_FALSE(run.controls.isChecked(Control::MirrorZ));
  run.viewer.run(Command::TurnDown);  // "Abajo"
  EXPECT_EQ(run.viewer.state().figure.cells, stored);

  run.viewer.keyPressed(Key::Left);
  expectShown("X: 1", "Y: 4", "Z: 2", true, false);
  run.viewer.run(Command::TurnRight);  // "Derecha"
  EXPECT_EQ(run.viewer.state().figure.cells, stored);

  for (int n = 0; n < 4; ++n)
    run.viewer.run(Command::TurnLeft);
  EXPECT_EQ(run.viewer.state().figure.cells, stored);
  EXPECT_EQ(run.controls.focus, Control::CaseNumberBox);
}

// Each arrow key turns the figure as its button does, and the four turns differ on this figure,
// so that an arrow bound to the wrong turn shows.
TEST_F(Play, ArrowKeysTurnAsTheirButtons) {
  const std::pair<Key, Command> arrows[] = {
      {Key::Up, Command::TurnUp},
      {Key::Down, Command::TurnDown},
      {Key::Left, Command::TurnLeft},
      {Key::Right, Command::TurnRight},
  };
  std::vector<CellGrid> turned;
  for (const auto& [key, command] : arrows) {
    run.viewer.keyPressed(Key::Enter);  // the stored figure again
    run.viewer.keyPressed(key);
    turned.push_back(run.viewer.state().figure.cells);
    run.viewer.keyPressed(Key::Enter);
    run.viewer.run(command);
    EXPECT_EQ(run.viewer.state().figure.cells, turned.back()) << static_cast<int>(key);
  }
  for (std::size_t a = 0; a < turned.size(); ++a) {
    for (std::size_t b = a + 1; b < turned.size(); ++b)
      EXPECT_NE(turned[a], turned[b]) << a << " " << b;
  }
}

// The chosen piece is coloured only in cases of more than ten solutions; case 705 colours them all.
TEST(HelpPiece, WaitsForACaseOfMoreThanTenSolutions) {
  constexpr Rgb kCyan{0, 255, 255};
  ViewerRun run(stepRecords(11));
  run.check(Control::OnePieceHelpOption);
  run.check(Control::PieceT);
  run.viewer.choosePiece(3);
  run.viewer.keyPressed(Key::PageUp);  // record 1: 11 solutions
  EXPECT_TRUE(run.pictureHas(kCyan));
  run.viewer.keyPressed(Key::PageDown);  // record 2: 10 solutions
  EXPECT_FALSE(run.pictureHas(kCyan));
  run.viewer.keyPressed(Key::PageDown);
  EXPECT_TRUE(run.pictureHas(kCyan));

  ViewerRun allPieces({recordBytes(7050, test::figureDigits({"4444", "123"}), 1)});
  allPieces.viewer.keyPressed(Key::Enter);
  EXPECT_TRUE(allPieces.pictureHas(Rgb{255, 0, 0}));
  EXPECT_TRUE(allPieces.pictureHas(Rgb{0, 0, 255}));
}

}  // namespace
}  // namespace vexolite
