// The drawing: piece colours, worked cube pictures, figures filling their measured box, schematic.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "drawing/drawing_size.h"
#include "drawing/figure_canvas.h"
#include "drawing/perspective_cube.h"
#include "drawing/schematic.h"
#include "drawing/schematic_rows.h"
#include "support/pixel_picture.h"

namespace vexolite {
namespace {

using Picture = std::vector<std::string>;

constexpr CellSteps kZoomOne{16, 8, 18};
constexpr HelpChoice kHelpOff{};
constexpr HelpChoice kHelpRed{true, 4, 11, 12};  // help with piece 4, rojo, 11 solutions
constexpr HelpChoice kCase705{false, 0, 1, 705};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kLight{192, 192, 192};

TEST(PiecePalette, ColoursShownOnlyWithHelpOnTheirPieceInCasesOfOverTenSolutionsOrInCase705) {
  const PieceShades& red = pieceShades(4);
  EXPECT_EQ((std::array{red.full, red.tint, red.left, red.right}),
            (std::array<Rgb, 4>{{{255, 0, 0}, {255, 112, 112}, {255, 80, 80}, {255, 112, 112}}}));
  const std::tuple<HelpChoice, int, bool> cases[] = {
      {kHelpRed, 4, true},           {{true, 3, 11, 705}, 4, true}, {kCase705, 1, true},
      {kCase705, 7, true},           {{true, 4, 10, 12}, 4, false}, {{false, 4, 11, 12}, 4, false},
      {{true, 3, 11, 12}, 4, false}, {{true, 8, 11, 12}, 8, false}, {kCase705, 0, false},
      {kCase705, 8, false}};
  for (const auto& [help, piece, shown] : cases)
    EXPECT_EQ(isHighlighted(help, piece), shown) << piece << " " << help.caseNumber;
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

// A canvas that writes down what it is handed, one line a shape.
struct ShapeLog : FigureCanvas {
  static std::string points(std::span<const Point> path) {
    std::string text;
    for (const Point& p : path)
      text += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    return text;
  }
  static std::string colour(Rgb c) {
    return std::to_string(c.r) + "/" + std::to_string(c.g) + "/" + std::to_string(c.b);
  }
  void cubeFace(const CubeFace& face) override {
    const char* side[] = {"left", "right", "top"};
    shapes.push_back(std::string(side[static_cast<int>(face.side)]) +
                     (face.fill == FaceFill::Solid ? " solid " : " hatched ") +
                     colour(face.colour) + points(face.corners));
  }
  void cubeEdges(std::span<const Point> path, Rgb c) override {
    shapes.push_back("edges " + colour(c) + points(path));
  }
  void planSquare(const PlanSquare& s) override {
    shapes.push_back("square " + std::to_string(s.row) + "," + std::to_string(s.column) + " of " +
                     std::to_string(s.rowCount) + "x" + std::to_string(s.rowLength) + " cube " +
                     std::to_string(s.cube) + " piece " + std::to_string(s.piece) + " " +
                     colour(s.outline) + " " + colour(s.interior) + " " + colour(s.mark));
  }
  std::vector<std::string> shapes;
};

// The shapes of a figure, worked by hand at zoom 1 from the origin (100, 100): cube 1 at
// (1, 1, 1), anchor (100, 90 - 18 + 16) = (100, 88), shown, piece 4 highlighted; cube 2 at
// (1, 1, 2), one column on, anchor (116, 96), hidden, piece 2 not highlighted. Each cube's
// three faces, then its edges; then the plan's two squares, row 1, columns 1 and 2.
TEST(FigureDescription, FacesEdgesAndPlanSquaresBackToFrontWithTheirShades) {
  FigureFields figure;
  figure.cubeSide = 4;
  figure.cells(1, 1, 1) = 1;
  figure.cells(1, 1, 2) = 2;
  figure.cubes[1][kPieceColumn] = 4;
  figure.cubes[1][kStateColumn] = kCubeShown;
  figure.cubes[2][kPieceColumn] = 2;
  figure.cubes[2][kStateColumn] = kCubeHidden;
  ShapeLog log;
  EXPECT_FALSE(describeCubes(log, figure, Projection{1, 100, 90}, kHelpRed));
  describePlan(log, buildSchematicRows(figure.cells, 4), figure.cubes, kHelpRed);
  EXPECT_EQ(log.shapes,
            (std::vector<std::string>{
                "left solid 255/80/80 100,88 116,96 116,114 100,106",
                "right solid 255/112/112 116,96 132,88 132,106 116,114",
                "top solid 255/0/0 100,88 116,96 132,88 116,80",
                "edges 0/0/0 100,88 100,106 116,114 116,96 100,88 116,80 132,88 116,96",
                "edges 0/0/0 116,114 132,106 132,88",
                "left hatched 0/0/0 116,96 132,104 132,122 116,114",
                "right hatched 0/0/0 132,104 148,96 148,114 132,122",
                "top hatched 0/0/0 116,96 132,104 148,96 132,88",
                "edges 0/0/0 116,96 116,114 132,122 132,104 116,96 132,88 148,96 132,104",
                "edges 0/0/0 132,122 148,114 148,96",
                "square 1,1 of 1x3 cube 1 piece 4 128/128/128 255/0/0 0/0/0",
                "square 1,2 of 1x3 cube 2 piece 2 192/192/192 192/192/192 192/192/192",
            }));
}

// Each cube at zoom 0.5 anchored at (3, 7), drawn over a colour that shows the pixels it leaves
// alone, with a blank pixel around the worked rows.
TEST(PerspectiveCube, ShadedAndFaintCubesAreTheWorkedPicturesInThePiecesShades) {
  const PieceShades& red = pieceShades(4);
  constexpr Rgb kBehind{0, 200, 0};
  struct Case {
    decltype(&drawShadedCube) draw;
    HelpChoice help;
    Rgb top, left, right, edges;
  };
  for (const Case& c : {Case{drawShadedCube, kHelpOff, kWhite, kGrey, kLight, kBlack},
                        Case{drawShadedCube, kHelpRed, red.full, red.left, red.right, kBlack},
                        Case{drawFaintCube, kHelpOff, kBlack, kBlack, kBlack, kBlack},
                        Case{drawFaintCube, kHelpRed, red.full, red.full, red.full, red.full}}) {
    SCOPED_TRACE(::testing::Message() << "help " << c.help.chosenPiece);
    RasterSurface surface(24, 24);
    paintAll(surface, kBehind);
    c.draw(surface, CubeAnchor{3, 7}, CellSteps{8, 4, 9}, 4, c.help);
    EXPECT_EQ(inkedBox(surface, kBehind), (Box{3, 3, 19, 20}));
    EXPECT_EQ(
        pixelPicture(surface, 3, 3, 17, 18,
                     {{kBehind, '.'}, {c.top, 'T'}, {c.left, 'L'}, {c.right, 'R'}, {c.edges, '#'}}),
        c.draw == drawShadedCube ? kShadedHalfZoom : kFaintHalfZoom);
    EXPECT_EQ(surface.colour(), c.edges);
  }
}

// Rods the whole side of the drawing cube long along each axis, shown and hidden cubes in
// turn, and a cube alone in its far corner: at every zoom each is drawn from pixel (1, 1) to its
// measured width and height.
TEST(DrawFigure, FillsTheMeasuredBoxOutToTheFarFacesOfTheDrawingCube) {
  std::vector<FigureFields> figures;
  for (int side : {4, 8, 16}) {
    for (int axis = 0; axis < 3; ++axis) {
      FigureFields& rod = figures.emplace_back();
      rod.cubeSide = static_cast<std::int16_t>(side);
      rod.cubes[1][kStateColumn] = kCubeShown;
      rod.cubes[2][kStateColumn] = kCubeHidden;
      for (int n = 1; n <= side; ++n)
        rod.cells(axis == 0 ? n : 1, axis == 1 ? n : 1, axis == 2 ? n : 1) = 1 + n % 2;
    }
  }
  figures.push_back(figures.back());
  figures.back().cells.clear();
  figures.back().cells(1, 1, 16) = 1;

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
  RasterSurface figureView(640, 480), planSurface(143, 115), expected(640, 480);
  drawShadedCube(expected, CubeAnchor{620, 460}, kZoomOne, 1, kCase705);
  drawFaintCube(expected, CubeAnchor{636, 468}, kZoomOne, 4, kCase705);
  const RasterSurface beforeStateZero = expected;
  drawShadedCube(expected, CubeAnchor{604, 468}, kZoomOne, 2, kCase705);
  drawShadedCube(expected, CubeAnchor{620, 442}, kZoomOne, 7, kCase705);
  CubeletRows cubes = figure.cubes;
  drawPlan(expected, planSurface, plan, cubes, kCase705);

  const Projection projection{1, 620, 462};
  EXPECT_FALSE(drawFigure(figureView, planSurface, figure, projection, plan, kCase705));
  EXPECT_EQ(figureView, expected);
  EXPECT_EQ(figure.cubes[1][kSquareXColumn], 632);  // where the schematic puts cube 1

  figure.cubes[3][kStateColumn] = 0;
  figure.cubes[1][kSquareXColumn] = 77;
  const auto impossible = drawFigure(figureView, planSurface, figure, projection, plan, kCase705);
  ASSERT_TRUE(impossible);
  EXPECT_EQ((std::array{impossible->i, impossible->j, impossible->k, impossible->cube}),
            (std::array{1, 2, 1, 3}));
  EXPECT_EQ(figureView, beforeStateZero);
  EXPECT_EQ(figure.cubes[1][kSquareXColumn], 77);
}

// Two layers of two rows and one column become two rows of four cells, each layer followed by
// its gap, drawn from 639 - 7 * 4 = 611, 479 - 7 * 2 = 465 with marks from 144 - 3 * 4 = 132,
// 113 - 3 * 2 = 107. Help is on with piece 4: cube 1 shown and cube 2 hidden are rojo, cube 3
// shown is not; the empty cell is white inside.
TEST(Schematic, CellsSquaresAndMarksByStateLayerBesideLayerInTheBottomRightCorner) {
  FigureFields figure;
  figure.cells(2, 4, 3) = 1;
  figure.cells(3, 4, 3) = 2;
  figure.cells(3, 5, 3) = 3;
  for (const auto& [c, piece, state] :
       {std::array{1, 4, int{kCubeShown}}, {2, 4, int{kCubeHidden}}, {3, 2, int{kCubeShown}}}) {
    figure.cubes[c][kPieceColumn] = static_cast<std::int16_t>(piece);
    figure.cubes[c][kStateColumn] = static_cast<std::int16_t>(state);
  }
  RasterSurface figureView(640, 480), planSurface(143, 115);
  drawPlan(figureView, planSurface, buildSchematicRows(figure.cells, 8), figure.cubes, kHelpRed);

  // Cube 0 keeps the square of the last empty cell visited.
  for (int c = 0; c < 4; ++c)  // x * 1000 + y
    EXPECT_EQ(figure.cubes[c][kSquareXColumn] * 1000 + figure.cubes[c][kSquareYColumn],
              (std::array{611472, 611465, 625465, 625472}[c]));
  // g grey, r rojo, t its tint, l light grey.
  EXPECT_EQ(
      pixelPicture(figureView, 610, 464, 22, 15,
                   {{kGrey, 'g'}, {{255, 0, 0}, 'r'}, {{255, 112, 112}, 't'}, {kLight, 'l'}}),
      (Picture{"......................", ".gggggg........llllll.", ".grrrrg........lttttl.",
               ".grrrrg........lttttl.", ".grrrrg........lttttl.", ".grrrrg........lttttl.",
               ".gggggg........llllll.", "......................", ".llllll........gggggg.",
               ".l....l........gggggg.", ".l....l........gggggg.", ".l....l........gggggg.",
               ".l....l........gggggg.", ".llllll........gggggg.", "......................"}));
  EXPECT_EQ(inkedBox(figureView), (Box{611, 465, 630, 477}));
  EXPECT_EQ(pixelPicture(planSurface, 131, 106, 10, 7, {{kBlack, '#'}, {kLight, 'l'}}),
            (Picture{"..........", ".##....ll.", ".##....ll.", "..........", ".ll....##.",
                     ".ll....##.", ".........."}));
}

}  // namespace
}  // namespace vexolite
