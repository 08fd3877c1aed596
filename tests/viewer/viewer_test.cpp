// The viewer over a stand-in window: start-up, loading, the steps, typed numbers, play.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/pixel_picture.h"
#include "support/viewer_run.h"

namespace vexolite {
namespace {

using test::recordBytes;
using test::ViewerRun;

const std::string kCube = test::figureDigits({"123/456/712", "123/456/712", "123/456/712"});

TEST(Start, ShowsTheStartMessageThenEnterShowsTheLastRecord) {
  ViewerRun run({recordBytes(10, "19", 1), recordBytes(1231, kCube, 12)});
  run.controls.translations = {{" CASO:", " CASE:"}, {" SOLU:", " SOLUTIONS:"}};  // too wide
  ASSERT_EQ(run.controls.messages.size(), 1u);
  EXPECT_EQ(run.controls.messages[0].text,
            "En proxima pantalla pulsar enter para dar comienzo al sistema");
  EXPECT_FALSE(run.enabled(Control::PiecePanel));
  EXPECT_FALSE(run.visible(Control::HelpBox));
  run.viewer.keyPressed(Key::Other);  // a key outside the table does nothing
  EXPECT_EQ(run.redraws(), 0);
  run.viewer.keyPressed(Key::Enter);
  for (const auto& [control, text] : {std::pair{Control::CaseLabel, " CASE:   123.1 "},
                                      {Control::CaseNumberLabel, "123.1 "},
                                      {Control::SolutionsLabel, " SOLU:    12 "},
                                      {Control::SolutionCountLabel, "   12"},
                                      {Control::SizeX, "X: 3"},
                                      {Control::SizeY, "Y: 3"},
                                      {Control::SizeZ, "Z: 3"}})
    EXPECT_EQ(run.text(control), text);
  EXPECT_EQ(run.viewer.state().shownCase.caseNumberText, "123.1");
  for (Control mirror : kMirrorIndicators)
    EXPECT_TRUE(run.controls.isChecked(mirror)) << static_cast<int>(mirror);
  EXPECT_EQ(run.controls.focus, Control::CaseNumberBox);
  EXPECT_EQ(inkedBox(run.shown(Control::FigureView)), (Box{1, 1, 630, 477}));  // from (1, 1)
}

// A case file that gives no case is named at start and at each load; whole records followed by
// a partial one are announced, and load.
TEST(BrokenCaseFile, IsNamedAtStartAndAtEachLoad) {
  const std::pair<std::vector<std::uint8_t>, std::string> cases[] = {
      {{}, " esta vacio: no tiene ningun caso."},
      {std::vector<std::uint8_t>(100, 1),
       " mide 100 bytes, menos que un caso de 154 bytes: no tiene ningun caso."},
      {test::caseFileBytes({recordBytes(20, kCube, 240), std::vector<std::uint8_t>(50, 1)}),
       " mide 204 bytes, que no es multiplo de 154: se ignoran los 50 bytes del registro final "
       "incompleto."},
  };
  for (const auto& [bytes, says] : cases) {
    ViewerRun run;
    test::writeFile(run.file(), bytes);
    run.viewer.start();
    ASSERT_EQ(run.controls.messages.size(), 2u) << says;  // the problem, then the start message
    EXPECT_EQ(run.controls.messages[0].text, "El archivo " + run.file().string() + says);
    run.viewer.keyPressed(Key::Enter);
    const bool loads = bytes.size() > 154;
    EXPECT_EQ(run.controls.messages.size(), loads ? 2u : 3u) << says;
    EXPECT_EQ(run.text(Control::CaseLabel), loads ? " CASO:   002   " : "") << says;
  }
  ViewerRun missing;
  missing.viewer.start();
  EXPECT_EQ(missing.controls.messages[0].text,
            "No se encuentra el archivo VEXOLITE.DAT. Se busco en: " +
                missing.work.path().string() + ", " + missing.program.path().string() + ".");
}

TEST(RecordOutsideTheDataModel, IsNamedByKindAndByteAndLeavesTheShownCase) {
  const std::string row14(14, '1');
  std::vector<std::uint8_t> group11 = recordBytes(30, "19", 2);
  group11[22] = 0x10;  // cell group 11 holds 10000
  group11[23] = 0x27;
  const std::pair<std::vector<std::uint8_t>, std::string> badRecords[] = {
      {recordBytes(30, row14 + "8" + row14 + "9", 2), "la figura tiene mas de 27 cubitos (byte 16"},
      {recordBytes(30, test::figureDigits(std::vector<std::string>(17, "1")), 2),
       "la figura tiene mas de 16 capas (byte 18"},
      {recordBytes(30, "1" + std::string(16, '8') + "19", 2),
       "una capa tiene mas de 16 filas (byte 10"},
      {std::vector<std::uint8_t>(154, 0), "una fila tiene mas de 16 celdas (byte 10"},
      {std::vector<std::uint8_t>(154, 0xff), "el byte alto vale 255, 128 o mas (byte 1"},
      {recordBytes(10000, "19", 2), "el valor de caso 10000 tiene mas de 4 cifras (byte 0"},
      {group11, "el grupo de celdas 11 vale 10000, mas de 4 cifras (byte 22"},
  };
  for (const auto& [bad, reason] : badRecords) {
    ViewerRun run({bad, recordBytes(1231, kCube, 240)});
    run.viewer.keyPressed(Key::Enter);
    const FigureFields before = run.viewer.state().figure;
    run.viewer.keyPressed(Key::PageDown);
    ASSERT_EQ(run.controls.messages.size(), 2u) << reason;
    EXPECT_EQ(run.controls.messages[1].text, "El registro 1 del archivo " + run.file().string() +
                                                 " no es un caso valido: " + reason +
                                                 " del registro).");
    EXPECT_EQ(run.text(Control::CaseLabel), " CASO:   123.1 ");
    EXPECT_EQ(run.viewer.state().figure.cells, before.cells);
  }
}

// The 3 x 3 x 3 block is 457 pixels high at zoom 4.5 and 508 at 5: the ninth step up is
// refused with a beep; a figure 15 layers high loaded at 4.5 brings the zoom down to 1.5.
TEST(Zoom, StepsRefusalsAndTheFitOfALoadedFigure) {
  ViewerRun run({recordBytes(10, test::figureDigits(std::vector<std::string>(15, "1")), 1),
                 recordBytes(20, kCube, 4)});
  run.viewer.keyPressed(Key::Enter);
  for (int n = 1; n <= 9; ++n)
    run.viewer.keyPressed(Key::KeypadPlus);
  EXPECT_EQ(run.text(Control::ZoomBox), "4.5");
  EXPECT_EQ(run.controls.beeps, 1);
  EXPECT_EQ(run.redraws(), 10);
  run.viewer.keyPressed(Key::PageDown);
  EXPECT_EQ(run.text(Control::ZoomBox), "1.5");
  for (int n = 1; n <= 3; ++n)
    run.viewer.keyPressed(Key::KeypadMinus);
  EXPECT_EQ(run.text(Control::ZoomBox), "0.5");
  EXPECT_EQ(run.controls.beeps, 2);
}

// Records in solution order: case 12.3, gaps (2..5, 8..11, 13..703 missing), the last case 705,
// and case 7 in record 1, whose number is the record count.
struct Navigation : testing::Test {
  Navigation() { run.viewer.keyPressed(Key::Enter); }
  int record() const { return run.viewer.state().catalogue.currentRecord; }
  void show(int recordNumber) {
    run.viewer.state().catalogue.currentRecord = recordNumber;
    run.viewer.keyPressed(Key::Enter);
  }
  test::ViewerRun run{{recordBytes(70, "19", 1), recordBytes(10, "29", 2),
                       recordBytes(123, "39", 5), recordBytes(120, "49", 7),
                       recordBytes(7050, "59", 9), recordBytes(7040, "69", 10),
                       recordBytes(60, "79", 11)}};
};

// By solution order (Page Up and Down, their buttons) the steps wrap at both ends; by number
// (Home and End, their buttons) they wrap between 705 and 1, use the whole number, and a
// missing case shows the last record.
TEST_F(Navigation, StepsWrapAtBothEnds) {
  const std::tuple<int, Key, Command, int> steps[] = {
      {7, Key::PageDown, Command::NextBySolutions, 1},
      {1, Key::PageUp, Command::PreviousBySolutions, 7},
      {7, Key::Other, Command::PreviousBySolutions, 6},
      {7, Key::Other, Command::NextBySolutions, 1},
      {6, Key::End, Command::NextByNumber, 5},        // 704 to 705
      {5, Key::Other, Command::NextByNumber, 2},      // 705 to 1
      {2, Key::Home, Command::PreviousByNumber, 5},   // 1 to 705
      {5, Key::Other, Command::PreviousByNumber, 6},  // 705 to 704
      {3, Key::Other, Command::NextByNumber, 7},      // 12.3 to 13, missing
      {3, Key::Home, Command::PreviousByNumber, 7},   // 12.3 to 11, missing
  };
  for (const auto& [from, key, command, to] : steps) {
    show(from);
    key == Key::Other ? run.viewer.run(command) : run.viewer.keyPressed(key);
    EXPECT_EQ(record(), to) << "from " << from << " by " << static_cast<int>(command);
  }
}

// Every change of the box searches: typed at its end ('+'), typed afresh ('t') or pasted ('p').
// A sixth character keeps the last five, counted as characters whatever their bytes; a box
// that ends in anything but a digit or a point is emptied, signs too.
TEST_F(Navigation, TypedAndPastedNumbersSearch) {
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
      {'p', "+", "", 4},
      {'p',
       "\xb1\xc3"
       "0005",
       "\xef\xbf\xbd"
       "0005",
       7},  // a bad byte counts as one
      {'p',
       std::string(9000, 'x') + "\xc3\xb1\xc3\xb1\xc3\xb1"
                                "12",
       "\xc3\xb1\xc3\xb1\xc3\xb1"
       "12",
       7},
  };
  for (const auto& [how, text, box, to] : entries) {
    if (how != '+') run.controls.setText(Control::CaseNumberBox, how == 'p' ? text : "");
    for (std::size_t n = 0; n < (how == 'p' ? 1 : text.size()); ++n) {
      if (how != 'p')
        run.controls.setText(Control::CaseNumberBox, run.text(Control::CaseNumberBox) + text[n]);
      run.viewer.caseNumberEdited();
    }
    EXPECT_EQ(run.text(Control::CaseNumberBox), box) << text.substr(0, 8);
    EXPECT_EQ(record(), to) << text.substr(0, 8);
  }
  EXPECT_EQ(run.viewer.state().view.zoom, 0.5);  // typed signs do not zoom
}

// A row of four cubes of piece 4 with pieces 1, 2, 3 above: 4 wide (X), 1 deep, 2 high (Z).
struct Play : testing::Test {
  Play() { run.viewer.keyPressed(Key::Enter); }
  const CellGrid& cells() const { return run.viewer.state().figure.cells; }
  std::int16_t stateOf(int cube) const { return cubeRow(cube)[kStateColumn]; }
  const std::array<std::int16_t, 10>& cubeRow(int cube) const {
    return run.viewer.state().figure.cubes[static_cast<std::size_t>(cube)];
  }
  void pressOnSquare(int cube) {
    run.viewer.pressOnView(cubeRow(cube)[kSquareXColumn] + 5, cubeRow(cube)[kSquareYColumn]);
  }
  std::string sizes() const {
    return run.text(Control::SizeX) + run.text(Control::SizeY) + run.text(Control::SizeZ);
  }
  ViewerRun run{{recordBytes(90, test::figureDigits({"111111111"}), 5),
                 recordBytes(80, test::figureDigits({"4444", "123"}), 12)}};
};

TEST_F(Play, HiddenCubesSurviveTurnsAndZoomUntilTheNextLoad) {
  const CellGrid stored = cells();
  run.viewer.pressOnView(cubeRow(5)[kSquareXColumn] + 6, cubeRow(5)[kSquareYColumn]);
  EXPECT_EQ(stateOf(5), kCubeShown);  // beside the square
  pressOnSquare(5);
  run.viewer.keyPressed(Key::Up);
  run.viewer.keyPressed(Key::KeypadPlus);
  EXPECT_EQ(stateOf(5), kCubeHidden);
  EXPECT_EQ(run.shown(Control::FigureView)
                .pixel(cubeRow(5)[kSquareXColumn] + 2, cubeRow(5)[kSquareYColumn] + 2),
            (Rgb{192, 192, 192}));  // drawn hidden where the turn took it
  pressOnSquare(5);
  EXPECT_EQ(stateOf(5), kCubeShown);
  pressOnSquare(5);
  run.viewer.keyPressed(Key::Enter);  // the same case read again
  EXPECT_EQ(stateOf(5), kCubeShown);
  EXPECT_EQ(cells(), stored);
  EXPECT_EQ(run.viewer.state().view.zoom, 1);
}

// Each arrow turns as its button, the opposite turn undoes it, four give back the stored
// figure, and the four turns differ.
TEST_F(Play, ArrowsTurnAsTheirButtons) {
  const std::tuple<Key, Command, Command, const char*> turns[] = {
      {Key::Up, Command::TurnUp, Command::TurnDown, "X: 2Y: 1Z: 4"},
      {Key::Down, Command::TurnDown, Command::TurnUp, "X: 2Y: 1Z: 4"},
      {Key::Left, Command::TurnLeft, Command::TurnRight, "X: 1Y: 4Z: 2"},
      {Key::Right, Command::TurnRight, Command::TurnLeft, "X: 1Y: 4Z: 2"},
  };
  EXPECT_EQ(sizes(), "X: 4Y: 1Z: 2");
  const CellGrid stored = cells();
  std::vector<CellGrid> turned;
  for (const auto& [key, command, opposite, shown] : turns) {
    run.viewer.keyPressed(key);
    turned.push_back(cells());
    EXPECT_EQ(sizes(), shown);
    run.viewer.run(opposite);
    EXPECT_EQ(cells(), stored);
    for (int n = 1; n <= 4; ++n) {
      run.viewer.run(command);
      EXPECT_EQ(cells() == turned.back(), n == 1);
    }
    EXPECT_EQ(cells(), stored);
  }
  for (std::size_t a = 0; a < 4; ++a) {
    for (std::size_t b = a + 1; b < 4; ++b)
      EXPECT_NE(turned[a], turned[b]) << a << " " << b;
  }
  run.viewer.keyPressed(Key::PageUp);  // a row of nine turns whole: side 16, not 9
  run.viewer.keyPressed(Key::Up);
  EXPECT_EQ(sizes(), "X: 1Y: 1Z: 9");
}

// Each piece option colours its own piece, in cases of more than ten solutions; the choice
// closes the other options for the run. Case 705 shows every piece in colour.
TEST(HelpPiece, EachOptionColoursItsPieceInCasesOfMoreThanTenSolutions) {
  const Control options[] = {Control::PieceV,     Control::PieceL,          Control::PieceT,
                             Control::PieceZ,     Control::PieceRightScrew, Control::PieceLeftScrew,
                             Control::PieceTripod};
  const std::string sevenPieces = test::figureDigits({"1234567"});
  for (int piece = 1; piece <= 7; ++piece) {
    ViewerRun run({recordBytes(10, sevenPieces, 11), recordBytes(20, sevenPieces, 10)});
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
  }
  EXPECT_EQ(pieceShades(7).full, (Rgb{80, 80, 80}));  // "Pieza 7, gris"
  ViewerRun allPieces({recordBytes(7050, sevenPieces, 1)});
  allPieces.viewer.keyPressed(Key::Enter);
  for (int piece = 1; piece <= 7; ++piece)
    EXPECT_TRUE(allPieces.pictureHas(pieceShades(piece).full)) << piece;
}

}  // namespace
}  // namespace vexolite
