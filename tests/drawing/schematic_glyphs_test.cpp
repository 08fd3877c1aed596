// The schematic's glyphs: 6 x 6 squares on Picture1 and 2 x 2 marks on Picture4.
#include "drawing/schematic_glyphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixel_picture.h"

namespace vexolite {
namespace {

using Picture = std::vector<std::string>;

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kLight{192, 192, 192};
constexpr HelpChoice kHelpOff{};
// Help with piece 4 (rojo) in a case of 11 solutions.
constexpr HelpChoice kHelpRed{true, 4, 11, 12};
constexpr HelpChoice kCase705{false, 0, 1, 705};

// The glyph at (3, 2) on Picture1 and (1, 1) on Picture4; the pictures show one pixel around.
constexpr GlyphCorner kAt{3, 2, 1, 1};

struct Drawn {
  RasterSurface picture1{12, 10};
  RasterSurface picture4{4, 4};
  Picture square(std::initializer_list<Ink> legend) const {
    return pixelPicture(picture1, 2, 1, 8, 8, legend);
  }
  Picture mark(std::initializer_list<Ink> legend) const {
    return pixelPicture(picture4, 0, 0, 4, 4, legend);
  }
};

Drawn filled(int piece, const HelpChoice& help) {
  Drawn drawn;
  CUBITOLLENOPIC(drawn.picture1, drawn.picture4, kAt, piece, help);
  return drawn;
}

Drawn empty(int state, int piece, const HelpChoice& help) {
  Drawn drawn;
  CUBITOVACIOPIC(drawn.picture1, drawn.picture4, kAt, state, piece, help);
  return drawn;
}

const Picture kFullSquare{"........", ".######.", ".######.", ".######.",
                          ".######.", ".######.", ".######.", "........"};
const Picture kOutlinedSquare{"........", ".######.", ".#oooo#.", ".#oooo#.",
                              ".#oooo#.", ".#oooo#.", ".######.", "........"};
const Picture kMark{"....", ".##.", ".##.", "...."};

TEST(FilledGlyph, IsAGreySquareWithABlackMarkUnlessItsPieceIsHighlighted) {
  const Drawn neutral = filled(4, kHelpOff);
  EXPECT_EQ(neutral.square({{kGrey, '#'}}), kFullSquare);
  EXPECT_EQ(neutral.mark({{kBlack, '#'}}), kMark);

  const Drawn red = filled(4, kHelpRed);
  EXPECT_EQ(red.square({{kGrey, '#'}, {{255, 0, 0}, 'o'}}), kOutlinedSquare);
  EXPECT_EQ(red.mark({{kBlack, '#'}}), kMark);

  // Another piece in the same case, and the chosen piece with only 10 solutions, stay grey.
  EXPECT_EQ(filled(3, kHelpRed).square({{kGrey, '#'}}), kFullSquare);
  EXPECT_EQ(filled(4, HelpChoice{true, 4, 10, 12}).square({{kGrey, '#'}}), kFullSquare);
}

TEST(EmptyGlyph, IsALightGreyOutlineAroundWhiteForAnEmptyCellAndLightGreyForAHiddenCube) {
  const Drawn emptyCell = empty(0, 0, kHelpOff);
  EXPECT_EQ(emptyCell.square({{kLight, '#'}}),
            (Picture{"........", ".######.", ".#....#.", ".#....#.", ".#....#.", ".#....#.",
                     ".######.", "........"}));
  EXPECT_EQ(emptyCell.mark({{kLight, '#'}}), kMark);

  const Drawn hidden = empty(2, 4, kHelpOff);
  EXPECT_EQ(hidden.square({{kLight, '#'}}), kFullSquare);
  EXPECT_EQ(hidden.mark({{kLight, '#'}}), kMark);

  const Drawn hiddenRed = empty(2, 4, kHelpRed);
  EXPECT_EQ(hiddenRed.square({{kLight, '#'}, {{255, 112, 112}, 'o'}}), kOutlinedSquare);
  EXPECT_EQ(hiddenRed.mark({{kLight, '#'}}), kMark);

  // An empty cell has no piece: white inside even in case 705.
  EXPECT_EQ(empty(0, 0, kCase705).square({{kLight, '#'}}), emptyCell.square({{kLight, '#'}}));
}

TEST(Glyphs, Case705ShowsFullColoursInShownCubesAndTintsInHiddenOnesButNeverOnPicture4) {
  struct Colours {
    Rgb full, tint;
  };
  const Colours palette[7] = {
      {{0, 0, 255}, {112, 112, 255}},   {{0, 255, 0}, {150, 255, 150}},
      {{0, 255, 255}, {150, 255, 255}}, {{255, 0, 0}, {255, 112, 112}},
      {{255, 0, 255}, {255, 112, 255}}, {{255, 255, 0}, {255, 255, 150}},
      {{80, 80, 80}, {144, 144, 144}},
  };
  for (int piece = 1; piece <= 7; ++piece) {
    SCOPED_TRACE(piece);
    const Colours& colours = palette[piece - 1];
    const Drawn shown = filled(piece, kCase705);
    EXPECT_EQ(shown.square({{kGrey, '#'}, {colours.full, 'o'}}), kOutlinedSquare);
    EXPECT_EQ(shown.mark({{kBlack, '#'}}), kMark);
    const Drawn hidden = empty(2, piece, kCase705);
    EXPECT_EQ(hidden.square({{kLight, '#'}, {colours.tint, 'o'}}), kOutlinedSquare);
    EXPECT_EQ(hidden.mark({{kLight, '#'}}), kMark);
  }
}

TEST(Glyphs, ADrawingOverAnEarlierGlyphReplacesEveryPixelOfTheSquareAndTheMark) {
  Drawn redrawn = filled(4, kHelpRed);
  CUBITOVACIOPIC(redrawn.picture1, redrawn.picture4, kAt, 0, 0, kHelpRed);
  const Drawn fresh = empty(0, 0, kHelpRed);
  EXPECT_EQ(redrawn.picture1, fresh.picture1);
  EXPECT_EQ(redrawn.picture4, fresh.picture4);

  CUBITOLLENOPIC(redrawn.picture1, redrawn.picture4, kAt, 4, kHelpOff);
  const Drawn freshFilled = filled(4, kHelpOff);
  EXPECT_EQ(redrawn.picture1, freshFilled.picture1);
  EXPECT_EQ(redrawn.picture4, freshFilled.picture4);
}

TEST(Glyphs, AGlyphPartlyOffTheSurfaceDrawsWhatFallsOnIt) {
  RasterSurface picture1(4, 4);
  RasterSurface picture4(2, 2);
  CUBITOLLENOPIC(picture1, picture4, GlyphCorner{-2, -3, -1, 1}, 1, kHelpOff);
  EXPECT_EQ(pixelPicture(picture1, 0, 0, 4, 4, {{kGrey, '#'}}),
            (Picture{"####", "####", "####", "...."}));
  EXPECT_EQ(pixelPicture(picture4, 0, 0, 2, 2, {{kBlack, '#'}}), (Picture{"..", "#."}));
}

}  // namespace
}  // namespace vexolite
