// One cube in the parallel projection: the shaded solid and the hatched ghost, pixel by pixel.
#include "drawing/perspective_cube.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixel_picture.h"

namespace vexolite {
namespace {

using Picture = std::vector<std::string>;

constexpr CellSteps kHalfZoom{8, 4, 9};
constexpr CellSteps kZoomOne{16, 8, 18};
constexpr HelpChoice kHelpOff{};
constexpr HelpChoice kCase705{false, 0, 1, 705};

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kLight{192, 192, 192};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kRedLeft{255, 80, 80};
constexpr Rgb kRedRight{255, 112, 112};

// Adds a blank pixel around a picture worked out for columns X..X+16, rows Y-4..Y+13.
Picture framed(const Picture& inner) {
  Picture rows{std::string(inner.front().size() + 2, '.')};
  for (const std::string& row : inner)
    rows.push_back("." + row + ".");
  rows.push_back(rows.front());
  return rows;
}

// A cube at zoom 0.5 with its anchor at (3, 7); the picture covers X-1..X+17, Y-5..Y+14.
constexpr CubeAnchor kSmallAnchor{3, 7};
Picture smallCubePicture(const RasterSurface& surface, std::initializer_list<Ink> legend) {
  return pixelPicture(surface, 2, 2, 19, 20, legend);
}

// Worked out line by line: faces left (L), right (R), top (T), then the black edges (#). Halves
// of the half-slope edges go up, so each face's fill meets its edges with no white pixel
// between them and none of it shows outside them.
const Picture kShadedHalfZoom{
    ".......###.......",  // Y-4: B, with the edges L-B and B-R beside it
    ".....##TTT##.....",  //
    "...##TTTTTTT##...",  //
    ".##TTTTTTTTTTT##.",  //
    "##TTTTTTTTTTTTT##",  // Y: L and R
    "#L##TTTTTTTTT##R#",  //
    "#LLL##TTTTT##RRR#",  //
    "#LLLLL##T##RRRRR#",  //
    "#LLLLLLL#RRRRRRR#",  // Y+4: F
    "#LLLLLLL#RRRRRRR#",  //
    "#LLLLLLL#RRRRRRR#",  //
    "#LLLLLLL#RRRRRRR#",  //
    "#LLLLLLL#RRRRRRR#",  //
    "##LLLLLL#RRRRRR##",  // Y+9: L' and R'
    "..##LLLL#RRRR##..",  //
    "....##LL#RR##....",  //
    "......#####......",  //
    "........#........",  // Y+13: F'
};

TEST(ShadedCube, AtHalfZoomIsTheWorkedPictureInThePieceShades) {
  RasterSurface surface(24, 24);
  DIBUJAPERPIC(surface, kSmallAnchor, kHalfZoom, 4, kCase705);
  EXPECT_EQ(
      smallCubePicture(surface, {{kBlack, '#'}, {kRed, 'T'}, {kRedLeft, 'L'}, {kRedRight, 'R'}}),
      framed(kShadedHalfZoom));
  EXPECT_EQ(surface.colour(), kBlack);
}

TEST(ShadedCube, AtHalfZoomIsWhiteOnTopGreyLeftAndLightGreyRightWhenNotHighlighted) {
  Picture neutral = kShadedHalfZoom;
  for (std::string& row : neutral) {
    for (char& pixel : row) {
      if (pixel == 'T') pixel = '.';
    }
  }
  RasterSurface surface(24, 24);
  DIBUJAPERPIC(surface, kSmallAnchor, kHalfZoom, 4, kHelpOff);
  EXPECT_EQ(smallCubePicture(surface, {{kBlack, '#'}, {kGrey, 'L'}, {kLight, 'R'}}),
            framed(neutral));
}

// A cube at zoom 1 anchored at (20, 30).
constexpr int kX = 20;
constexpr int kY = 30;

TEST(ShadedCube, AtZoomOneCoversColumnsXToXPlus32AndRowsYMinus8ToYPlus26) {
  RasterSurface surface(80, 80);
  DIBUJAPERPIC(surface, CubeAnchor{kX, kY}, kZoomOne, 4, kCase705);
  EXPECT_EQ(inkedBox(surface), (InkedBox{false, kX, kY - 8, kX + 32, kY + 26}));

  // The outline's corners L, L', F', R', R, B and the inner corner F.
  for (auto [x, y] : {std::pair{kX, kY},
                      {kX, kY + 18},
                      {kX + 16, kY + 26},
                      {kX + 32, kY + 18},
                      {kX + 32, kY},
                      {kX + 16, kY - 8},
                      {kX + 16, kY + 8}}) {
    EXPECT_EQ(surface.pixel(x, y), kBlack) << x << ", " << y;
  }
  // The three vertical edges L-L', F-F', R-R' are whole.
  for (int y = kY; y <= kY + 18; ++y) {
    EXPECT_EQ(surface.pixel(kX, y), kBlack) << y;
    EXPECT_EQ(surface.pixel(kX + 32, y), kBlack) << y;
  }
  for (int y = kY + 8; y <= kY + 26; ++y)
    EXPECT_EQ(surface.pixel(kX + 16, y), kBlack) << y;
  // Above F the column X+16 is top face up to B; along Y the top face runs from X+2 to X+30
  // between the pixels of the edges.
  for (int y = kY - 7; y <= kY + 7; ++y)
    EXPECT_EQ(surface.pixel(kX + 16, y), kRed) << y;
  for (int x = kX; x <= kX + 32; ++x) {
    EXPECT_EQ(surface.pixel(x, kY), (x <= kX + 1 || x >= kX + 31) ? kBlack : kRed) << x;
  }
  // The side faces, halfway down.
  EXPECT_EQ(surface.pixel(kX + 8, kY + 12), kRedLeft);
  EXPECT_EQ(surface.pixel(kX + 24, kY + 12), kRedRight);
}

TEST(ShadedCube, AtZoomOneEdgesStayBlackAndFacesTakeTheNeutralShades) {
  RasterSurface surface(80, 80);
  DIBUJAPERPIC(surface, CubeAnchor{kX, kY}, kZoomOne, 4, kHelpOff);
  EXPECT_EQ(inkedBox(surface), (InkedBox{false, kX, kY - 8, kX + 32, kY + 26}));
  EXPECT_EQ(surface.pixel(kX + 16, kY), kWhite);
  EXPECT_EQ(surface.pixel(kX + 8, kY + 12), kGrey);
  EXPECT_EQ(surface.pixel(kX + 24, kY + 12), kLight);
  EXPECT_EQ(surface.pixel(kX + 16, kY + 20), kBlack);
  // Only black, the two greys and white are used.
  EXPECT_EQ(countPixels(surface, kBlack) + countPixels(surface, kGrey) +
                countPixels(surface, kLight) + countPixels(surface, kWhite),
            80 * 80);
}

TEST(ShadedCube, TakesEachPiecesShadesInCase705AndOnlyTheChosenPieceBeyondTenSolutions) {
  struct Shades {
    Rgb top, left, right;
  };
  const Shades palette[7] = {
      {{0, 0, 255}, {80, 80, 255}, {112, 112, 255}},
      {{0, 255, 0}, {150, 255, 150}, {210, 255, 210}},
      {{0, 255, 255}, {150, 255, 255}, {210, 255, 255}},
      {{255, 0, 0}, {255, 80, 80}, {255, 112, 112}},
      {{255, 0, 255}, {255, 80, 255}, {255, 112, 255}},
      {{255, 255, 0}, {255, 255, 150}, {255, 255, 210}},
      {{80, 80, 80}, {112, 112, 112}, {144, 144, 144}},
  };
  auto faces = [](int piece, const HelpChoice& help) {
    RasterSurface surface(80, 80);
    DIBUJAPERPIC(surface, CubeAnchor{kX, kY}, kZoomOne, piece, help);
    return Shades{surface.pixel(kX + 16, kY), surface.pixel(kX + 8, kY + 12),
                  surface.pixel(kX + 24, kY + 12)};
  };
  auto same = [](const Shades& a, const Shades& b) {
    return a.top == b.top && a.left == b.left && a.right == b.right;
  };
  const Shades neutral{kWhite, kGrey, kLight};
  for (int piece = 1; piece <= 7; ++piece) {
    SCOPED_TRACE(piece);
    const Shades& own = palette[piece - 1];
    EXPECT_TRUE(same(faces(piece, kCase705), own));
    EXPECT_TRUE(same(faces(piece, HelpChoice{true, piece, 11, 12}), own));
    EXPECT_TRUE(same(faces(piece, HelpChoice{true, piece, 10, 12}), neutral));
    EXPECT_TRUE(same(faces(piece, HelpChoice{true, piece % 7 + 1, 11, 12}), neutral));
    EXPECT_TRUE(same(faces(piece, HelpChoice{true, 0, 11, 12}), neutral));
  }
}

// The ghost at zoom 0.5: every second line of each face and every second column of the top,
// and the same edges, all in one colour.
const Picture kFaintHalfZoom{
    ".......####......",  // Y-4
    ".....##.#.##.....",  //
    "...##.#.#.#.##...",  //
    ".##.#.#.#.#.#.##.",  //
    "###.#.#.#.#.#.###",  // Y
    "#.###.#.#.#.#####",  //
    "##..###.#.####..#",  //
    "#.##..######..###",  //
    "##..##..###.##..#",  // Y+4
    "#.##..###.##..###",  //
    "##..##..##..##..#",  //
    "#.##..###.##..###",  //
    "##..##..##..##..#",  //
    "####..###.##..###",  // Y+9
    "..####..##..###..",  //
    "....#####.###....",  //
    "......#####......",  //
    "........#........",  // Y+13
};

TEST(FaintCube, AtHalfZoomIsTheWorkedHatchingInBlackOrThePiecesFullColour) {
  RasterSurface black(24, 24);
  DIBUJAPERTENUPIC(black, kSmallAnchor, kHalfZoom, 4, kHelpOff);
  EXPECT_EQ(smallCubePicture(black, {{kBlack, '#'}}), framed(kFaintHalfZoom));
  EXPECT_EQ(black.colour(), kBlack);

  RasterSurface red(24, 24);
  DIBUJAPERTENUPIC(red, kSmallAnchor, kHalfZoom, 4, HelpChoice{true, 4, 11, 12});
  EXPECT_EQ(smallCubePicture(red, {{kRed, '#'}}), framed(kFaintHalfZoom));
  EXPECT_EQ(red.colour(), kRed);

  RasterSurface tenSolutions(24, 24);
  DIBUJAPERTENUPIC(tenSolutions, kSmallAnchor, kHalfZoom, 4, HelpChoice{true, 4, 10, 12});
  EXPECT_EQ(smallCubePicture(tenSolutions, {{kBlack, '#'}}), framed(kFaintHalfZoom));
}

TEST(FaintCube, UsesEachPiecesFullColourInCase705) {
  const Rgb full[7] = {{0, 0, 255},   {0, 255, 0},   {0, 255, 255}, {255, 0, 0},
                       {255, 0, 255}, {255, 255, 0}, {80, 80, 80}};
  RasterSurface reference(24, 24);
  DIBUJAPERTENUPIC(reference, kSmallAnchor, kHalfZoom, 1, kHelpOff);
  const int inked = countPixels(reference, kBlack);
  for (int piece = 1; piece <= 7; ++piece) {
    SCOPED_TRACE(piece);
    RasterSurface surface(24, 24);
    DIBUJAPERTENUPIC(surface, kSmallAnchor, kHalfZoom, piece, kCase705);
    EXPECT_EQ(countPixels(surface, full[piece - 1]), inked);
    EXPECT_EQ(countPixels(surface, kWhite), 24 * 24 - inked);
  }
}

TEST(FaintCube, LeavesEveryPixelBetweenItsLinesAsItWas) {
  constexpr Rgb kBehind{0, 200, 0};
  RasterSurface onWhite(80, 80);
  RasterSurface onGreen(80, 80);
  paintAll(onGreen, kBehind);
  DIBUJAPERTENUPIC(onWhite, CubeAnchor{kX, kY}, kZoomOne, 4, kHelpOff);
  DIBUJAPERTENUPIC(onGreen, CubeAnchor{kX, kY}, kZoomOne, 4, kHelpOff);
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 80; ++x) {
      ASSERT_EQ(onGreen.pixel(x, y), onWhite.pixel(x, y) == kBlack ? kBlack : kBehind)
          << x << ", " << y;
    }
  }
}

TEST(FaintCube, AtZoomOneHatchesRowsZeroToSixteenAndTheWorkedTopColumns) {
  RasterSurface surface(80, 80);
  DIBUJAPERTENUPIC(surface, CubeAnchor{kX, kY}, kZoomOne, 4, kHelpOff);
  EXPECT_EQ(inkedBox(surface), (InkedBox{false, kX, kY - 8, kX + 32, kY + 26}));

  // The first column of each side face, where line n starts n rows down: lines n = 0, 2, ...,
  // 16 are drawn, the odd ones are not. Rows 0 and 1 of the left face's column belong to the
  // edges L-B and F-L, row 0 of the right face's column to the edge R-F, and the rows below
  // the last line to the lower edges L'-F' and F'-R'.
  for (int n = 2; n <= 17; ++n) {
    EXPECT_EQ(surface.pixel(kX + 1, kY + n), n % 2 == 0 ? kBlack : kWhite) << n;
  }
  for (int n = 1; n <= 16; ++n) {
    EXPECT_EQ(surface.pixel(kX + 17, kY + 8 + n), n % 2 == 0 ? kBlack : kWhite) << n;
  }

  // Top, left half: column X+2+2m reaches m up and m + 1 down from Y (the lower end left out),
  // edge to edge.
  for (int m = 0; m <= 8; ++m) {
    for (int y = kY - m; y <= kY + m; ++y) {
      EXPECT_EQ(surface.pixel(kX + 2 + 2 * m, y), kBlack) << m << ", " << y;
    }
  }
  // Top, right half: columns X+18..X+32, reaching up 6, 5, 4, 3, 2, 1, 0, 0 and down 8, 7, ...,
  // 1 pixels from Y.
  const int up[8] = {6, 5, 4, 3, 2, 1, 0, 0};
  for (int m = 0; m < 8; ++m) {
    const int down = 8 - m;
    for (int y = kY - up[m]; y < kY + down; ++y) {
      EXPECT_EQ(surface.pixel(kX + 18 + 2 * m, y), kBlack) << m << ", " << y;
    }
  }
  // The columns between the hatching stay open along Y.
  for (int x = kX + 3; x <= kX + 29; x += 2)
    EXPECT_EQ(surface.pixel(x, kY), kWhite) << x;
}

}  // namespace
}  // namespace vexolite
