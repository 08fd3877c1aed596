// The "BMP" and "all BMP" buttons of the real window: files, bytes, pixels, and failures.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTextEdit>

#include "qt/qt_export_platform.h"
#include "support/file_size_limit.h"
#include "support/pixel_model.h"
#include "test_window.h"

namespace vexolite::test {
namespace {

const std::string kCube = figureDigits({"111/222/333", "444/555/666", "777/777/777"});

// Case 123 with 240 solutions: the names carry the blank of a case without decimal digit.
Records case123() {
  return {recordBytes(1230, kCube, 240)};
}
const std::vector<std::string> kBothNames{"S00240-123 .bmp", "caso123 .BMP"};

Rgb rgbAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
             static_cast<std::uint8_t>(qBlue(p))};
}

// A caption as Qt renders it on a fresh text surface.
RasterSurface caption(const std::string& text) {
  qt::QtExportPlatform platform;
  RasterSurface surface(640, 480);
  platform.renderText(text, surface);
  return surface;
}

TEST(CaseImageFiles, TwoNamesOneContentA24BitBitmapOf143By115OnceACaseIsDrawn) {
  TestWindow window(case123());
  ASSERT_EQ(window.start().size(), 1u);
  // Before any case is drawn the button says so and writes nothing.
  const std::vector<SeenBox> early = window.clickAnswering(Control::ExportCaseButton);
  ASSERT_EQ(early.size(), 1u);
  EXPECT_EQ(early[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(early[0].text.contains("pulsar enter")) << early[0].text.toStdString();
  EXPECT_TRUE(window.written().empty());
  ASSERT_TRUE(window.pressAnswering(Qt::Key_Return).empty());
  std::vector<std::uint8_t> first;
  for (int click = 0; click < 2; ++click) {
    EXPECT_TRUE(window.clickAnswering(Control::ExportCaseButton).empty());
    ASSERT_EQ(window.written(), kBothNames);
    const std::vector<std::uint8_t> bytes = fileBytes(window.work() / kBothNames[1]);
    EXPECT_EQ(fileBytes(window.work() / kBothNames[0]), bytes);
    if (click == 1) {
      EXPECT_EQ(bytes, first);
    }
    first = bytes;
  }
  // 14-byte file header, 40-byte info header, then 115 rows of 143 pixels at 3 bytes, each
  // row padded from 429 to 432 bytes. The headers: "BM", 49734 (0xc246) bytes, reserved,
  // pixels at 54; info header of 40, 143 x 115, 1 plane, 24 bits, uncompressed.
  ASSERT_EQ(first.size(), 54u + 115u * 432u);
  const std::vector<std::uint8_t> header{'B', 'M', 0x46, 0xc2, 0,  0, 0,   0, 0, 0, 54,  0,
                                         0,   0,   40,   0,    0,  0, 143, 0, 0, 0, 115, 0,
                                         0,   0,   1,    0,    24, 0, 0,   0, 0, 0};
  EXPECT_EQ(std::vector<std::uint8_t>(first.begin(), first.begin() + 34), header);
}

// At zoom 1.5 the block's shaded faces reach under the text stamps and the plan marks: the file
// holds exactly the AND of the view, the captions Qt renders and the plan inside a black
// border, never lighter than the view.
TEST(CaseImagePixels, TheCornerOfTheViewTextsAndPlanCombinedByAndInsideTheBorder) {
  TestWindow window(case123());
  window.startAndDraw();
  for (int step = 0; step < 2; ++step)
    ASSERT_TRUE(window.clickAnswering(Control::ZoomInButton).empty());
  ASSERT_EQ(window.text(Control::ZoomBox), "1.5");
  const RasterSurface view = window.viewer().picture(Control::FigureView);
  const RasterSurface plan = window.viewer().picture(Control::PlanSurface);
  ASSERT_TRUE(window.clickAnswering(Control::ExportCaseButton).empty());

  const QImage image = readImage(window.work() / kBothNames[1]);
  ASSERT_EQ(image.size(), QSize(143, 115));
  const RasterSurface caseText = caption("123   ");
  const RasterSurface solutionText = caption("  240");
  int mismatches = 0, shadeUnderStamps = 0, marksOnShade = 0;
  for (int y = 0; y < 115; ++y) {
    for (int x = 0; x < 143; ++x) {
      Rgb expected = kBlack;
      const Rgb got = rgbAt(image, x, y);
      if (x < 142 && y < 114) {
        const Rgb under = x >= 1 && y >= 1 ? view.pixel(x, y) : kWhite;
        const Rgb text = andOf(pixelOrWhite(caseText, x - 102, y + 3),
                               pixelOrWhite(solutionText, x - 102, y - 11));
        const Rgb mark = pixelOrWhite(plan, x - 1, y - 1);
        expected = andOf(andOf(under, text), mark);
        const bool shade = under != kWhite && under != kBlack;
        shadeUnderStamps += shade && x >= 102;  // under the whole white of the text surface
        marksOnShade += shade && mark != kWhite;
        EXPECT_TRUE(got.r <= under.r && got.g <= under.g && got.b <= under.b) << x << ", " << y;
      }
      if (got != expected && ++mismatches <= 5) ADD_FAILURE() << "pixel " << x << ", " << y;
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(shadeUnderStamps, 1000);
  EXPECT_GT(marksOnShade, 50);
}

// The full block at zoom 0.5 stays in the upper left; its plan is three layers of three by
// three 2 x 2 marks on a pitch of 3, each layer closed by an empty column, shifted by (1, 1)
// from PlanSurface. Cube 1, hidden by a click on its square, shows its mark in light grey.
TEST(CaseImagePixels, PlanMarksAtTheirPlacesInTheLowerRightCorner) {
  TestWindow window(case123());
  window.startAndDraw();
  const auto& cube1 = window.viewer().state().figure.cubes[1];
  window.viewer().pressOnView(cube1[kSquareXColumn] + 2, cube1[kSquareYColumn] + 2);
  ASSERT_EQ(cube1[kStateColumn], kCubeHidden);
  ASSERT_TRUE(window.clickAnswering(Control::ExportCaseButton).empty());
  const QImage image = readImage(window.work() / kBothNames[1]);

  // Columns 106..142, rows 103..114; '#' black, 'g' light grey, '.' white.
  const std::vector<std::string> expected{
      "....................................#", "....................................#",
      "...gg.##.##....##.##.##....##.##.##.#", "...gg.##.##....##.##.##....##.##.##.#",
      "....................................#", "...##.##.##....##.##.##....##.##.##.#",
      "...##.##.##....##.##.##....##.##.##.#", "....................................#",
      "...##.##.##....##.##.##....##.##.##.#", "...##.##.##....##.##.##....##.##.##.#",
      "....................................#", "#####################################",
  };
  std::vector<std::string> got;
  for (int y = 103; y <= 114; ++y) {
    std::string row;
    for (int x = 106; x <= 142; ++x) {
      const Rgb p = rgbAt(image, x, y);
      row += p == kWhite ? '.' : p == kBlack ? '#' : p == Rgb{192, 192, 192} ? 'g' : '?';
    }
    got.push_back(row);
  }
  EXPECT_EQ(got, expected);
}

// The two labels are stamped on the view beside its top-right corner and shown there until the
// next redraw; the caption box keeps the last caption.
TEST(CaseImagePixels, LabelsShowOnTheViewUntilTheNextRedraw) {
  TestWindow window(case123());
  window.startAndDraw();
  const RasterSurface before = window.viewer().picture(Control::FigureView);
  ASSERT_TRUE(window.clickAnswering(Control::ExportCaseButton).empty());
  const QImage shown = window.control(Control::FigureView)->grab().toImage();
  const RasterSurface caseLabel = caption(" CASO:   123   ");
  const RasterSurface solutionLabel = caption(" SOLU:   240 ");
  int stamped = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const Rgb expected = andOf(andOf(before.pixel(x, y), pixelOrWhite(caseLabel, x - 540, y - 1)),
                                 pixelOrWhite(solutionLabel, x - 540, y - 15));
      ASSERT_EQ(rgbAt(shown, x, y), expected) << x << ", " << y;
      stamped += expected != before.pixel(x, y);
    }
  }
  EXPECT_GT(stamped, 100);
  EXPECT_EQ(window.text(Control::CaptionBox), "  240");
  ASSERT_TRUE(window.pressAnswering(Qt::Key_Return).empty());
  EXPECT_EQ(window.viewer().picture(Control::FigureView), before);
}

TEST(CaseImageFiles, AnUnwritableWorkingFolderIsNamedWithTheReasonOnce) {
  TestWindow window(case123(), /*caseFileElsewhere=*/true);
  window.startAndDraw();
  std::filesystem::remove_all(window.work());

  const std::vector<SeenBox> one = window.clickAnswering(Control::ExportCaseButton);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].icon, QMessageBox::Critical);
  const QString prefix = QString::fromStdString("No se puede escribir el archivo " +
                                                (window.work() / kBothNames[1]).string() +
                                                ": no se puede crear el archivo temporal ");
  EXPECT_TRUE(one[0].text.startsWith(prefix)) << one[0].text.toStdString();
  const std::vector<SeenBox> all = window.clickAnswering(Control::ExportAllButton);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_TRUE(all[0].text.startsWith(prefix)) << all[0].text.toStdString();
  EXPECT_TRUE(all[0].text.endsWith("La generacion de los BMP de todos los casos se detiene aqui."));
  const std::vector<SeenBox> pages = window.clickAnswering(Control::ComposePagesButton);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].text.toStdString(),
            "No se puede leer la carpeta " + window.work().string() + ": no existe.");

  EXPECT_FALSE(std::filesystem::exists(window.work()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(window.elsewhere()), {}), 1);
  EXPECT_TRUE(window.pressAnswering(Qt::Key_Return).empty());  // the window goes on working
}

// The file-size limit stops the write part-way, as a full disk would.
TEST(CaseImageFiles, AWriteCutShortIsNamedAndLeavesTheGoodFile) {
  TestWindow window(case123());
  window.startAndDraw();
  ASSERT_TRUE(window.clickAnswering(Control::ExportCaseButton).empty());
  const std::vector<std::uint8_t> good = fileBytes(window.work() / kBothNames[1]);
  ASSERT_TRUE(window.pressAnswering(Qt::Key_Up).empty());  // the figure turned: another image
  std::vector<SeenBox> boxes;
  {
    const FileSizeLimit limit(20000);
    ASSERT_TRUE(limit.active());
    boxes = window.clickAnswering(Control::ExportCaseButton);
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.startsWith(QString::fromStdString(
      "No se puede escribir el archivo " + (window.work() / kBothNames[1]).string() +
      ": no se pudo escribir entero")))
      << boxes[0].text.toStdString();
  EXPECT_EQ(fileBytes(window.work() / kBothNames[1]), good);
  EXPECT_EQ(window.written(), kBothNames);
}

// What the caption box receives, in order, with whether the wait cursor showed at that moment.
struct CaptionWatch {
  explicit CaptionWatch(TestWindow& window) {
    auto* box = qobject_cast<QTextEdit*>(window.control(Control::CaptionBox));
    EXPECT_NE(box, nullptr);
    QObject::connect(box, &QTextEdit::textChanged, &context, [this, box] {
      captions.push_back(box->toPlainText().toStdString());
      const QCursor* cursor = QGuiApplication::overrideCursor();
      waiting.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
    });
  }
  QObject context;
  std::vector<std::string> captions;
  std::vector<bool> waiting;
};

// Record 2 of three shown: the run exports records 3, 1 and 2 under the wait cursor, and ends
// showing record 2 again.
TEST(BatchExportThroughTheWindow, RecordsThreeOneTwoUnderTheWaitCursorEndingOnTwo) {
  TestWindow window(
      Records{recordBytes(10, kCube, 1), recordBytes(20, kCube, 2), recordBytes(30, kCube, 3)});
  window.startAndDraw();
  ASSERT_TRUE(window.pressAnswering(Qt::Key_PageUp).empty());
  ASSERT_EQ(window.text(Control::CaseLabel), " CASO:   002   ");
  CaptionWatch watch(window);
  EXPECT_TRUE(window.clickAnswering(Control::ExportAllButton).empty());

  EXPECT_EQ(watch.captions,
            (std::vector<std::string>{" CASO:   003   ", " SOLU:     3 ", "003   ", "    3",
                                      " CASO:   001   ", " SOLU:     1 ", "001   ", "    1",
                                      " CASO:   002   ", " SOLU:     2 ", "002   ", "    2"}));
  EXPECT_EQ(watch.waiting, std::vector<bool>(12, true));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   002   ");
  EXPECT_EQ(window.viewer().state().catalogue.currentRecord, 2);
  EXPECT_EQ(window.written(),
            (std::vector<std::string>{"S00001-001 .bmp", "S00002-002 .bmp", "S00003-003 .bmp",
                                      "caso001 .BMP", "caso002 .BMP", "caso003 .BMP"}));
  for (std::string n : {"1", "2", "3"}) {
    EXPECT_EQ(fileBytes(window.work() / ("caso00" + n + " .BMP")),
              fileBytes(window.work() / ("S0000" + n + "-00" + n + " .bmp")));
  }
  // The single export has no wait cursor of its own.
  CaptionWatch single(window);
  EXPECT_TRUE(window.clickAnswering(Control::ExportCaseButton).empty());
  EXPECT_EQ(single.waiting, std::vector<bool>(4, false));
}

// A record that cannot be shown ends the batch with the loader's own message; nothing is
// written for it or after it.
TEST(BatchExportThroughTheWindow, StopsAtARecordThatCannotBeShown) {
  TestWindow window(Records{recordBytes(10, kCube, 1), std::vector<std::uint8_t>(154, 0),
                            recordBytes(30, kCube, 3)});
  window.startAndDraw();  // record 3, the last
  const std::vector<SeenBox> boxes = window.clickAnswering(Control::ExportAllButton);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.startsWith("El registro 2 del archivo")) << boxes[0].text.toStdString();
  EXPECT_EQ(window.written(), (std::vector<std::string>{"S00001-001 .bmp", "caso001 .BMP"}));
  EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   001   ");
}

}  // namespace
}  // namespace vexolite::test
