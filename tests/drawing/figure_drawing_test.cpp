// The whole figure: cell steps, anchors, back-to-front order, the schematic last.
#include "drawing/figure_drawing.h"

#include <gtest/gtest.h>

#include "drawing/perspective_cube.h"
#include "pixel_picture.h"

namespace vexolite {
namespace {

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kLight{192, 192, 192};
constexpr HelpChoice kHelpOff{};
constexpr HelpChoice kCase705{false, 0, 1, 705};

TEST(CellSteps, FollowTheZoomRoundedToWholePixels) {
  struct Expected {
    double zoom;
    int dx, dy, h;
  };
  for (const Expected& e : {Expected{0.5, 8, 4, 9}, Expected{1, 16, 8, 18},
                            Expected{1.5, 24, 12, 27}, Expected{2, 32, 16, 36}}) {
    const CellSteps steps = cellStepsFor(e.zoom);
    EXPECT_EQ(steps.dx, e.dx) << e.zoom;
    EXPECT_EQ(steps.dy, e.dy) << e.zoom;
    EXPECT_EQ(steps.h, e.h) << e.zoom;
  }
}

struct Scene {
  FigureFields figure;
  RasterSurface picture1{640, 480};
  RasterSurface picture4{143, 115};

  Scene() { figure.CubeSide = 4; }
  void place(int i, int j, int k, int cube, int piece, int state) {
    figure.CellMatrix(i, j, k) = static_cast<std::int16_t>(cube);
    figure.CubeletTable[cube][kPieceColumn] = static_cast<std::int16_t>(piece);
    figure.CubeletTable[cube][kStateColumn] = static_cast<std::int16_t>(state);
  }
  std::optional<ImpossibleCell> draw(const Projection& projection, const HelpChoice& help,
                                     const SchematicPlan& plan = SchematicPlan{}) {
    return drawFigure(picture1, picture4, figure, projection, plan, help);
  }
};

TEST(DrawFigure, ASingleCubeLaidOutFromItsOriginStartsAtPixelOneOne) {
  // One cube in cell (1, 1, 1) at zoom 1, with the origin (1, 11) that puts its drawing at
  // (1, 1): anchor (1 - 16 + 16, 11 - 18 + 8 + 8) = (1, 9), 33 pixels wide and 35 high.
  Scene scene;
  scene.place(1, 1, 1, 1, 3, kCubeShown);
  EXPECT_FALSE(scene.draw(Projection{1, 1, 11}, kHelpOff).has_value());
  EXPECT_EQ(inkedBox(scene.picture1), (InkedBox{false, 1, 1, 33, 35}));

  RasterSurface alone(640, 480);
  DIBUJAPERPIC(alone, CubeAnchor{1, 9}, CellSteps{16, 8, 18}, 3, kHelpOff);
  EXPECT_EQ(scene.picture1, alone);

  // At zoom 0.5 the origin (1, 6) gives anchor (1, 6 - 9 + 4 + 4) = (1, 5): 17 by 18 pixels.
  Scene small;
  small.place(1, 1, 1, 1, 3, kCubeShown);
  small.draw(Projection{0.5, 1, 6}, kHelpOff);
  EXPECT_EQ(inkedBox(small.picture1), (InkedBox{false, 1, 1, 17, 18}));
}

TEST(DrawFigure, ClearsPicture1ButNotPicture4) {
  Scene scene;
  scene.picture1.plot(300, 300);
  scene.picture4.plot(5, 5);
  scene.draw(Projection{1, 1, 11}, kHelpOff);
  EXPECT_TRUE(inkedBox(scene.picture1).empty);
  EXPECT_EQ(scene.picture4.pixel(5, 5), kBlack);
}

// Two cubes in case 705 at zoom 1: cube 1 of piece 1 (blue), cube 2 of piece 4 (red). Returns
// the colour at a pixel where both are drawn.
Rgb overlap(int i2, int j2, int k2, int x, int y) {
  Scene scene;
  scene.place(1, 1, 1, 1, 1, kCubeShown);
  scene.place(i2, j2, k2, 2, 4, kCubeShown);
  scene.draw(Projection{1, 100, 100}, kCase705);
  return scene.picture1.pixel(x, y);
}

TEST(DrawFigure, LaterCellsPaintOverEarlierOnesLayerRowColumn) {
  // Cell (1, 1, 1) is anchored at (100, 98) and gets cube 1 (blue) in every case below.
  constexpr int kX = 100;
  constexpr int kY = 98;
  constexpr Rgb kBlueTop{0, 0, 255};
  constexpr Rgb kRedTop{255, 0, 0};
  constexpr Rgb kRedLeft{255, 80, 80};
  // A layer up: the upper cube's left face hangs over the lower cube's top face.
  EXPECT_EQ(overlap(2, 1, 1, kX + 8, kY), kRedLeft);
  // One row on (anchor 16 left, 8 down): its top face covers the lower cube's left face.
  EXPECT_EQ(overlap(1, 2, 1, kX + 8, kY + 9), kRedTop);
  // One column on (anchor 16 right, 8 down): its top face covers the right face.
  EXPECT_EQ(overlap(1, 1, 2, kX + 24, kY + 9), kRedTop);

  // The same pixels with the blue cube in the later cell: the later cell wins again.
  Scene up;
  up.place(1, 1, 1, 2, 4, kCubeShown);
  up.place(2, 1, 1, 1, 1, kCubeShown);
  up.draw(Projection{1, 100, 100}, kCase705);
  EXPECT_EQ(up.picture1.pixel(kX + 8, kY), (Rgb{80, 80, 255}));
  Scene row;
  row.place(1, 1, 1, 2, 4, kCubeShown);
  row.place(1, 2, 1, 1, 1, kCubeShown);
  row.draw(Projection{1, 100, 100}, kCase705);
  EXPECT_EQ(row.picture1.pixel(kX + 8, kY + 9), kBlueTop);
  // Without the later cube, those pixels belong to the earlier one.
  Scene lone;
  lone.place(1, 1, 1, 1, 1, kCubeShown);
  lone.draw(Projection{1, 100, 100}, kCase705);
  EXPECT_EQ(lone.picture1.pixel(kX + 8, kY), kBlueTop);
  EXPECT_EQ(lone.picture1.pixel(kX + 8, kY + 9), (Rgb{80, 80, 255}));
  EXPECT_EQ(lone.picture1.pixel(kX + 24, kY + 9), (Rgb{112, 112, 255}));
}

TEST(DrawFigure, HiddenCubesAreGhostsAndOtherStatesAreNotDrawn) {
  Scene hidden;
  hidden.place(1, 1, 1, 1, 3, kCubeHidden);
  hidden.draw(Projection{1, 100, 100}, kHelpOff);
  RasterSurface ghost(640, 480);
  DIBUJAPERTENUPIC(ghost, CubeAnchor{100, 98}, CellSteps{16, 8, 18}, 3, kHelpOff);
  EXPECT_EQ(hidden.picture1, ghost);

  Scene odd;
  odd.place(1, 1, 1, 1, 3, 3);
  EXPECT_FALSE(odd.draw(Projection{1, 100, 100}, kHelpOff).has_value());
  EXPECT_TRUE(inkedBox(odd.picture1).empty);
}

TEST(DrawFigure, StopsAtACubeInStateZeroAndDrawsNothingAfterIt) {
  Scene scene;
  scene.place(1, 1, 1, 1, 1, kCubeShown);
  scene.place(1, 1, 2, 2, 1, 0);
  scene.place(2, 1, 1, 3, 1, kCubeShown);
  scene.figure.CubeletTable[1][kSquareXColumn] = 77;
  SchematicPlan plan;
  plan.rows[1] = std::string{'\1', '\2', '\3'};
  plan.rowCount = 1;

  const std::optional<ImpossibleCell> impossible =
      scene.draw(Projection{1, 100, 100}, kHelpOff, plan);
  ASSERT_TRUE(impossible.has_value());
  EXPECT_EQ(impossible->i, 1);
  EXPECT_EQ(impossible->j, 1);
  EXPECT_EQ(impossible->k, 2);
  EXPECT_EQ(impossible->cube, 2);

  // Only cube 1 was drawn; no schematic, no positions recorded.
  RasterSurface first(640, 480);
  DIBUJAPERPIC(first, CubeAnchor{100, 98}, CellSteps{16, 8, 18}, 1, kHelpOff);
  EXPECT_EQ(scene.picture1, first);
  EXPECT_TRUE(inkedBox(scene.picture4).empty);
  EXPECT_EQ(scene.figure.CubeletTable[1][kSquareXColumn], 77);
}

TEST(DrawFigure, TheSchematicLiesOverTheFigureInTheCorner) {
  // A cube anchored at (620, 460) at zoom 1 reaches into the corner where the one-cell
  // schematic's square (632..637, 472..477) is drawn: its left face is 255, 80, 80 there.
  Scene scene;
  scene.place(1, 1, 1, 1, 4, kCubeShown);
  SchematicPlan plan;
  plan.rows[1] = std::string{'\1'};
  plan.rowCount = 1;
  const HelpChoice red{true, 4, 11, 12};
  scene.draw(Projection{1, 620, 462}, red, plan);

  EXPECT_EQ(scene.figure.CubeletTable[1][kSquareXColumn], 632);
  EXPECT_EQ(scene.figure.CubeletTable[1][kSquareYColumn], 472);
  EXPECT_EQ(scene.picture1.pixel(630, 474), (Rgb{255, 80, 80}));
  for (int x = 632; x <= 637; ++x) {
    for (int y = 472; y <= 477; ++y) {
      const bool border = x == 632 || x == 637 || y == 472 || y == 477;
      EXPECT_EQ(scene.picture1.pixel(x, y), (border ? kGrey : Rgb{255, 0, 0})) << x << ", " << y;
    }
  }
  EXPECT_EQ(scene.picture4.pixel(141, 110), kBlack);
}

TEST(DrawFigure, AFigureOfHiddenCubesIsAllGhostsWithEmptySquares) {
  Scene scene;
  scene.place(1, 1, 1, 1, 2, kCubeHidden);
  scene.place(1, 1, 2, 2, 5, kCubeHidden);
  SchematicPlan plan;
  plan.rows[1] = std::string{'\1', '\2'};
  plan.rowCount = 1;
  scene.draw(Projection{1, 100, 100}, kHelpOff, plan);
  // Only black lines and the light grey squares: nothing shaded.
  EXPECT_EQ(countPixels(scene.picture1, kGrey), 0);
  EXPECT_EQ(countPixels(scene.picture1, kLight), 2 * 36);
  EXPECT_EQ(countPixels(scene.picture1, kBlack) + countPixels(scene.picture1, kLight) +
                countPixels(scene.picture1, kWhite),
            640 * 480);
}

}  // namespace
}  // namespace vexolite
