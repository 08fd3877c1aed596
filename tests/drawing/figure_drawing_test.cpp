// The figure in the parallel projection: one cube pixel by pixel, then cells in order and the
// schematic over them.
// SPDX-License-Identifier: MIT
#include "drawing/figure_drawing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "drawing/perspective_cube.h"
#include "support/pixel_picture.h"

namespace vexolite {
namespace {

using Picture = std::vector<std::string>;

constexpr CellSteps kHalfZoom{8, 4, 9};
constexpr CellSteps kZoomOne{16, 8, 18};
constexpr HelpChoice kHelpOff{};
constexpr HelpChoice kCase705{false, 0, 1, 705};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kLight{192, 192, 192};
constexpr Rgb kBehind{0, 200, 0};

struct Shades {
  Rgb top, left, right;
  bool operator==(const Shades&) const = default;
};
constexpr Shades kNeutral{kWhite, kGrey, kLight};
// Each piece's top (its full colour), left and right face.
constexpr Shades kPalette[7] = {
    {{0, 0, 255}, {80, 80, 255}, {112, 112, 255}},
    {{0, 255, 0}, {150, 255, 150}, {210, 255, 210}},
    {{0, 255, 255}, {150, 255, 255}, {210, 255, 255}},
    {{255, 0, 0}, {255, 80, 80}, {255, 112, 112}},
    {{255, 0, 255}, {255, 80, 255}, {255, 112, 255}},
    {{255, 255, 0}, {255, 255, 150}, {255, 255, 210}},
    {{80, 80, 80}, {112, 112, 112}, {144, 144, 144}},
};

constexpr int kX = 20;
constexpr int kY = 30;

// A cube at zoom 0.5 anchored at (3, 7): the picture covers X-1..X+17, Y-5..Y+14, the worked
// rows X..X+16, Y-4..Y+13 with a blank pixel around them.
Picture smallCube(const RasterSurface& surface, std::initializer_list<Ink> legend) {
  return pixelPicture(surface, 2, 2, 19, 20, legend);
}
Picture framed(Picture rows) {
  for (std::string& row : rows)
    row = "." + row + ".";
  rows.insert(rows.begin(), std::string(19, '.'));
  rows.push_back(rows.front());
  return rows;
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

// At zoom 0.5 a cube anchored at (3, 7), at zoom 1 one anchored at (X, Y) = (20, 30), each
// drawn over a colour that shows which pixels it leaves alone.
struct Drawn {
  RasterSurface small{24, 24}, large{80, 80};
  Drawn(decltype(&drawShadedCube) draw, int piece, const HelpChoice& help) {
    paintAll(small, kBehind);
    paintAll(large, kBehind);
    draw(small, CubeAnchor{3, 7}, kHalfZoom, piece, help);
    draw(large, CubeAnchor{kX, kY}, kZoomOne, piece, help);
  }
};

TEST(ShadedCube, IsTheWorkedPictureAtHalfZoomAndItsOutlineAtZoomOneInTheRightShades) {
  for (int piece = 1; piece <= 7; ++piece) {
    struct Case {
      HelpChoice help;
      bool highlighted;
    };
    const int other = piece % 7 + 1;
    for (const Case& c : {Case{kCase705, true}, Case{{true, other, 11, 705}, true},
                          Case{{true, piece, 11, 12}, true}, Case{{true, piece, 3000, 1}, true},
                          Case{{true, piece, 10, 12}, false}, Case{{false, piece, 11, 12}, false},
                          Case{{true, other, 11, 12}, false}, Case{{true, 0, 11, 12}, false},
                          Case{{false, 0, 1, 704}, false}, Case{kHelpOff, false}}) {
      SCOPED_TRACE(::testing::Message() << "piece " << piece << " help " << c.help.helpWithPiece
                                        << " chosen " << c.help.chosenPiece << " solutions "
                                        << c.help.solutionCount << " case " << c.help.caseNumber);
      const Shades f = c.highlighted ? kPalette[piece - 1] : kNeutral;
      const Drawn drawn(drawShadedCube, piece, c.help);
      EXPECT_EQ(
          smallCube(drawn.small,
                    {{kBehind, '.'}, {f.top, 'T'}, {f.left, 'L'}, {f.right, 'R'}, {kBlack, '#'}}),
          framed(kShadedHalfZoom));
      EXPECT_EQ(drawn.small.colour(), kBlack);

      const RasterSurface& s = drawn.large;
      EXPECT_EQ(inkedBox(s, kBehind), (Box{kX, kY - 8, kX + 32, kY + 26}));
      EXPECT_EQ((Shades{s.pixel(kX + 16, kY), s.pixel(kX + 8, kY + 12), s.pixel(kX + 24, kY + 12)}),
                f);
      // Corner B; the vertical edges L-L', R-R', F-F' whole; the top face runs from below B to
      // above F on column X+16 and from X+2 to X+30 along Y.
      EXPECT_EQ(s.pixel(kX + 16, kY - 8), kBlack);
      for (int y = kY; y <= kY + 18; ++y) {
        EXPECT_EQ(s.pixel(kX, y), kBlack) << y;
        EXPECT_EQ(s.pixel(kX + 32, y), kBlack) << y;
        EXPECT_EQ(s.pixel(kX + 16, y + 8), kBlack) << y;
      }
      for (int y = kY - 7; y <= kY + 7; ++y)
        EXPECT_EQ(s.pixel(kX + 16, y), f.top) << y;
      for (int x = kX; x <= kX + 32; ++x)
        EXPECT_EQ(s.pixel(x, kY), (x <= kX + 1 || x >= kX + 31) ? kBlack : f.top) << x;
    }
  }
}

TEST(FaintCube, IsTheWorkedHatchingInOneColourAndLeavesThePixelsBetweenItsLinesAlone) {
  struct Case {
    int piece;
    HelpChoice help;
    Rgb ink;
  };
  std::vector<Case> cases = {{4, kHelpOff, kBlack},
                             {4, {true, 4, 11, 12}, kPalette[3].top},
                             {4, {true, 4, 10, 12}, kBlack}};
  for (int piece = 1; piece <= 7; ++piece)
    cases.push_back({piece, kCase705, kPalette[piece - 1].top});
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "piece " << c.piece << " case " << c.help.caseNumber);
    const Drawn drawn(drawFaintCube, c.piece, c.help);
    EXPECT_EQ(smallCube(drawn.small, {{c.ink, '#'}, {kBehind, '.'}}), framed(kFaintHalfZoom));
    EXPECT_EQ(countPixels(drawn.small, c.ink) + countPixels(drawn.small, kBehind), 24 * 24);
    EXPECT_EQ(drawn.small.colour(), c.ink);

    // Zoom 1: the first column of each side, where line n starts n rows down, shows lines 0, 2,
    // ..., 16; rows 0..1 of the left column and row 0 of the right one lie on the upper edges.
    const RasterSurface& s = drawn.large;
    EXPECT_EQ(inkedBox(s, kBehind), (Box{kX, kY - 8, kX + 32, kY + 26}));
    EXPECT_EQ(countPixels(s, c.ink) + countPixels(s, kBehind), 80 * 80);
    for (int n = 2; n <= 17; ++n)
      EXPECT_EQ(s.pixel(kX + 1, kY + n), n % 2 ? kBehind : c.ink) << n;
    for (int n = 1; n <= 16; ++n)
      EXPECT_EQ(s.pixel(kX + 17, kY + 8 + n), n % 2 ? kBehind : c.ink) << n;
    // The top's left half: column X+2+2m reaches m up and m down from Y; its right half: column
    // X+18+2m reaches up[m] up and 7-m down. The columns between stay open along Y.
    const int up[8] = {6, 5, 4, 3, 2, 1, 0, 0};
    for (int m = 0; m <= 8; ++m) {
      for (int y = kY - m; y <= kY + m; ++y)
        EXPECT_EQ(s.pixel(kX + 2 + 2 * m, y), c.ink) << m << ", " << y;
      for (int y = kY - up[m % 8]; m < 8 && y < kY + 8 - m; ++y)
        EXPECT_EQ(s.pixel(kX + 18 + 2 * m, y), c.ink) << m << ", " << y;
    }
    for (int x = kX + 3; x <= kX + 29; x += 2)
      EXPECT_EQ(s.pixel(x, kY), kBehind) << x;
  }
}

TEST(CellSteps, FollowTheZoomRoundedToWholePixels) {
  struct Expected {
    double zoom;
    int dx, dy, h;
  };
  for (const Expected& e : {Expected{0.5, 8, 4, 9}, Expected{1, 16, 8, 18},
                            Expected{1.5, 24, 12, 27}, Expected{2, 32, 16, 36}}) {
    const CellSteps steps = cellStepsFor(e.zoom);
    EXPECT_EQ((std::array{steps.dx, steps.dy, steps.h}), (std::array{e.dx, e.dy, e.h})) << e.zoom;
  }
}

struct Scene {
  FigureFields figure;
  RasterSurface figureView{640, 480};
  RasterSurface planSurface{143, 115};

  Scene() { figure.cubeSide = 4; }
  Scene& place(int i, int j, int k, int cube, int piece, int state = kCubeShown) {
    figure.cells(i, j, k) = static_cast<std::int16_t>(cube);
    figure.cubes[cube][kPieceColumn] = static_cast<std::int16_t>(piece);
    figure.cubes[cube][kStateColumn] = static_cast<std::int16_t>(state);
    return *this;
  }
  std::optional<ImpossibleCell> draw(const Projection& projection, const HelpChoice& help,
                                     const SchematicPlan& plan = SchematicPlan{}) {
    return drawFigure(figureView, planSurface, figure, projection, plan, help);
  }
};

TEST(DrawFigure, ClearsFigureViewAndDrawsACubeByItsStateAtItsCellsAnchor) {
  // Zoom 1, origin (1, 11): cell (1, 1, 1) is anchored at (1 - 16 + 16, 11 - 18 + 8 + 8).
  for (int state : {int{kCubeShown}, int{kCubeHidden}, 3}) {
    Scene scene;
    scene.figureView.plot(300, 300);
    scene.planSurface.plot(5, 5);
    scene.place(1, 1, 1, 1, 3, state);
    EXPECT_FALSE(scene.draw(Projection{1, 1, 11}, kHelpOff).has_value());
    RasterSurface expected(640, 480);
    if (state == kCubeShown) drawShadedCube(expected, CubeAnchor{1, 9}, kZoomOne, 3, kHelpOff);
    if (state == kCubeHidden) drawFaintCube(expected, CubeAnchor{1, 9}, kZoomOne, 3, kHelpOff);
    EXPECT_EQ(scene.figureView, expected) << "state " << state;
    EXPECT_EQ(inkedBox(scene.figureView), (state == 3 ? kNothing : Box{1, 1, 33, 35}));
    EXPECT_EQ(scene.planSurface.pixel(5, 5), kBlack);
  }
  // Zoom 0.5, origin (1, 6): anchor (1, 6 - 9 + 4 + 4) = (1, 5), 17 by 18 pixels.
  Scene small;
  small.place(1, 1, 1, 1, 3).draw(Projection{0.5, 1, 6}, kHelpOff);
  EXPECT_EQ(inkedBox(small.figureView), (Box{1, 1, 17, 18}));
}

TEST(DrawFigure, LaterCellsPaintOverEarlierOnesLayerRowColumn) {
  // Cell (1, 1, 1) is anchored at (100, 98). A layer up, the later cube's left face hangs over
  // the top face; a row on (16 left, 8 down) or a column on (16 right, 8 down), its top face
  // covers the left or right face. Either piece in the later cell wins.
  struct Overlap {
    int i, j, k, x, y;
    bool leftFace;
  };
  const int pieces[2] = {1, 4};
  for (const Overlap& o :
       {Overlap{2, 1, 1, 108, 98, true}, {1, 2, 1, 108, 107, false}, {1, 1, 2, 124, 107, false}}) {
    for (int later = 0; later < 2; ++later) {
      Scene scene;
      scene.place(1, 1, 1, 1, pieces[1 - later]).place(o.i, o.j, o.k, 2, pieces[later]);
      scene.draw(Projection{1, 100, 100}, kCase705);
      EXPECT_EQ(scene.figureView.pixel(o.x, o.y),
                o.leftFace ? kPalette[pieces[later] - 1].left : kPalette[pieces[later] - 1].top)
          << o.i << o.j << o.k << " later piece " << pieces[later];
    }
  }
}

TEST(DrawFigure, StopsAtACubeInStateZeroAndDrawsNothingAfterIt) {
  Scene scene;
  scene.place(1, 1, 1, 1, 1).place(1, 1, 2, 2, 1, 0).place(2, 1, 1, 3, 1);
  scene.figure.cubes[1][kSquareXColumn] = 77;
  SchematicPlan plan;
  plan.rows[1] = std::string{'\1', '\2', '\3'};
  plan.rowCount = 1;

  const std::optional<ImpossibleCell> impossible =
      scene.draw(Projection{1, 100, 100}, kHelpOff, plan);
  ASSERT_TRUE(impossible.has_value());
  EXPECT_EQ((std::array{impossible->i, impossible->j, impossible->k, impossible->cube}),
            (std::array{1, 1, 2, 2}));
  // Only cube 1 drawn; no schematic, no positions recorded.
  RasterSurface first(640, 480);
  drawShadedCube(first, CubeAnchor{100, 98}, kZoomOne, 1, kHelpOff);
  EXPECT_EQ(scene.figureView, first);
  EXPECT_EQ(inkedBox(scene.planSurface), kNothing);
  EXPECT_EQ(scene.figure.cubes[1][kSquareXColumn], 77);
}

TEST(DrawFigure, TheSchematicLiesOverTheFigureInTheCorner) {
  // A cube anchored at (620, 460) covers the corner where the one-cell schematic's square
  // (632..637, 472..477) and mark (141, 110) go: its left face holds (630..634, 472..474).
  Scene scene;
  scene.place(1, 1, 1, 1, 4);
  SchematicPlan plan;
  plan.rows[1] = std::string{'\1'};
  plan.rowCount = 1;
  scene.draw(Projection{1, 620, 462}, HelpChoice{true, 4, 11, 12}, plan);

  EXPECT_EQ(scene.figure.cubes[1][kSquareXColumn], 632);
  EXPECT_EQ(scene.figure.cubes[1][kSquareYColumn], 472);
  EXPECT_EQ(scene.figureView.pixel(630, 474), kPalette[3].left);
  EXPECT_EQ(scene.figureView.pixel(632, 472), kGrey);
  EXPECT_EQ(scene.figureView.pixel(634, 474), kPalette[3].top);
  EXPECT_EQ(inkedBox(scene.planSurface), (Box{141, 110, 142, 111}));
}

}  // namespace
}  // namespace vexolite
