// The case image composed from the view, four caption stamps and the plan, pixel by pixel.
// SPDX-License-Identifier: MIT
#include "export/case_image.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/pixel_model.h"

namespace vexolite {
namespace {

using test::andOf;
using test::pixelOrWhite;

constexpr Rgb kInk{96, 160, 48};  // not black, so that AND can be told from copying

// A stand-in for the rich-text box: each character c at column n inks a small pattern of its
// own in the cell (7n .. 7n+6, 0 .. 12), so every caption gives different pixels and reaches
// the rows that the case text loses above the image.
void fakeRender(const std::string& caption, RasterSurface& surface) {
  surface.setColour(kInk);
  for (std::size_t n = 0; n < caption.size(); ++n) {
    const unsigned code = static_cast<unsigned char>(caption[n]);
    if (code == ' ') continue;
    for (int row = 0; row < 13; ++row) {
      for (int column = 0; column < 6; ++column) {
        if (((code >> ((row + column) % 7)) & 1) != 0) {
          surface.plot(static_cast<int>(7 * n) + column, row);
        }
      }
    }
  }
}

RasterSurface rendered(const std::string& caption) {
  RasterSurface surface(640, 480);
  fakeRender(caption, surface);
  return surface;
}

// Random colours with about one white pixel in `whiteOneIn`, so every stamp lands on colour.
RasterSurface colourful(int width, int height, unsigned seed, int whiteOneIn) {
  RasterSurface surface(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (static_cast<int>(random() % static_cast<unsigned>(whiteOneIn)) == 0) continue;
      surface.setColour(Rgb{static_cast<std::uint8_t>(random()),
                            static_cast<std::uint8_t>(random()),
                            static_cast<std::uint8_t>(random())});
      surface.plot(x, y);
    }
  }
  return surface;
}

// Every pixel worked out from the definition: the view's corner, the two texts and the plan,
// combined by AND onto white, then the black border. The text surface keeps the last caption.
TEST(CaseImage, EveryPixelIsTheAndOfViewTextsAndPlanInsideABlackBorder) {
  const CaseCaptions captions{" CASO:   123.1 ", " SOLU:   240 ", "123.1 ", "  240"};
  const RasterSurface viewBefore = colourful(640, 480, 7, 5);
  const RasterSurface plan = colourful(143, 115, 11, 3);
  RasterSurface view = viewBefore, text(640, 480);   // the labels' stamps land far right
  RasterSurface image = colourful(143, 115, 13, 2);  // whatever an earlier export left
  std::vector<std::string> renderedCaptions;
  const CaptionRenderer render = [&](const std::string& caption, RasterSurface& surface) {
    renderedCaptions.push_back(caption);
    fakeRender(caption, surface);
  };
  composeCaseImage(captions, render, {view, text, image, plan});

  EXPECT_EQ(renderedCaptions, (std::vector<std::string>{captions.caseLabel, captions.solutionLabel,
                                                        captions.caseText, captions.solutionText}));
  EXPECT_EQ(text, rendered(captions.solutionText));

  const RasterSurface caseText = rendered(captions.caseText);
  const RasterSurface solutionText = rendered(captions.solutionText);
  ASSERT_EQ(image.width(), 143);
  ASSERT_EQ(image.height(), 115);
  for (int y = 0; y < 115; ++y) {
    for (int x = 0; x < 143; ++x) {
      Rgb expected = kWhite;
      if (x == 142 || y == 114) {
        expected = kBlack;
      } else {
        if (x >= 1 && y >= 1) expected = viewBefore.pixel(x, y);
        expected = andOf(expected, pixelOrWhite(caseText, x - 102, y + 3));
        expected = andOf(expected, pixelOrWhite(solutionText, x - 102, y - 11));
        expected = andOf(expected, pixelOrWhite(plan, x - 1, y - 1));
      }
      ASSERT_EQ(image.pixel(x, y), expected) << "image " << x << ", " << y;
    }
  }
}

TEST(CaseImage, TwoNamesWithTheBlankOfAWholeCaseNumber) {
  const CaseImageNames whole = caseImageNames("123 ", "00240-123 ");
  EXPECT_EQ(whole.byCase, "caso123 .BMP");
  EXPECT_EQ(whole.bySolutions, "S00240-123 .bmp");
  const CaseImageNames decimal = caseImageNames("1231", "00012-1231");
  EXPECT_EQ(decimal.byCase, "caso1231.BMP");
  EXPECT_EQ(decimal.bySolutions, "S00012-1231.bmp");
}

}  // namespace
}  // namespace vexolite
