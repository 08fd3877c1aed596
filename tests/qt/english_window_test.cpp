// The real window in English: captions, tool tips, labels and the exported case image's stamps.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QImage>

#include "language_support.h"
#include "qt/language.h"
#include "test_window.h"

namespace vexolite::test {
namespace {

const std::string kCube = figureDigits({"111/222/333", "444/555/666", "777/777/777"});
const std::vector<std::string> kBothNames{"S00240-123 .bmp", "caso123 .BMP"};

// Draws case 123 with 240 solutions and exports it.
void exportCaseImage(TestWindow& window) {
  window.startAndDraw();
  EXPECT_TRUE(window.clickAnswering(Control::ExportCaseButton).empty());
  EXPECT_EQ(window.written(), kBothNames) << "the file names never change";
}

TEST(EnglishWindow, CaptionsToolTipsAndLabelsReadInEnglish) {
  const EnglishScope english;
  TestWindow window;
  window.startAndDraw();
  EXPECT_EQ(window.text(Control::DrawButton), "Draw");
  EXPECT_EQ(window.text(Control::OnePieceHelpOption), "Help: 1 piece (> 10 sol)");
  EXPECT_EQ(window.control(Control::ZoomInButton)->toolTip().toStdString(),
            "Pressing the [ + ] key or clicking here zooms the image in.");
  EXPECT_EQ(window.text(Control::CaseLabel), " CASE:   123.1 ");
  EXPECT_EQ(window.text(Control::SolutionsLabel), " SOLS:    12 ");
  EXPECT_EQ(window.text(Control::HelpBox).substr(0, 19), "[  F1 ] this Help\r\n");
}

TEST(EnglishWindow, MessagesReadInEnglishWithTheirPartsFilledIn) {
  const EnglishScope english;
  TestWindow window;
  const std::vector<SeenBox> start = window.start();
  ASSERT_EQ(start.size(), 1u);
  EXPECT_EQ(start[0].text.toStdString(), "On the next screen press Enter to start the system");
  EXPECT_EQ(start[0].buttons, QStringList{"OK"});
  const std::vector<SeenBox> early = window.clickAnswering(Control::ExportCaseButton);
  ASSERT_EQ(early.size(), 1u);
  EXPECT_EQ(early[0].text.toStdString(),
            "No case has been drawn yet: press Enter to draw one before writing its BMP.");
  // A composed message: its template translated whole, the folder filled in.
  const std::vector<SeenBox> pages = window.clickAnswering(Control::ComposePagesButton);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].text.toStdString(), "No case image (caso*.bmp) was found in the folder " +
                                             window.work().string() + ": no page was written.");
}

// The case image stamps the case number and solution count, which read the same in both
// languages: its bytes are today's. The labels' stamps on the view read as on screen.
TEST(EnglishWindow, TheCaseImageIsTodaysAndTheViewCarriesTheEnglishLabelStamps) {
  std::vector<std::uint8_t> spanishBytes;
  QImage spanishView;
  {
    TestWindow window({{recordBytes(1230, kCube, 240)}});
    exportCaseImage(window);
    EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   123   ");
    spanishBytes = fileBytes(window.work() / "caso123 .BMP");
    spanishView = window.control(Control::FigureView)->grab().toImage();
  }
  const EnglishScope english;
  TestWindow window({{recordBytes(1230, kCube, 240)}});
  exportCaseImage(window);
  EXPECT_EQ(window.text(Control::CaseLabel), " CASE:   123   ");
  EXPECT_EQ(window.text(Control::SolutionsLabel), " SOLS:   240 ");
  EXPECT_EQ(fileBytes(window.work() / "caso123 .BMP"), spanishBytes);
  EXPECT_EQ(fileBytes(window.work() / "S00240-123 .bmp"), spanishBytes);
  const QImage englishView = window.control(Control::FigureView)->grab().toImage();
  ASSERT_EQ(englishView.size(), spanishView.size());
  // The stamps stand at x 540 in the two caption rows at the top; the words differ there only.
  int differing = 0;
  for (int y = 0; y < spanishView.height(); ++y) {
    for (int x = 0; x < spanishView.width(); ++x) {
      if (spanishView.pixel(x, y) == englishView.pixel(x, y)) continue;
      ++differing;
      EXPECT_TRUE(x >= 540 && y < 30) << "a difference outside the stamps at " << x << ", " << y;
    }
  }
  EXPECT_GT(differing, 0);
}

TEST(EnglishWindow, TheCLocaleGivesTodaysSpanish) {
  const auto language = qt::chooseLanguage(std::nullopt, [](std::string_view name) {
    return name == "LC_ALL" ? std::optional<std::string>("C") : std::nullopt;
  });
  EXPECT_EQ(language, qt::Language::Spanish);
  EXPECT_EQ(qt::translatorFor(language), nullptr);
  TestWindow window;
  window.startAndDraw();
  EXPECT_EQ(window.text(Control::DrawButton), "Dibujar");
  EXPECT_EQ(window.text(Control::CaseLabel), kLastCaseLabel);
  EXPECT_EQ(window.text(Control::SolutionsLabel), kLastSolutionLabel);
}

}  // namespace
}  // namespace vexolite::test
