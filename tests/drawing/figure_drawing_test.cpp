// The figure in the parallel projection: the piece colours, one cube pixel by pixel, the whole
// figure in its measured box, cells back to front and the schematic over them.
// SPDX-License-Identifier: MIT
#include "drawing/figure_drawing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "case_library/case_decoding.h"
#include "case_library/case_file.h"
#include "drawing/drawing_size.h"
#include "drawing/perspective_cube.h"
#include "drawing/schematic.h"
#include "support/pixel_picture.h"

namespace vexolite {
namespace {

using Picture = std::vector<std::string>;

constexpr CellSteps kHalfZoom{8, 4, 9};
constexpr CellSteps kZoomOne{16, 8, 18};
constexpr HelpChoice kHelpOff{};
constexpr HelpChoice kHelpRed{true, 4, 11,
                              12};  // help with piece 4, rojo, in a case of 11 solutions
constexpr HelpChoice kCase705{false, 0, 1, 705};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kLight{192, 192, 192};
constexpr Rgb kBehind{0, 200, 0};  // painted first: it shows which pixels a drawing leaves alone

TEST(PiecePalette, SevenColoursEachShownOnlyWithHelpOnItsPieceOrInCase705) {
  const PieceShades& red = pieceShades(4);
  EXPECT_EQ((std::array{red.full, red.tint, red.left, red.right}),
            (std::array<Rgb, 4>{{{255, 0, 0}, {255, 112, 112}, {255, 80, 80}, {255, 112, 112}}}));
  EXPECT_EQ(pieceShades(7).full, (Rgb{80, 80, 80}));
  for (int a = 1; a <= 7; ++a) {
    for (int b = a + 1; b <= 7; ++b)
      EXPECT_NE(pieceShades(a).full, pieceShades(b).full) << a << ", " << b;
  }
  const struct {
    HelpChoice help;
    int piece;
    bool highlighted;
  } rules[] = {
      {kHelpRed, 4, true},           {{true, 4, 10, 12}, 4, false}, {{false, 4, 11, 12}, 4, false},
      {{true, 3, 11, 12}, 4, false}, {{true, 8, 11, 12}, 8, false}, {{true, 3, 11, 705}, 4, true},
      {kCase705, 1, true},           {kCase705, 7, true},           {kCase705, 0, false},
      {kCase705, 8, false},          {{false, 0, 1, 704}, 4, false}};
  for (const auto& r : rules)
    EXPECT_EQ(isHighlighted(r.help, r.piece), r.highlighted) << r.piece << " " << r.help.caseNumber;
}

// Faces left (L), right (R), top (T), black edges (#). Halves of the half-slope edges go up, so
// each fill meets its edges with no white pixel between and none of it outside them.
const Picture kShadedHalfZoom{
    ".......###.......", ".....##TTT##.....", "...##TTTTTTT##...", ".##TTTTTTTTTTT##.",
    "##TTTTTTTTTTTTT##", "#L##TTTTTTTTT##R#", "#LLL##TTTTT##RRR#", "#LLLLL##T##RRRRR#",
    "#LLLLLLL#RRRRRRR#", "#LLLLLLL#RRRRRRR#", "#LLLLLLL#RRRRRRR#", "#LLLLLLL#RRRRRRR#",
    "#LLLLLLL#RRRRRRR#", "##LLLLLL#RRRRRR##", "..##LLLL#RRRR##..", "....##LL#RR##....",
    "......#####......", "........#........",
};
// The ghost: every second line of each face and every second column of the top, with the
// same edges, all in one colour.
const Picture kFaintHalfZoom{
    ".......####......", ".....##.#.##.....", "...##.#.#.#.##...", ".##.#.#.#.#.#.##.",
    "###.#.#.#.#.#.###", "#.###.#.#.#.#####", "##..###.#.####..#", "#.##..######..###",
    "##..##..###.##..#", "#.##..###.##..###", "##..##..##..##..#", "#.##..###.##..###",
    "##..##..##..##..#", "####..###.##..###", "..####..##..###..", "....#####.###....",
    "......#####......", "........#........",
};

// Each cube at zoom 0.5 anchored at (3, 7), drawn over a colour that shows the pixels it leaves
// alone, with a blank pixel around the worked rows.
TEST(PerspectiveCube, ShadedAndFaintCubesAreTheWorkedPicturesInThePiecesShades) {
  const PieceShades& red = pieceShades(4);
  struct Case {
    decltype(&drawShadedCube) draw;
    int piece;
    HelpChoice help;
    Rgb top, left, right, edges;
  };
  for (const Case& c : {Case{drawShadedCube, 4, kHelpOff, kWhite, kGrey, kLight, kBlack},
                        Case{drawShadedCube, 3, kHelpRed, kWhite, kGrey, kLight, kBlack},
                        Case{drawShadedCube, 4, kHelpRed, red.full, red.left, red.right, kBlack},
                        Case{drawFaintCube, 4, kHelpOff, kBlack, kBlack, kBlack, kBlack},
                        Case{drawFaintCube, 4, kHelpRed, red.full, red.full, red.full, red.full}}) {
    SCOPED_TRACE(::testing::Message() << "piece " << c.piece << " help " << c.help.chosenPiece);
    RasterSurface surface(24, 24);
    paintAll(surface, kBehind);
    c.draw(surface, CubeAnchor{3, 7}, kHalfZoom, c.piece, c.help);
    EXPECT_EQ(inkedBox(surface, kBehind), (Box{3, 3, 19, 20}));
    EXPECT_EQ(
        pixelPicture(surface, 3, 3, 17, 18,
                     {{kBehind, '.'}, {c.top, 'T'}, {c.left, 'L'}, {c.right, 'R'}, {c.edges, '#'}}),
        c.draw == drawShadedCube ? kShadedHalfZoom : kFaintHalfZoom);
    EXPECT_EQ(surface.colour(), c.edges);
  }
}

TEST(DrawingSize, WorkedFiguresAtTheEdgesOfFitting) {
  CellGrid tall, wide;
  tall(15, 1, 1) = tall(1, 13, 13) = wide(1, 13, 1) = wide(1, 1, 14) = 1;
  // The tallest top is the top cube at the back, the lowest bottom the bottom cube in front:
  // 8z (26 - 2) + 15 h + 16z + 1 is 479 at zoom 1, the most that fits, and too much at 1.5.
  EXPECT_EQ(measureDrawing(tall, 16, 1).height, 479);
  EXPECT_TRUE(fitsPicture(measureDrawing(tall, 16, 1)));
  EXPECT_FALSE(fitsPicture(measureDrawing(tall, 16, 1.5)));
  // Width 16z (spread of k - j + 2) + 1: at zoom 1.5 a spread of 25 gives 649, too wide.
  EXPECT_EQ(measureDrawing(wide, 16, 1.5).width, 649);
  EXPECT_FALSE(fitsPicture(measureDrawing(wide, 16, 1.5)));
}

// Rods the whole side of the drawing cube long along each axis, shown and hidden cubes in
// turn, a cube alone in its far corner, and the catalogue's second case, exactly 4 cells wide:
// at every zoom each is drawn from pixel (1, 1) to its measured width and height.
TEST(DrawFigure, FillsTheMeasuredBoxOutToTheFarFacesOfTheDrawingCube) {
  std::vector<FigureFields> figures;
  for (int side : {4, 8, 16}) {
    for (int axis = 0; axis < 3; ++axis) {
      FigureFields& rod = figures.emplace_back();
      rod.cubeSide = static_cast<std::int16_t>(side);
      rod.cubes[1][kStateColumn] = kCubeShown;
      rod.cubes[2][kStateColumn] = kCubeHidden;
      for (int n = 1; n <= side; ++n) {
        rod.cells(axis == 0 ? n : 1, axis == 1 ? n : 1, axis == 2 ? n : 1) =
            static_cast<std::int16_t>(1 + n % 2);
      }
    }
  }
  figures.push_back(figures.back());
  figures.back().cells.clear();
  figures.back().cells(1, 1, 16) = 1;
  RawRecord record;
  CaseChannel channel;
  ASSERT_FALSE(channel.open(VEXOLITE_CASE_FILE) || channel.read(2, record));
  const ParseResult<DecodedCase> secondCase = decodeRecord(record);
  ASSERT_TRUE(secondCase);
  applyFigure(secondCase.value().figure, figures.emplace_back());
  ASSERT_EQ(figures.back().cubeSide, 4);

  RasterSurface view(1000, 1000), plan(1, 1);
  for (FigureFields& figure : figures) {
    for (double zoom : {0.5, 1.0, 2.0, 3.0}) {
      const DrawingSize size = measureDrawing(figure.cells, figure.cubeSide, zoom);
      drawFigure(view, plan, figure, Projection{zoom, size.originX, size.originY}, {}, kHelpOff);
      EXPECT_EQ(inkedBox(view),
                (Box{1, 1, static_cast<int>(size.width), static_cast<int>(size.height)}))
          << "figure " << &figure - figures.data() << " zoom " << zoom;
    }
  }
}

// Four cubes about cell (1, 1, 1) in the corner of FigureView at zoom 1, anchored at
// (620 - 16 j + 16 k, 462 - 18 i + 8 j + 8 k), each later one painting over the first; then the
// one-cell schematic over them.
TEST(DrawFigure, CubesBackToFrontByTheirStateThenTheSchematicAndNothingPastStateZero) {
  FigureFields figure;
  figure.cubeSide = 4;
  const auto place = [&figure](int i, int j, int k, int cube, int piece, int state) {
    figure.cells(i, j, k) = static_cast<std::int16_t>(cube);
    figure.cubes[cube][kPieceColumn] = static_cast<std::int16_t>(piece);
    figure.cubes[cube][kStateColumn] = static_cast<std::int16_t>(state);
  };
  place(1, 1, 1, 1, 1, kCubeShown);
  place(2, 1, 1, 2, 7, kCubeShown);
  place(1, 2, 1, 3, 2, kCubeShown);
  place(1, 1, 2, 4, 4, kCubeHidden);
  SchematicPlan plan;
  plan.rows[1] = std::string{'\1'};
  plan.rowCount = 1;
  RasterSurface figureView(640, 480), planSurface(143, 115);
  figureView.plot(300, 300);  // cleared
  planSurface.plot(5, 5);     // kept

  RasterSurface expected(640, 480), expectedPlan(143, 115);
  expectedPlan.plot(5, 5);
  drawShadedCube(expected, CubeAnchor{620, 460}, kZoomOne, 1, kCase705);
  drawFaintCube(expected, CubeAnchor{636, 468}, kZoomOne, 4, kCase705);
  const RasterSurface beforeStateZero = expected;
  drawShadedCube(expected, CubeAnchor{604, 468}, kZoomOne, 2, kCase705);
  drawShadedCube(expected, CubeAnchor{620, 442}, kZoomOne, 7, kCase705);
  CubeletRows cubes = figure.cubes;
  drawPlan(expected, expectedPlan, plan, cubes, kCase705);

  const Projection projection{1, 620, 462};
  EXPECT_FALSE(drawFigure(figureView, planSurface, figure, projection, plan, kCase705));
  EXPECT_EQ(figureView, expected);
  EXPECT_EQ(planSurface, expectedPlan);
  EXPECT_EQ((std::array{figure.cubes[1][kSquareXColumn], figure.cubes[1][kSquareYColumn]}),
            (std::array<std::int16_t, 2>{632, 472}));

  figure.cubes[3][kStateColumn] = 0;
  figure.cubes[1][kSquareXColumn] = 77;
  const auto impossible = drawFigure(figureView, planSurface, figure, projection, plan, kCase705);
  ASSERT_TRUE(impossible);
  EXPECT_EQ((std::array{impossible->i, impossible->j, impossible->k, impossible->cube}),
            (std::array{1, 2, 1, 3}));
  EXPECT_EQ(figureView, beforeStateZero);
  EXPECT_EQ(figure.cubes[1][kSquareXColumn], 77);
}

}  // namespace
}  // namespace vexolite
