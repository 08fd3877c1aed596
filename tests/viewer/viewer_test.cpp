// The viewer over a stand-in window: start-up, loading, the steps, typed numbers, play.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/pixel_picture.h"
#include "support/viewer_run.h"

namespace vexolite {
namespace {

using test::recordBytes;
using test::ViewerRun;

// No case file is named where it was looked for; whole records followed by a partial one are
// announced, then the start message; Enter shows the last record.
TEST(Start, MissingFileThenAPartialRecordThenTheLastRecord) {
  ViewerRun run;
  run.viewer.start();
  EXPECT_EQ(run.controls.messages[0].text,
            "No se encuentra el archivo VEXOLITE.DAT. Se busco en: " + run.work.path().string() +
                ", " + run.program.path().string() + ".");
  run.viewer.keyPressed(Key::Enter);
  EXPECT_EQ(run.controls.messages[2].text, run.controls.messages[0].text);
  const std::string cube = test::figureDigits({"123/456/712", "123/456/712", "123/456/712"});
  test::writeFile(run.file(), test::caseFileBytes(
                                  {recordBytes(10, "19", 1), recordBytes(1231, cube, 12), {1, 2}}));
  run.controls.translations = {{" CASO:", " CASE:"}, {" SOLU:", " SOLUTIONS:"}};  // too wide
  run.viewer.start();
  EXPECT_EQ(run.controls.messages[3].text,
            "El archivo " + run.file().string() +
                " mide 310 bytes, que no es multiplo de 154: se ignoran los 2 bytes del registro "
                "final incompleto.");
  ASSERT_EQ(run.controls.messages.size(), 5u);
  EXPECT_EQ(run.controls.messages[4].text,
            "En proxima pantalla pulsar enter para dar comienzo al sistema");
  EXPECT_FALSE(run.enabled(Control::PiecePanel) || run.visible(Control::HelpBox));
  run.viewer.keyPressed(Key::Enter);
  std::string texts;
  for (Control control :
       {Control::CaseLabel, Control::CaseNumberLabel, Control::SolutionsLabel,
        Control::SolutionCountLabel, Control::SizeX, Control::SizeY, Control::SizeZ})
    texts += run.text(control) + "|";
  EXPECT_EQ(texts, " CASE:   123.1 |123.1 | SOLU:    12 |   12|X: 3|Y: 3|Z: 3|");
  EXPECT_EQ(run.viewer.state().shownCase.caseNumberText, "123.1");
  for (Control mirror : kMirrorIndicators)
    EXPECT_TRUE(run.controls.isChecked(mirror)) << static_cast<int>(mirror);
  EXPECT_EQ(inkedBox(run.shown(Control::FigureView)), (Box{1, 1, 630, 477}));  // from (1, 1)
  run.viewer.keyPressed(Key::KeypadMinus);                                     // no zoom below 0.5
  EXPECT_EQ(run.controls.beeps, 1);
  EXPECT_EQ(run.controls.focus, Control::CaseNumberBox);
}

// Records in solution order: case 12.3, gaps (2..5, 8..11, 13..703 missing), the last case 705,
// and case 7 in record 1, whose number is the record count. The steps by solution order wrap at
// both ends; by number between 705 and 1, and a missing case shows the last record. Each change
// of the box searches: typed at its end ('+'), afresh ('t') or pasted ('p'). A sixth character
// keeps the last five, counted as characters whatever their bytes; a box that ends in anything
// but a digit or a point is emptied, signs too.
TEST(Navigation, StepsWrapAndTypedOrPastedNumbersSearch) {
  ViewerRun run({recordBytes(70, "19", 1), recordBytes(10, "29", 2), recordBytes(123, "39", 5),
                 recordBytes(120, "49", 7), recordBytes(7050, "59", 9), recordBytes(7040, "69", 10),
                 recordBytes(60, "79", 11)});
  run.viewer.keyPressed(Key::Enter);
  const int& record = run.viewer.state().catalogue.currentRecord;
  const std::tuple<int, Key, Command, int> steps[] = {
      {7, Key::PageDown, Command::NextBySolutions, 1},
      {1, Key::PageUp, Command::PreviousBySolutions, 7},
      {7, Key::Other, Command::PreviousBySolutions, 6},
      {7, Key::Other, Command::NextBySolutions, 1},
      {6, Key::End, Command::NextByNumber, 5},        // 704 to 705
      {5, Key::Other, Command::NextByNumber, 2},      // 705 to 1
      {2, Key::Home, Command::PreviousByNumber, 5},   // 1 to 705
      {5, Key::Other, Command::PreviousByNumber, 6},  // 705 to 704
      {3, Key::End, Command::NextByNumber, 7},        // 12.3 to 13, missing
  };
  for (const auto& [from, key, command, to] : steps) {
    run.viewer.state().catalogue.currentRecord = from;
    run.viewer.keyPressed(Key::Enter);
    key == Key::Other ? run.viewer.run(command) : run.viewer.keyPressed(key);
    EXPECT_EQ(record, to) << "from " << from << " by " << static_cast<int>(command);
  }
  const std::tuple<char, std::string, std::string, int> entries[] = {
      {'t', "7", "7", 1},
      {'+', "0", "70", 7},  // case 70 is missing
      {'+', "5", "705", 5},
      {'t', "12.3", "12.3", 3},
      {'+', "4", "12.34", 3},
      {'t', "00001", "00001", 2},
      {'+', "2", "00012", 4},
      {'t', "706", "706", 7},
      {'p', "1e2", "1e2", 2},
      {'t', "12x", "", 4},
      {'p', "-", "", 4},
      {'p', "\261\3030005", "\uFFFD0005", 7},  // a bad byte counts as one
      {'p', std::string(9000, 'x') + "\u00F1\u00F1\u00F112", "\u00F1\u00F1\u00F112", 7},
  };
  for (const auto& [how, text, box, to] : entries) {
    if (how != '+') run.controls.setText(Control::CaseNumberBox, how == 'p' ? text : "");
    for (std::size_t n = 0; n < (how == 'p' ? 1 : text.size()); ++n) {
      if (how != 'p')
        run.controls.setText(Control::CaseNumberBox, run.text(Control::CaseNumberBox) + text[n]);
      run.viewer.caseNumberEdited();
    }
    EXPECT_EQ(run.text(Control::CaseNumberBox), box) << text.substr(0, 8);
    EXPECT_EQ(record, to) << text.substr(0, 8);
  }
  EXPECT_EQ(run.viewer.state().view.zoom, 0.5);  // typed signs do not zoom
}

// A row of four cubes of piece 4 with pieces 1, 2, 3 above: 4 wide (X), 2 high (Z). Arrows and
// buttons turn alike, a turn and its opposite or four equal turns give the stored figure; a
// hidden cube stays hidden through turns until the case is read again.
TEST(Play, TurnsAndHiddenCubes) {
  ViewerRun run({recordBytes(90, test::figureDigits({"111111111"}), 5),
                 recordBytes(80, test::figureDigits({"4444", "123"}), 12)});
  run.viewer.keyPressed(Key::Enter);
  const auto sizes = [&] { return run.text(Control::SizeX) + run.text(Control::SizeZ); };
  const auto& cube5 = run.viewer.state().figure.cubes[5];
  run.viewer.pressOnView(cube5[kSquareXColumn] + 5, cube5[kSquareYColumn]);
  const CellGrid stored = run.viewer.state().figure.cells;
  for (const auto& [key, opposite, shown] : {std::tuple{Key::Up, Command::TurnDown, "X: 2Z: 4"},
                                             {Key::Left, Command::TurnRight, "X: 1Z: 2"},
                                             {Key::Down, Command::TurnUp, "X: 2Z: 4"},
                                             {Key::Right, Command::TurnLeft, "X: 1Z: 2"}}) {
    run.viewer.keyPressed(key);
    EXPECT_EQ(sizes(), shown);
    EXPECT_EQ(
        run.shown(Control::FigureView).pixel(cube5[kSquareXColumn] + 2, cube5[kSquareYColumn] + 2),
        (Rgb{192, 192, 192}));  // hidden, where the turn took it
    run.viewer.run(opposite);
    EXPECT_EQ(run.viewer.state().figure.cells, stored);
    for (int n = 0; n < 4; ++n)
      run.viewer.run(opposite);
    EXPECT_EQ(run.viewer.state().figure.cells, stored);
  }
  run.viewer.keyPressed(Key::Enter);  // read again: shown
  EXPECT_EQ(cube5[kStateColumn], kCubeShown);
  run.viewer.keyPressed(Key::PageUp);  // a row of nine turns whole: side 16, not 9
  run.viewer.keyPressed(Key::Up);
  EXPECT_EQ(sizes(), "X: 1Z: 9");
}

// Each piece option colours its own piece, in cases of more than ten solutions; the choice
// closes the other options for the run. Case 705 shows every piece in colour.
TEST(Play, EachPieceOptionColoursItsPieceInCasesOfMoreThanTenSolutions) {
  const Control options[] = {Control::PieceV,     Control::PieceL,          Control::PieceT,
                             Control::PieceZ,     Control::PieceRightScrew, Control::PieceLeftScrew,
                             Control::PieceTripod};
  const std::string sevenPieces = test::figureDigits({"1234567"});
  for (int piece = 1; piece <= 7; ++piece) {
    ViewerRun run({recordBytes(10, sevenPieces, 11), recordBytes(20, sevenPieces, 10),
                   recordBytes(7050, sevenPieces, 10)});
    run.check(Control::OnePieceHelpOption);
    run.viewer.chooseHelp(true);
    EXPECT_TRUE(run.enabled(Control::PiecePanel));
    run.check(options[piece - 1]);
    run.viewer.choosePiece(piece);
    run.viewer.keyPressed(Key::PageDown);  // record 1: 11 solutions
    for (int other = 1; other <= 7; ++other) {
      EXPECT_EQ(run.enabled(options[other - 1]), other == piece) << piece << " " << other;
      EXPECT_EQ(run.pictureHas(pieceShades(other).full), other == piece) << piece << " " << other;
    }
    EXPECT_FALSE(run.enabled(Control::NoHelpOption) || run.enabled(Control::OnePieceHelpOption));
    run.viewer.keyPressed(Key::PageDown);  // record 2: 10 solutions
    EXPECT_FALSE(run.pictureHas(pieceShades(piece).full)) << piece;
    run.viewer.keyPressed(Key::PageDown);  // case 705, with 10 solutions: every piece
    for (int other = 1; other <= 7; ++other)
      EXPECT_TRUE(run.pictureHas(pieceShades(other).full)) << other;
  }
  EXPECT_EQ(pieceShades(7).full, (Rgb{80, 80, 80}));  // "Pieza 7, gris"
}

}  // namespace
}  // namespace vexolite
