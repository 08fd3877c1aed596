// The "BMP" and "all BMP" buttons of the real window: files, bytes, pixels, and failures.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMessageBox>
#include <QTextEdit>

#include "export/case_image.h"
#include "export_window.h"
#include "platform/qt/qt_export_platform.h"
#include "platform/qt/surface_view.h"
#include "support/file_size_limit.h"
#include "support/pixel_model.h"

namespace vexolite::test {
namespace {

const std::string kCube = figureDigits({"111/222/333", "444/555/666", "777/777/777"});

// Case 123 with 240 solutions: the names carry the blank of a case without decimal digit.
std::vector<std::vector<std::uint8_t>> case123() {
  return {recordBytes(1230, kCube, 240)};
}

constexpr char kByCase[] = "caso123 .BMP";
constexpr char kBySolutions[] = "S00240-123 .bmp";

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

TEST(CaseImageFiles, TwoNamesOneContentA24BitBitmapOf143By115) {
  ExportWindow window(case123());
  window.startAndDraw();
  EXPECT_TRUE(window.click(Control::Command13).empty());
  ASSERT_EQ(window.written(), (std::vector<std::string>{kBySolutions, kByCase}));

  const std::vector<std::uint8_t> bytes = fileBytes(window.work() / kByCase);
  EXPECT_EQ(fileBytes(window.work() / kBySolutions), bytes);
  // 14-byte file header, 40-byte info header, then 115 rows of 143 pixels at 3 bytes, each
  // row padded from 429 to 432 bytes.
  ASSERT_EQ(bytes.size(), 54u + 115u * 432u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(u32At(bytes, 2), bytes.size());
  EXPECT_EQ(u32At(bytes, 10), 54u);
  EXPECT_EQ(u32At(bytes, 14), 40u);
  EXPECT_EQ(u32At(bytes, 18), 143u);
  EXPECT_EQ(u32At(bytes, 22), 115u);
  EXPECT_EQ(u16At(bytes, 26), 1u);
  EXPECT_EQ(u16At(bytes, 28), 24u);
  EXPECT_EQ(u32At(bytes, 30), 0u);  // uncompressed

  // A second export of the same case writes the same bytes again, and nothing else.
  EXPECT_TRUE(window.click(Control::Command13).empty());
  EXPECT_EQ(fileBytes(window.work() / kByCase), bytes);
  EXPECT_EQ(fileBytes(window.work() / kBySolutions), bytes);
  EXPECT_EQ(window.written(), (std::vector<std::string>{kBySolutions, kByCase}));
}

// At zoom 1.5 the block's shaded faces reach under the text stamps and the plan marks: the file
// holds exactly the AND of the view, the captions Qt renders and the plan, never lighter than
// the view.
TEST(CaseImagePixels, TheCornerOfTheViewTextsAndPlanCombinedByAndInsideTheBorder) {
  ExportWindow window(case123());
  window.startAndDraw();
  for (int step = 0; step < 2; ++step)
    ASSERT_TRUE(window.click(Control::Command12).empty());
  ASSERT_EQ(window.text(Control::Text3), "1.5");
  const RasterSurface view = window.viewer().picture(1);
  const RasterSurface plan = window.viewer().picture(4);
  ASSERT_TRUE(window.click(Control::Command13).empty());

  const QImage image = readImage(window.work() / kByCase);
  ASSERT_EQ(image.size(), QSize(143, 115));
  const RasterSurface caseText = caption("123   ");
  const RasterSurface solutionText = caption("  240");
  int mismatches = 0, shadeUnderStamps = 0, marksOnShade = 0;
  for (int y = 0; y < 115; ++y) {
    for (int x = 0; x < 143; ++x) {
      Rgb expected = kBlack;
      if (x < 142 && y < 114) {
        const Rgb under = x >= 1 && y >= 1 ? view.pixel(x, y) : kWhite;
        const Rgb text = andOf(pixelOrWhite(caseText, x - 102, y + 3),
                               pixelOrWhite(solutionText, x - 102, y - 11));
        const Rgb mark = pixelOrWhite(plan, x - 1, y - 1);
        expected = andOf(andOf(under, text), mark);
        const bool shade = under != kWhite && under != kBlack;
        shadeUnderStamps += shade && x >= 102;  // under the whole white of the text surface
        marksOnShade += shade && mark != kWhite;
        // The image is never lighter than the view beneath it.
        const Rgb got = rgbAt(image, x, y);
        EXPECT_TRUE(got.r <= under.r && got.g <= under.g && got.b <= under.b) << x << ", " << y;
      }
      if (rgbAt(image, x, y) != expected && ++mismatches <= 5) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(shadeUnderStamps, 1000);
  EXPECT_GT(marksOnShade, 50);
}

// The full 3 x 3 x 3 block at zoom 0.5 stays in the upper left; its plan is three layers of
// three by three marks, 2 x 2 pixels on a pitch of 3, each layer closed by an empty column,
// the last ending left of x 144 and above y 113 on Picture4, shifted by (1, 1) in the image.
// Cube 1, hidden by a click on its square, shows its mark in light grey.
TEST(CaseImagePixels, PlanMarksAtTheirPlacesInTheLowerRightCorner) {
  ExportWindow window(case123());
  window.startAndDraw();
  const auto& cube1 = window.viewer().state().CubeletTable[1];
  window.viewer().Picture1_MouseDown(cube1[kSquareXColumn] + 2, cube1[kSquareYColumn] + 2);
  ASSERT_EQ(cube1[kStateColumn], kCubeHidden);
  ASSERT_TRUE(window.click(Control::Command13).empty());
  const QImage image = readImage(window.work() / kByCase);

  // Columns 106..142, rows 103..114; '#' black, 'g' light grey, '.' white.
  const std::vector<std::string> expected{
      "....................................#",  // 103
      "....................................#",  // 104
      "...gg.##.##....##.##.##....##.##.##.#",  // 105
      "...gg.##.##....##.##.##....##.##.##.#",  // 106
      "....................................#",  // 107
      "...##.##.##....##.##.##....##.##.##.#",  // 108
      "...##.##.##....##.##.##....##.##.##.#",  // 109
      "....................................#",  // 110
      "...##.##.##....##.##.##....##.##.##.#",  // 111
      "...##.##.##....##.##.##....##.##.##.#",  // 112
      "....................................#",  // 113
      "#####################################",  // 114
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
// next redraw; the image does not hold them.
TEST(CaseImageStamps, LabelsShowOnTheViewUntilTheNextRedraw) {
  ExportWindow window(case123());
  window.startAndDraw();
  const RasterSurface before = window.viewer().picture(1);
  ASSERT_TRUE(window.click(Control::Command13).empty());

  const auto* shownView = static_cast<qt::SurfaceView*>(window.form().widget(Control::Picture1));
  const QImage shown = shownView->image().convertToFormat(QImage::Format_RGB32);
  const RasterSurface caseLabel = caption(" CASO:   123   ");
  const RasterSurface solutionLabel = caption(" SOLU:   240 ");
  int stampedPixels = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const Rgb expected = andOf(andOf(before.pixel(x, y), pixelOrWhite(caseLabel, x - 540, y - 1)),
                                 pixelOrWhite(solutionLabel, x - 540, y - 15));
      ASSERT_EQ(rgbAt(shown, x, y), expected) << x << ", " << y;
      stampedPixels += expected != before.pixel(x, y);
    }
  }
  EXPECT_GT(stampedPixels, 100);
  EXPECT_EQ(window.text(Control::RichTextBox1), "  240");  // the last caption stamped

  ASSERT_TRUE(window.press(Qt::Key_Return).empty());
  EXPECT_EQ(window.viewer().picture(1), before);
}

// The caption font: Courier New at 8.5 point, where Courier New is an alias of a fixed-pitch
// family; drawn unsmoothed, a caption is pure black on white.
TEST(CaseImageStamps, CaptionsAreFixedPitchEightAndAHalfPointPureBlack) {
  qt::QtExportPlatform platform;
  EXPECT_EQ(platform.captionFont().family(), "Courier New");
  EXPECT_EQ(platform.captionFont().pointSizeF(), 8.5);
  EXPECT_TRUE(QFontInfo(platform.captionFont()).fixedPitch());
  const RasterSurface one = caption("0");
  const RasterSurface five = caption("00000");
  int inkOne = 0, inkFive = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const Rgb p = five.pixel(x, y);
      ASSERT_TRUE(p == kWhite || p == kBlack) << x << ", " << y;
      inkOne += one.pixel(x, y) == kBlack;
      inkFive += p == kBlack;
      if (p == kBlack) {
        EXPECT_LT(y, 14);  // one line of an 8.5 point font at 96 dots per inch
        EXPECT_GT(y, 0);   // the box's own margin above the line
      }
    }
  }
  EXPECT_GT(inkOne, 10);
  EXPECT_EQ(inkFive, 5 * inkOne);  // five equal glyphs on a fixed pitch
}

TEST(CaseImageFiles, AnUnwritableWorkingFolderIsNamedWithTheReasonOnce) {
  ExportWindow window(case123(), /*caseFileElsewhere=*/true);
  window.startAndDraw();
  std::filesystem::remove_all(window.work());

  const std::vector<SeenBox> one = window.click(Control::Command13);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].icon, QMessageBox::Critical);
  const QString prefix = QString::fromStdString("No se puede escribir el archivo " +
                                                (window.work() / kByCase).string() +
                                                ": no se puede crear el archivo temporal ");
  EXPECT_TRUE(one[0].text.startsWith(prefix)) << one[0].text.toStdString();

  const std::vector<SeenBox> all = window.click(Control::Command14);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_TRUE(all[0].text.startsWith(prefix)) << all[0].text.toStdString();
  EXPECT_TRUE(all[0].text.endsWith("La generacion de los BMP de todos los casos se detiene aqui."));

  const std::vector<SeenBox> pages = window.click(Control::Command15);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].text.toStdString(),
            "No se puede leer la carpeta " + window.work().string() + ": no existe.");

  EXPECT_FALSE(std::filesystem::exists(window.work()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(window.elsewhere()),
                          std::filesystem::directory_iterator()),
            1);                                       // the case file alone
  EXPECT_TRUE(window.press(Qt::Key_Return).empty());  // the window goes on working
}

// The file-size limit stops the write part-way, as a full disk would: the message names the
// file, and the good image written before stays as it was.
TEST(CaseImageFiles, AWriteCutShortLeavesTheGoodFile) {
  ExportWindow window(case123());
  window.startAndDraw();
  ASSERT_TRUE(window.click(Control::Command13).empty());
  const std::vector<std::uint8_t> good = fileBytes(window.work() / kByCase);
  ASSERT_TRUE(window.press(Qt::Key_Up).empty());  // the figure turned: another image

  std::vector<SeenBox> boxes;
  {
    const FileSizeLimit limit(20000);
    ASSERT_TRUE(limit.active());
    boxes = window.click(Control::Command13);
  }

  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.startsWith(QString::fromStdString("No se puede escribir el archivo " +
                                                              (window.work() / kByCase).string() +
                                                              ": no se pudo escribir entero")))
      << boxes[0].text.toStdString();
  EXPECT_EQ(fileBytes(window.work() / kByCase), good);
  EXPECT_EQ(window.written(), (std::vector<std::string>{kBySolutions, kByCase}));
}

// What the caption box receives, in order, with the cursor the window showed at that moment.
struct CaptionWatch {
  explicit CaptionWatch(ExportWindow& window) {
    auto* box = qobject_cast<QTextEdit*>(window.form().widget(Control::RichTextBox1));
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
  ExportWindow window(
      {recordBytes(10, kCube, 1), recordBytes(20, kCube, 2), recordBytes(30, kCube, 3)});
  window.startAndDraw();
  ASSERT_TRUE(window.press(Qt::Key_PageUp).empty());
  ASSERT_EQ(window.text(Control::Label1), " CASO:   002   ");
  CaptionWatch watch(window);
  EXPECT_TRUE(window.click(Control::Command14).empty());

  EXPECT_EQ(watch.captions,
            (std::vector<std::string>{" CASO:   003   ", " SOLU:     3 ", "003   ", "    3",
                                      " CASO:   001   ", " SOLU:     1 ", "001   ", "    1",
                                      " CASO:   002   ", " SOLU:     2 ", "002   ", "    2"}));
  EXPECT_EQ(watch.waiting, std::vector<bool>(12, true));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(window.text(Control::Label1), " CASO:   002   ");
  EXPECT_EQ(window.viewer().state().CurrentRecord, 2);
  EXPECT_EQ(window.written(),
            (std::vector<std::string>{"S00001-001 .bmp", "S00002-002 .bmp", "S00003-003 .bmp",
                                      "caso001 .BMP", "caso002 .BMP", "caso003 .BMP"}));
  for (const char* code : {"001", "002", "003"}) {
    EXPECT_EQ(fileBytes(window.work() / (std::string("caso") + code + " .BMP")),
              fileBytes(window.work() / (std::string("S0000") + code[2] + "-" + code + " .bmp")));
  }

  // The single export has no wait cursor of its own.
  CaptionWatch single(window);
  EXPECT_TRUE(window.click(Control::Command13).empty());
  EXPECT_EQ(single.waiting, std::vector<bool>(4, false));
}

}  // namespace
}  // namespace vexolite::test
