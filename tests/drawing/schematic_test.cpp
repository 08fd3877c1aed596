// The schematic's placement: squares aligned on the bottom right, positions kept per cube.
#include "drawing/schematic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixel_picture.h"

namespace vexolite {
namespace {

using Picture = std::vector<std::string>;

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kLight{192, 192, 192};
constexpr char kGap = static_cast<char>(179);
constexpr HelpChoice kHelpOff{};

std::string codes(std::initializer_list<int> cells) {
  std::string row;
  for (int code : cells)
    row += static_cast<char>(code);
  return row;
}

struct Surfaces {
  RasterSurface picture1{640, 480};
  RasterSurface picture4{143, 115};
};

CubeletRows allShown() {
  CubeletRows cubelets{};
  for (int c = 1; c <= 27; ++c) {
    cubelets[c][kPieceColumn] = static_cast<std::int16_t>((c - 1) % 7 + 1);
    cubelets[c][kStateColumn] = kCubeShown;
  }
  return cubelets;
}

// Three layers of three rows and three columns, each layer followed by its gap.
SchematicPlan threeLayers() {
  SchematicPlan plan;
  plan.rows[1] = codes({1, 2, 3, 179, 10, 11, 12, 179, 19, 20, 21, 179});
  plan.rows[2] = codes({4, 5, 6, 179, 13, 14, 15, 179, 22, 23, 24, 179});
  plan.rows[3] = codes({7, 8, 9, 179, 16, 17, 18, 179, 25, 26, 27, 179});
  plan.rowCount = 3;
  return plan;
}

TEST(Schematic, ThreeRowsOfTwelveStartAt555By458AndLeaveTheGapColumnsBlank) {
  Surfaces s;
  CubeletRows cubelets = allShown();
  DIBUJAESQ(s.picture1, s.picture4, threeLayers(), cubelets, kHelpOff);

  EXPECT_EQ(cubelets[1][kSquareXColumn], 555);
  EXPECT_EQ(cubelets[1][kSquareYColumn], 458);
  EXPECT_EQ(cubelets[21][kSquareXColumn], 625);  // position 11 of row 1
  EXPECT_EQ(cubelets[21][kSquareYColumn], 458);
  EXPECT_EQ(cubelets[13][kSquareXColumn], 583);  // position 5 of row 2
  EXPECT_EQ(cubelets[13][kSquareYColumn], 465);
  EXPECT_EQ(cubelets[27][kSquareXColumn], 625);
  EXPECT_EQ(cubelets[27][kSquareYColumn], 472);

  // Every square a grey 6 x 6 block; the last drawn square of a row ends at pixel 630, the
  // last row at 477; the gaps at positions 4 and 8 (and 12) are blank.
  EXPECT_EQ(inkedBox(s.picture1), (InkedBox{false, 555, 458, 630, 477}));
  EXPECT_EQ(countPixels(s.picture1, kGrey), 27 * 36);
  for (int y = 458; y <= 477; ++y) {
    for (int x : {575, 576, 581, 582, 603, 604, 609, 610}) {
      EXPECT_EQ(s.picture1.pixel(x, y), kWhite) << x << ", " << y;
    }
  }
  EXPECT_EQ(pixelPicture(s.picture1, 554, 457, 16, 9, {{kGrey, '#'}}),
            (Picture{"................", ".######.######.#", ".######.######.#", ".######.######.#",
                     ".######.######.#", ".######.######.#", ".######.######.#", "................",
                     ".######.######.#"}));

  // The small copy: black 2 x 2 marks at a pitch of 3 from (108, 104).
  EXPECT_EQ(inkedBox(s.picture4), (InkedBox{false, 108, 104, 139, 111}));
  EXPECT_EQ(countPixels(s.picture4, kBlack), 27 * 4);
  EXPECT_EQ(pixelPicture(s.picture4, 107, 103, 14, 4, {{kBlack, '#'}}),
            (Picture{"..............", ".##.##.##....#", ".##.##.##....#", ".............."}));
}

TEST(Schematic, APlanWithoutRowsDrawsNothingAndKeepsTheRecordedPositions) {
  for (const std::string& firstRow : {std::string(), codes({1, 2, 179})}) {
    Surfaces s;
    CubeletRows cubelets = allShown();
    cubelets[1][kSquareXColumn] = 11;
    cubelets[1][kSquareYColumn] = 22;
    cubelets[0][kSquareXColumn] = 33;
    const CubeletRows before = cubelets;
    SchematicPlan plan;
    plan.rows[1] = firstRow;  // ignored: there are no rows to draw
    plan.rowCount = 0;
    DIBUJAESQ(s.picture1, s.picture4, plan, cubelets, kHelpOff);
    EXPECT_EQ(cubelets, before);
    EXPECT_TRUE(inkedBox(s.picture1).empty);
    EXPECT_TRUE(inkedBox(s.picture4).empty);
  }
}

TEST(Schematic, EmptyCellsHiddenCubesAndOtherStatesTakeTheirOwnGlyphs) {
  // Two rows of four: layer one two cells wide, then its gap, then one cell of layer two.
  SchematicPlan plan;
  plan.rows[1] = codes({1, 0, 179, 2});
  plan.rows[2] = codes({0, 3, 179, 4});
  plan.rowCount = 2;
  CubeletRows cubelets{};
  cubelets[1][kPieceColumn] = 4;
  cubelets[1][kStateColumn] = kCubeShown;
  cubelets[2][kPieceColumn] = 4;
  cubelets[2][kStateColumn] = kCubeHidden;
  cubelets[3][kPieceColumn] = 1;
  cubelets[3][kStateColumn] = kCubeHidden;
  cubelets[4][kPieceColumn] = 2;
  cubelets[4][kStateColumn] = 3;  // no state of the model: recorded, not drawn
  Surfaces s;
  DIBUJAESQ(s.picture1, s.picture4, plan, cubelets, HelpChoice{true, 4, 11, 12});

  // Origin 639 - 7 * 4 = 611, 479 - 7 * 2 = 465.
  auto at = [&](int c) {
    return std::pair{int{cubelets[c][kSquareXColumn]}, int{cubelets[c][kSquareYColumn]}};
  };
  EXPECT_EQ(at(1), std::pair(611, 465));
  EXPECT_EQ(at(2), std::pair(632, 465));
  EXPECT_EQ(at(3), std::pair(618, 472));
  EXPECT_EQ(at(4), std::pair(632, 472));
  EXPECT_EQ(at(0), std::pair(611, 472));  // the last empty cell visited

  // g grey, r red (piece 4's full colour), t piece 4's tint, l light grey.
  const std::string blank = std::string(29, '.');
  const std::string gap = "........";  // pixel 624, the gap column 625..630 and pixel 631
  const Picture expected{
      blank,
      ".gggggg.llllll" + gap + "llllll.",
      ".grrrrg.l....l" + gap + "lttttl.",
      ".grrrrg.l....l" + gap + "lttttl.",
      ".grrrrg.l....l" + gap + "lttttl.",
      ".grrrrg.l....l" + gap + "lttttl.",
      ".gggggg.llllll" + gap + "llllll.",
      blank,
      ".llllll.llllll" + gap + ".......",
      ".l....l.llllll" + gap + ".......",
      ".l....l.llllll" + gap + ".......",
      ".l....l.llllll" + gap + ".......",
      ".l....l.llllll" + gap + ".......",
      ".llllll.llllll" + gap + ".......",
      blank,
  };
  EXPECT_EQ(pixelPicture(s.picture1, 610, 464, 29, 15,
                         {{kGrey, 'g'}, {{255, 0, 0}, 'r'}, {{255, 112, 112}, 't'}, {kLight, 'l'}}),
            expected);
  EXPECT_EQ(inkedBox(s.picture1), (InkedBox{false, 611, 465, 637, 477}));

  // On Picture4 from 144 - 3 * 4 = 132, 113 - 3 * 2 = 107: no colour, only black and grey.
  EXPECT_EQ(pixelPicture(s.picture4, 131, 106, 12, 7, {{kBlack, '#'}, {kLight, 'l'}}),
            (Picture{"............", ".##.ll....ll", ".##.ll....ll", "............", ".ll.ll......",
                     ".ll.ll......", "............"}));
}

TEST(Schematic, ASingleCellSitsInTheBottomRightCornerOfBothSurfaces) {
  SchematicPlan plan;
  plan.rows[1] = codes({5});
  plan.rowCount = 1;
  CubeletRows cubelets = allShown();
  Surfaces s;
  DIBUJAESQ(s.picture1, s.picture4, plan, cubelets, kHelpOff);
  EXPECT_EQ(inkedBox(s.picture1), (InkedBox{false, 632, 472, 637, 477}));
  EXPECT_EQ(inkedBox(s.picture4), (InkedBox{false, 141, 110, 142, 111}));
}

TEST(Schematic, HidingACubeRedrawsItsSquareInPlaceAndMovesNoPosition) {
  CubeletRows cubelets = allShown();
  Surfaces shown;
  DIBUJAESQ(shown.picture1, shown.picture4, threeLayers(), cubelets, kHelpOff);
  const CubeletRows positions = cubelets;

  cubelets[14][kStateColumn] = kCubeHidden;
  Surfaces hidden = shown;
  DIBUJAESQ(hidden.picture1, hidden.picture4, threeLayers(), cubelets, kHelpOff);
  cubelets[14][kStateColumn] = kCubeShown;
  EXPECT_EQ(cubelets, positions);

  // Cube 14 is at (590, 465): its square is now light grey, nothing else changed.
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const bool inSquare = x >= 590 && x <= 595 && y >= 465 && y <= 470;
      ASSERT_EQ(hidden.picture1.pixel(x, y), inSquare ? kLight : shown.picture1.pixel(x, y))
          << x << ", " << y;
    }
  }
  EXPECT_EQ(hidden.picture4.pixel(123, 107), kLight);
  EXPECT_EQ(countPixels(hidden.picture4, kBlack), 26 * 4);
}

}  // namespace
}  // namespace vexolite
