// The case image composed from the view, four caption stamps and the plan, pixel by pixel.
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

// A view and a plan full of colours, so that every stamp and the plan land on colour.
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

const CaseCaptions kCaptions{" CASO:   123.1 ", " SOLU:   240 ", "123.1 ", "  240"};

struct Composed {
  RasterSurface viewBefore = colourful(640, 480, 7, 5);
  RasterSurface view = viewBefore;
  RasterSurface text{640, 480};
  RasterSurface image{143, 115};
  RasterSurface plan = colourful(143, 115, 11, 3);
  std::vector<std::string> rendered;

  Composed() {
    const CaptionRenderer render = [this](const std::string& caption, RasterSurface& surface) {
      rendered.push_back(caption);
      fakeRender(caption, surface);
    };
    image = colourful(143, 115, 13, 2);  // whatever an earlier export left
    composeCaseImage(kCaptions, render, {view, text, image, plan});
  }
};

// Every pixel worked out from the definition: the view's corner, the two texts and the plan,
// combined by AND onto white, then the border.
TEST(CaseImage, EveryPixelIsTheAndOfViewTextsAndPlanInsideABlackBorder) {
  const Composed c;
  const RasterSurface caseText = rendered(kCaptions.caseText);
  const RasterSurface solutionText = rendered(kCaptions.solutionText);
  ASSERT_EQ(c.image.width(), 143);
  ASSERT_EQ(c.image.height(), 115);
  int mismatches = 0;
  for (int y = 0; y < 115; ++y) {
    for (int x = 0; x < 143; ++x) {
      Rgb expected = kWhite;
      if (x == 142 || y == 114) {
        expected = kBlack;
      } else {
        if (x >= 1 && y >= 1) expected = andOf(expected, c.viewBefore.pixel(x, y));
        expected = andOf(expected, pixelOrWhite(caseText, x - 102, y + 3));
        expected = andOf(expected, pixelOrWhite(solutionText, x - 102, y - 11));
        expected = andOf(expected, pixelOrWhite(c.plan, x - 1, y - 1));
      }
      if (c.image.pixel(x, y) != expected && ++mismatches <= 5) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(CaseImage, LabelsAreStampedOnTheViewAndTheLastCaptionStaysOnTheTextSurface) {
  const Composed c;
  const RasterSurface caseLabel = rendered(kCaptions.caseLabel);
  const RasterSurface solutionLabel = rendered(kCaptions.solutionLabel);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const Rgb expected =
          andOf(andOf(c.viewBefore.pixel(x, y), pixelOrWhite(caseLabel, x - 540, y - 1)),
                pixelOrWhite(solutionLabel, x - 540, y - 15));
      ASSERT_EQ(c.view.pixel(x, y), expected) << x << ", " << y;
    }
  }
  EXPECT_EQ(c.text, rendered(kCaptions.solutionText));
  EXPECT_EQ(c.rendered, (std::vector<std::string>{kCaptions.caseLabel, kCaptions.solutionLabel,
                                                  kCaptions.caseText, kCaptions.solutionText}));
}

// On a white view and plan the texts stand alone: the case text loses its top three rows, the
// view's black survives every stamp, and the border is whole, corner pixels included.
TEST(CaseImage, BlackNeverLightensAndTheBorderIsWhole) {
  RasterSurface view(640, 480), text(640, 480), image(143, 115), plan(143, 115);
  view.setColour(kBlack);
  for (int y = 1; y < 114; ++y)
    view.line(1, y, 142, y);
  const CaptionRenderer render = fakeRender;
  composeCaseImage(kCaptions, render, {view, text, image, plan});
  for (int y = 0; y < 115; ++y) {
    for (int x = 0; x < 143; ++x) {
      if (x == 0 || y == 0) continue;  // outside the view's corner: white or text
      ASSERT_EQ(image.pixel(x, y), kBlack) << x << ", " << y;
    }
  }
  EXPECT_EQ(image.pixel(142, 0), kBlack);
  EXPECT_EQ(image.pixel(0, 114), kBlack);
  EXPECT_EQ(image.pixel(0, 0), kWhite);
  // Row 0 holds row 3 of the case text's rendering: its "1" at x 102.
  const RasterSurface caseText = rendered("123.1 ");
  for (int x = 102; x < 142; ++x) {
    EXPECT_EQ(image.pixel(x, 0), caseText.pixel(x - 102, 3)) << x;
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
