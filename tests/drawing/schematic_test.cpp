// The schematic: its 6 x 6 squares and 2 x 2 marks, aligned on the bottom right, positions kept.
// SPDX-License-Identifier: MIT
#include "drawing/schematic.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "drawing/schematic_glyphs.h"
#include "support/pixel_picture.h"

namespace vexolite {
namespace {

using Picture = std::vector<std::string>;

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kLight{192, 192, 192};
constexpr Rgb kBehind{0, 200, 0};  // painted first: a glyph must cover every pixel it owns
constexpr HelpChoice kHelpOff{};
constexpr HelpChoice kHelpRed{true, 4, 11, 12};  // help with piece 4 (rojo), 11 solutions
constexpr HelpChoice kCase705{false, 0, 1, 705};

std::string codes(std::initializer_list<int> cells) {
  std::string row;
  for (int code : cells)
    row += static_cast<char>(code);
  return row;
}

CubeletRows allShown() {
  CubeletRows cubelets{};
  for (int c = 1; c <= 27; ++c) {
    cubelets[c][kPieceColumn] = static_cast<std::int16_t>((c - 1) % 7 + 1);
    cubelets[c][kStateColumn] = kCubeShown;
  }
  return cubelets;
}

std::pair<int, int> squareOf(const CubeletRows& cubelets, int cube) {
  return {cubelets[cube][kSquareXColumn], cubelets[cube][kSquareYColumn]};
}

TEST(Glyphs, SquareBorderAndInsideAndMarkTakeTheColoursOfEachMode) {
  struct Case {
    const char* name;
    bool filled;
    int state, piece;
    HelpChoice help;
    Rgb border, inside, mark;
  };
  std::vector<Case> cases = {
      {"filled", true, 0, 4, kHelpOff, kGrey, kGrey, kBlack},
      {"filled chosen", true, 0, 4, kHelpRed, kGrey, {255, 0, 0}, kBlack},
      {"filled other piece", true, 0, 3, kHelpRed, kGrey, kGrey, kBlack},
      {"filled 10 solutions", true, 0, 4, {true, 4, 10, 12}, kGrey, kGrey, kBlack},
      {"empty cell", false, 0, 0, kHelpOff, kLight, kWhite, kLight},
      {"empty cell 705", false, 0, 0, kCase705, kLight, kWhite, kLight},
      {"hidden", false, 2, 4, kHelpOff, kLight, kLight, kLight},
      {"hidden chosen", false, 2, 4, kHelpRed, kLight, {255, 112, 112}, kLight},
  };
  // Case 705: each piece's full colour inside shown cubes, its tint inside hidden ones.
  const Rgb full[7] = {{0, 0, 255},   {0, 255, 0},   {0, 255, 255}, {255, 0, 0},
                       {255, 0, 255}, {255, 255, 0}, {80, 80, 80}};
  const Rgb tint[7] = {{112, 112, 255}, {150, 255, 150}, {150, 255, 255}, {255, 112, 112},
                       {255, 112, 255}, {255, 255, 150}, {144, 144, 144}};
  for (int p = 1; p <= 7; ++p) {
    cases.push_back({"filled 705", true, 0, p, kCase705, kGrey, full[p - 1], kBlack});
    cases.push_back({"hidden 705", false, 2, p, kCase705, kLight, tint[p - 1], kLight});
  }

  // The glyph at (3, 2) on FigureView and (1, 1) on PlanSurface.
  constexpr GlyphCorner kAt{3, 2, 1, 1};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.name << ", piece " << c.piece);
    RasterSurface figureView(12, 10), planSurface(4, 4);
    paintAll(figureView, kBehind);
    paintAll(planSurface, kBehind);
    if (c.filled) {
      drawCubeSquare(figureView, planSurface, kAt, c.piece, c.help);
    } else {
      drawEmptySquare(figureView, planSurface, kAt, c.state, c.piece, c.help);
    }
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 12; ++x) {
        const bool in = x >= 3 && x <= 8 && y >= 2 && y <= 7;
        const bool edge = x == 3 || x == 8 || y == 2 || y == 7;
        EXPECT_EQ(figureView.pixel(x, y), in ? (edge ? c.border : c.inside) : kBehind)
            << x << "," << y;
        if (x < 4 && y < 4) {
          const bool mark = (x == 1 || x == 2) && (y == 1 || y == 2);
          EXPECT_EQ(planSurface.pixel(x, y), mark ? c.mark : kBehind) << "mark " << x << "," << y;
        }
      }
    }
  }
}

TEST(Glyphs, AGlyphPartlyOffTheSurfaceDrawsWhatFallsOnIt) {
  RasterSurface figureView(4, 4);
  RasterSurface planSurface(2, 2);
  drawCubeSquare(figureView, planSurface, GlyphCorner{-2, -3, -1, 1}, 1, kHelpOff);
  EXPECT_EQ(pixelPicture(figureView, 0, 0, 4, 4, {{kGrey, '#'}}),
            (Picture{"####", "####", "####", "...."}));
  EXPECT_EQ(pixelPicture(planSurface, 0, 0, 2, 2, {{kBlack, '#'}}), (Picture{"..", "#."}));
}

TEST(Schematic, ThreeRowsOfTwelveStartAt555By458AndLeaveTheGapColumnsBlank) {
  // Three layers of three rows and three columns, each layer followed by its gap.
  SchematicPlan plan;
  plan.rows[1] = codes({1, 2, 3, 179, 10, 11, 12, 179, 19, 20, 21, 179});
  plan.rows[2] = codes({4, 5, 6, 179, 13, 14, 15, 179, 22, 23, 24, 179});
  plan.rows[3] = codes({7, 8, 9, 179, 16, 17, 18, 179, 25, 26, 27, 179});
  plan.rowCount = 3;
  RasterSurface figureView(640, 480), planSurface(143, 115);
  CubeletRows cubelets = allShown();
  drawPlan(figureView, planSurface, plan, cubelets, kHelpOff);

  EXPECT_EQ(squareOf(cubelets, 1), std::pair(555, 458));
  EXPECT_EQ(squareOf(cubelets, 21), std::pair(625, 458));  // position 11 of row 1
  EXPECT_EQ(squareOf(cubelets, 13), std::pair(583, 465));  // position 5 of row 2
  EXPECT_EQ(squareOf(cubelets, 27), std::pair(625, 472));

  // Grey 6 x 6 squares at a pitch of 7 to pixel 630, 477; the gaps at positions 4, 8, 12 blank.
  EXPECT_EQ(inkedBox(figureView), (Box{555, 458, 630, 477}));
  EXPECT_EQ(countPixels(figureView, kGrey), 27 * 36);
  for (int y = 458; y <= 477; ++y) {
    for (int x : {575, 576, 581, 582, 603, 604, 609, 610})
      EXPECT_EQ(figureView.pixel(x, y), kWhite) << x << ", " << y;
  }
  EXPECT_EQ(pixelPicture(figureView, 554, 457, 16, 9, {{kGrey, '#'}}),
            (Picture{"................", ".######.######.#", ".######.######.#", ".######.######.#",
                     ".######.######.#", ".######.######.#", ".######.######.#", "................",
                     ".######.######.#"}));
  // The small copy: black 2 x 2 marks at a pitch of 3 from (108, 104).
  EXPECT_EQ(inkedBox(planSurface), (Box{108, 104, 139, 111}));
  EXPECT_EQ(countPixels(planSurface, kBlack), 27 * 4);
  EXPECT_EQ(pixelPicture(planSurface, 107, 103, 14, 4, {{kBlack, '#'}}),
            (Picture{"..............", ".##.##.##....#", ".##.##.##....#", ".............."}));
}

TEST(Schematic, APlanWithoutRowsDrawsNothingAndKeepsTheRecordedPositions) {
  RasterSurface figureView(640, 480), planSurface(143, 115);
  CubeletRows cubelets = allShown();
  cubelets[1][kSquareXColumn] = 11;
  cubelets[0][kSquareXColumn] = 33;
  const CubeletRows before = cubelets;
  SchematicPlan plan;
  plan.rows[1] = codes({1, 2, 179});  // ignored: the plan has no rows
  drawPlan(figureView, planSurface, plan, cubelets, kHelpOff);
  EXPECT_EQ(cubelets, before);
  EXPECT_EQ(inkedBox(figureView), kNothing);
  EXPECT_EQ(inkedBox(planSurface), kNothing);
}

TEST(Schematic, EmptyCellsHiddenCubesAndOtherStatesTakeTheirOwnGlyphs) {
  // Two rows of four: layer one two cells wide, its gap, one cell of layer two.
  SchematicPlan plan;
  plan.rows[1] = codes({1, 0, 179, 2});
  plan.rows[2] = codes({0, 3, 179, 4});
  plan.rowCount = 2;
  CubeletRows cubelets{};
  // Cube, piece, state; state 3 means nothing: the cube is placed but not drawn.
  for (const auto& [c, piece, state] : {std::array{1, 4, int{kCubeShown}},
                                        {2, 4, int{kCubeHidden}},
                                        {3, 1, int{kCubeHidden}},
                                        {4, 2, 3}}) {
    cubelets[c][kPieceColumn] = static_cast<std::int16_t>(piece);
    cubelets[c][kStateColumn] = static_cast<std::int16_t>(state);
  }
  RasterSurface figureView(640, 480), planSurface(143, 115);
  drawPlan(figureView, planSurface, plan, cubelets, kHelpRed);

  // Origin 639 - 7 * 4 = 611, 479 - 7 * 2 = 465; cube 0 keeps the last empty cell visited.
  EXPECT_EQ(squareOf(cubelets, 1), std::pair(611, 465));
  EXPECT_EQ(squareOf(cubelets, 2), std::pair(632, 465));
  EXPECT_EQ(squareOf(cubelets, 3), std::pair(618, 472));
  EXPECT_EQ(squareOf(cubelets, 4), std::pair(632, 472));
  EXPECT_EQ(squareOf(cubelets, 0), std::pair(611, 472));

  // g grey, r red (piece 4's full colour), t piece 4's tint, l light grey; 625..630 the gap.
  const std::string blank(29, '.');
  const std::string gap(8, '.');
  EXPECT_EQ(
      pixelPicture(figureView, 610, 464, 29, 15,
                   {{kGrey, 'g'}, {{255, 0, 0}, 'r'}, {{255, 112, 112}, 't'}, {kLight, 'l'}}),
      (Picture{blank, ".gggggg.llllll" + gap + "llllll.", ".grrrrg.l....l" + gap + "lttttl.",
               ".grrrrg.l....l" + gap + "lttttl.", ".grrrrg.l....l" + gap + "lttttl.",
               ".grrrrg.l....l" + gap + "lttttl.", ".gggggg.llllll" + gap + "llllll.", blank,
               ".llllll.llllll" + gap + ".......", ".l....l.llllll" + gap + ".......",
               ".l....l.llllll" + gap + ".......", ".l....l.llllll" + gap + ".......",
               ".l....l.llllll" + gap + ".......", ".llllll.llllll" + gap + ".......", blank}));
  EXPECT_EQ(inkedBox(figureView), (Box{611, 465, 637, 477}));
  // On PlanSurface from 144 - 3 * 4 = 132, 113 - 3 * 2 = 107: no colour, only black and grey.
  EXPECT_EQ(pixelPicture(planSurface, 131, 106, 12, 7, {{kBlack, '#'}, {kLight, 'l'}}),
            (Picture{"............", ".##.ll....ll", ".##.ll....ll", "............", ".ll.ll......",
                     ".ll.ll......", "............"}));
}

}  // namespace
}  // namespace vexolite
